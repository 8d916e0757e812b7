#pragma once

#include "Budget.h"
#include "DataRoot.h"

#include <QDate>

#include <cstddef>
#include <vector>

// What was spent against each budget over a span of days, from the counted
// records of the main library. Spending is the outgoings (negative amounts,
// summed as a positive figure) of the budget's keyword or smart book; an
// income in it is no spending and takes nothing off, so a salary or refund
// that carries the keyword cannot hide what went out.
class BudgetSpending {
public:
    // The spans the budget view offers, around today.
    enum class Span { ThisMonth, LastMonth, ThisYear, LastYear };
    struct Range {
        QDate first;
        QDate last;
    };
    static Range rangeOf(Span span, QDate today);

    struct Figures {
        // The days measured: the span's, or those of the budget's own period
        // that holds the span's first day when that period is longer (a
        // yearly budget seen in a month shows its year).
        QDate first;
        QDate last;
        // The budget for those days: its amount once per period they hold.
        double budget = 0.0;
        double spent = 0.0;
        // Negative once more was spent than budgeted.
        double left = 0.0;
        std::size_t records = 0;
        // The keyword or smart book is still in the library.
        bool targetHeld = false;

        // Spent as a share of the budget: 1 at 100 %; spending against no budget is 2.
        double share() const { return budget > 0.0 ? spent / budget : (spent > 0.0 ? 2.0 : 0.0); }
    };

    // One Figures per budget, in the order given.
    static std::vector<Figures> compute(const DataRoot& root, const BudgetList& budgets, Range range);
    static Figures compute(const DataRoot& root, const Budget& budget, Range range);

    // The records spending counts for the budget in `range` (its measured days).
    static IOList spendingRecords(const DataRoot& root, const Budget& budget, Range range);

    // The days the budget is measured over for `range`, and how many of its periods they hold.
    static Range measuredRange(const Budget& budget, Range range);
    static int periodsIn(const Budget& budget, Range measured);

    // A record that counts as spending between the days.
    static bool isSpending(const IO& record, QDate first, QDate last) {
        if (record.includeInStats() == 0 || record.amountAsDouble() >= 0.0) {
            return false;
        }
        const QDate day = record.date();
        return day.isValid() && day >= first && day <= last;
    }
};
