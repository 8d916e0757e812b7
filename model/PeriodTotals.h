#pragma once

#include "IO.h"

#include <QDate>

#include <cstddef>
#include <vector>

// The counted records of a list summed by calendar period: the incomings and
// outgoings of each week, month or year and the balance at its end, from the
// first period with a counted record to the last. What the graph draws.
class PeriodTotals {
public:
    enum class Period { Week, Month, Year };

    struct Totals {
        // The first day of the period.
        QDate start;
        double in = 0.0;
        // Summed as a positive number, as the statistics line does.
        double out = 0.0;
        // Of every counted record up to the end of this period.
        double balance = 0.0;
        std::size_t records = 0;
    };

    PeriodTotals() = default;
    // Weeks begin on `firstDayOfWeek`. The list's order does not matter.
    PeriodTotals(const IOList& records, Period period, Qt::DayOfWeek firstDayOfWeek = Qt::Monday);

    Period period() const { return m_period; }
    Qt::DayOfWeek firstDayOfWeek() const { return m_firstDayOfWeek; }
    // In calendar order; a period without records between two with records
    // has zero sums, unless hasGaps().
    const std::vector<Totals>& periods() const { return m_periods; }
    bool isEmpty() const { return m_periods.empty(); }
    // The records span so many periods that only those with records are
    // kept: a handful of stray dates centuries apart would otherwise ask for
    // millions of empty ones.
    bool hasGaps() const { return m_hasGaps; }
    // Records of the list left out: not counted in the statistics, or without a day.
    std::size_t uncountedRecords() const { return m_uncounted; }
    std::size_t undatedRecords() const { return m_undated; }

    // The first day of the period that holds `day`.
    static QDate startOf(QDate day, Period period, Qt::DayOfWeek firstDayOfWeek = Qt::Monday);
    // More periods than this from the first record to the last are kept only where they hold records.
    static constexpr std::size_t maxContiguousPeriods = 100'000;

private:
    Period m_period = Period::Month;
    Qt::DayOfWeek m_firstDayOfWeek = Qt::Monday;
    std::vector<Totals> m_periods;
    bool m_hasGaps = false;
    std::size_t m_uncounted = 0;
    std::size_t m_undated = 0;
};
