#include "BudgetSpending.h"

#include "SmartBook.h"

#include <algorithm>

namespace {

int monthNumber(QDate day) {
    return day.year() * 12 + day.month() - 1;
}

bool holdsKeyword(const DataRoot& root, const Keyword* keyword) {
    const KeywordList& keywords = root.keywords();
    return std::any_of(keywords.begin(), keywords.end(), [keyword](const KeywordPtr& k) { return k.get() == keyword; });
}

} // namespace

BudgetSpending::Range BudgetSpending::rangeOf(Span span, QDate today) {
    switch (span) {
    case Span::ThisMonth:
        return {Budget::firstDayOf(today, Budget::Period::Month), Budget::lastDayOf(today, Budget::Period::Month)};
    case Span::LastMonth: {
        const QDate day = Budget::firstDayOf(today, Budget::Period::Month).addDays(-1);
        return {Budget::firstDayOf(day, Budget::Period::Month), day};
    }
    case Span::ThisYear:
        return {Budget::firstDayOf(today, Budget::Period::Year), Budget::lastDayOf(today, Budget::Period::Year)};
    case Span::LastYear:
        return {QDate(today.year() - 1, 1, 1), QDate(today.year() - 1, 12, 31)};
    }
    return {};
}

BudgetSpending::Range BudgetSpending::measuredRange(const Budget& budget, Range range) {
    const QDate first = Budget::firstDayOf(range.first, budget.period());
    const QDate last = Budget::lastDayOf(range.first, budget.period());
    if (range.last <= last) {
        // The span lies within one period of the budget: the whole period counts.
        return {first, last};
    }
    return range;
}

int BudgetSpending::periodsIn(const Budget& budget, Range measured) {
    if (budget.period() == Budget::Period::Year) {
        return measured.last.year() - measured.first.year() + 1;
    }
    return monthNumber(measured.last) - monthNumber(measured.first) + 1;
}

std::vector<BudgetSpending::Figures> BudgetSpending::compute(const DataRoot& root, const BudgetList& budgets,
                                                             Range range) {
    std::vector<Figures> figures(budgets.size());
    // Keyword budgets share one pass over the library; smart books each walk their tree.
    struct Watch {
        const Keyword* keyword;
        std::uint64_t bit;
        QDate first;
        QDate last;
        Figures* figures;
    };
    std::vector<Watch> watches;
    QDate first;
    QDate last;
    for (std::size_t i = 0; i < budgets.size(); ++i) {
        const Budget& budget = *budgets[i];
        if (!budget.keyword()) {
            figures[i] = compute(root, budget, range);
            continue;
        }
        const Range measured = measuredRange(budget, range);
        Figures& f = figures[i];
        f.first = measured.first;
        f.last = measured.last;
        f.budget = budget.amount().toDouble() * periodsIn(budget, measured);
        f.targetHeld = holdsKeyword(root, budget.keyword().get());
        watches.push_back(
            {budget.keyword().get(), IO::keywordBit(budget.keyword().get()), measured.first, measured.last, &f});
        first = first.isValid() ? std::min(first, measured.first) : measured.first;
        last = last.isValid() ? std::max(last, measured.last) : measured.last;
    }
    if (!watches.empty() && root.mainLibrary()) {
        for (const IOPtr& pointer : root.mainLibrary()->records()) {
            const IO& record = *pointer;
            if (!isSpending(record, first, last)) {
                continue;
            }
            const QDate day = record.date();
            const std::uint64_t mask = record.keywordMask();
            for (const Watch& watch : watches) {
                if ((mask & watch.bit) != 0 && day >= watch.first && day <= watch.last &&
                    record.includesKeyword(watch.keyword)) {
                    watch.figures->spent -= record.amountAsDouble();
                    ++watch.figures->records;
                }
            }
        }
    }
    for (const Watch& watch : watches) {
        watch.figures->left = watch.figures->budget - watch.figures->spent;
    }
    return figures;
}

BudgetSpending::Figures BudgetSpending::compute(const DataRoot& root, const Budget& budget, Range range) {
    const Range measured = measuredRange(budget, range);
    Figures f;
    f.first = measured.first;
    f.last = measured.last;
    f.budget = budget.amount().toDouble() * periodsIn(budget, measured);
    if (budget.keyword()) {
        f.targetHeld = holdsKeyword(root, budget.keyword().get());
    } else if (budget.smartBook()) {
        f.targetHeld = root.holdsBook(budget.smartBook().get());
    }
    for (const IOPtr& record : spendingRecords(root, budget, measured)) {
        f.spent -= record->amountAsDouble();
        ++f.records;
    }
    f.left = f.budget - f.spent;
    return f;
}

IOList BudgetSpending::spendingRecords(const DataRoot& root, const Budget& budget, Range range) {
    const Range measured = measuredRange(budget, range);
    const auto admits = [&measured](const IO& record) {
        return isSpending(record, measured.first, measured.last);
    };
    if (!root.mainLibrary()) {
        return {};
    }
    if (const SmartBookPtr& book = budget.smartBook()) {
        // A deleted smart book finds nothing: its tree may name books gone with it.
        if (!root.holdsBook(book.get())) {
            return {};
        }
        return book->matchingRecords(
            root.mainLibrary(), [&root](const Book* held) { return root.holdsBook(held); }, admits);
    }
    IOList found;
    if (const Keyword* keyword = budget.keyword().get()) {
        for (const IOPtr& record : root.mainLibrary()->records()) {
            if (admits(*record) && record->includesKeyword(keyword)) {
                found.push_back(record);
            }
        }
    }
    return found;
}
