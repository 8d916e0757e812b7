#include "PeriodTotals.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <limits>
#include <map>
#include <memory>

namespace {
constexpr std::size_t prefetchDistance = 24;
// A lifetime of records has some ten thousand days: their periods, once worked out, are looked up.
constexpr std::size_t daySlots = std::size_t(1) << 14;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

struct YearMonth {
    // Astronomical numbering: year 0 is 1 BC.
    std::int64_t year;
    int month;
};

// The proleptic Gregorian calendar that QDate counts in, in a few integer
// steps: a QDate per record would cost more than the rest of the pass.
YearMonth yearMonthOf(std::int64_t julianDay) {
    const std::int64_t z = julianDay - 1721120; // days since 0000-03-01
    const std::int64_t era = floorDiv(z, 146097);
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153; // March is 0
    const int month = int(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month};
}

// QDate has no year 0.
int qDateYear(std::int64_t astronomicalYear) {
    return int(astronomicalYear <= 0 ? astronomicalYear - 1 : astronomicalYear);
}

// Julian day 0 is a Monday.
int weekOffset(Qt::DayOfWeek firstDayOfWeek) {
    return int(firstDayOfWeek) - 1;
}

std::int64_t keyOf(std::int64_t julianDay, PeriodTotals::Period period, int offset) {
    switch (period) {
    case PeriodTotals::Period::Week:
        return floorDiv(julianDay - offset, 7);
    case PeriodTotals::Period::Month: {
        const YearMonth ym = yearMonthOf(julianDay);
        return ym.year * 12 + (ym.month - 1);
    }
    case PeriodTotals::Period::Year:
        return yearMonthOf(julianDay).year;
    }
    return 0;
}

QDate startOfKey(std::int64_t key, PeriodTotals::Period period, int offset) {
    switch (period) {
    case PeriodTotals::Period::Week:
        return QDate::fromJulianDay(key * 7 + offset);
    case PeriodTotals::Period::Month: {
        const std::int64_t year = floorDiv(key, 12);
        return QDate(qDateYear(year), int(key - year * 12) + 1, 1);
    }
    case PeriodTotals::Period::Year:
        return QDate(qDateYear(key), 1, 1);
    }
    return {};
}

struct Sum {
    double in = 0.0;
    double out = 0.0;
    std::size_t records = 0;
};

// Sums by period key: every period from the first key to the last while
// that span stays small, otherwise only the keys seen. References stay valid
// as the span grows at either end.
class Sums {
public:
    Sum& at(std::int64_t key) {
        if (m_sparse) {
            return (*m_sparse)[key];
        }
        if (m_dense.empty()) {
            m_first = key;
            return m_dense.emplace_back();
        }
        const std::int64_t last = m_first + std::int64_t(m_dense.size()) - 1;
        const std::int64_t span = std::max(last, key) - std::min(m_first, key) + 1;
        if (span > std::int64_t(PeriodTotals::maxContiguousPeriods)) {
            goSparse();
            return (*m_sparse)[key];
        }
        for (; key < m_first; --m_first) {
            m_dense.emplace_front();
        }
        while (key > m_first + std::int64_t(m_dense.size()) - 1) {
            m_dense.emplace_back();
        }
        return m_dense[std::size_t(key - m_first)];
    }

    bool isSparse() const { return m_sparse != nullptr; }

    template <typename Visit> void forEach(Visit visit) const {
        if (m_sparse) {
            for (const auto& [key, sum] : *m_sparse) {
                visit(key, sum);
            }
            return;
        }
        std::int64_t key = m_first;
        for (const Sum& sum : m_dense) {
            visit(key++, sum);
        }
    }

private:
    void goSparse() {
        m_sparse = std::make_unique<std::map<std::int64_t, Sum>>();
        std::int64_t key = m_first;
        for (const Sum& sum : m_dense) {
            if (sum.records > 0) {
                m_sparse->emplace(key, sum);
            }
            ++key;
        }
        m_dense.clear();
    }

    std::int64_t m_first = 0;
    std::deque<Sum> m_dense;
    std::unique_ptr<std::map<std::int64_t, Sum>> m_sparse;
};
} // namespace

PeriodTotals::PeriodTotals(const IOList& records, Period period, Qt::DayOfWeek firstDayOfWeek)
    : m_period(period)
    , m_firstDayOfWeek(firstDayOfWeek) {
    const int offset = weekOffset(firstDayOfWeek);
    Sums sums;
    // Lists are mostly in date order: neighbours share a day and a period.
    std::int64_t lastDay = 0;
    std::int64_t lastKey = 0;
    Sum* sum = nullptr;
    struct DaySlot {
        std::int64_t day = std::numeric_limits<std::int64_t>::min();
        std::int64_t key = 0;
    };
    std::vector<DaySlot> dayKeys(daySlots);
    const IOPtr* list = records.data();
    const std::size_t count = records.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (i + prefetchDistance < count) {
            // The flag and the amount lie in the record's first cache line, the day in the next.
            const char* ahead = reinterpret_cast<const char*>(list[i + prefetchDistance].get());
            __builtin_prefetch(ahead);
            __builtin_prefetch(ahead + 64);
        }
        const IO& record = *list[i];
        if (record.includeInStats() == 0) {
            ++m_uncounted;
            continue;
        }
        const QDate day = record.date();
        if (!day.isValid()) {
            ++m_undated;
            continue;
        }
        const std::int64_t julianDay = day.toJulianDay();
        if (!sum || julianDay != lastDay) {
            DaySlot& slot = dayKeys[std::size_t(julianDay) & (daySlots - 1)];
            if (slot.day != julianDay) {
                slot = {julianDay, keyOf(julianDay, period, offset)};
            }
            const std::int64_t key = slot.key;
            if (!sum || key != lastKey) {
                sum = &sums.at(key);
                lastKey = key;
            }
            lastDay = julianDay;
        }
        const double amount = record.amountAsDouble();
        sum->in += amount > 0.0 ? amount : 0.0;
        sum->out -= amount < 0.0 ? amount : 0.0;
        ++sum->records;
    }

    m_hasGaps = sums.isSparse();
    double balance = 0.0;
    sums.forEach([&](std::int64_t key, const Sum& periodSum) {
        balance += periodSum.in - periodSum.out;
        m_periods.push_back({startOfKey(key, period, offset), periodSum.in, periodSum.out, balance, periodSum.records});
    });
}

QDate PeriodTotals::startOf(QDate day, Period period, Qt::DayOfWeek firstDayOfWeek) {
    if (!day.isValid()) {
        return {};
    }
    const int offset = weekOffset(firstDayOfWeek);
    return startOfKey(keyOf(day.toJulianDay(), period, offset), period, offset);
}
