#include "BalanceForecast.h"

#include <algorithm>
#include <utility>

namespace {

struct Occurrence {
    QDate day;
    double amount = 0.0;
};

// Every counted occurrence after today and after what was entered, up to `end`, in day order.
std::vector<Occurrence> occurrencesUpTo(const RecurringRecordList& records, QDate today, QDate end) {
    std::vector<Occurrence> found;
    for (const RecurringRecordPtr& record : records) {
        if (!record || record->includeInStats() == 0 || !record->amount() || !record->rule().isValid()) {
            continue;
        }
        const double amount = record->amount()->toDouble();
        const QDate entered = record->lastEntered();
        const QDate after = entered.isValid() && entered > today ? entered : today;
        for (const QDate day : record->rule().daysBetween(after, end)) {
            found.push_back({day, amount});
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Occurrence& a, const Occurrence& b) { return a.day < b.day; });
    return found;
}

} // namespace

QDate BalanceForecast::nextStart(QDate start, PeriodTotals::Period period) {
    switch (period) {
    case PeriodTotals::Period::Week:
        return start.addDays(7);
    case PeriodTotals::Period::Month:
        return start.addMonths(1);
    case PeriodTotals::Period::Year:
        return start.addYears(1);
    }
    return {};
}

std::vector<BalanceForecast::Point>
BalanceForecast::ahead(const PeriodTotals& totals, const RecurringRecordList& records, QDate today, int horizonMonths) {
    std::vector<Point> points;
    if (totals.isEmpty() || horizonMonths <= 0 || !today.isValid()) {
        return points;
    }
    const QDate end = today.addMonths(horizonMonths);
    const std::vector<Occurrence> occurrences = occurrencesUpTo(records, today, end);
    if (occurrences.empty()) {
        return points;
    }
    double balance = totals.periods().back().balance;
    auto next = occurrences.begin();
    for (QDate start = nextStart(totals.periods().back().start, totals.period()); start.isValid() && start <= end;) {
        const QDate following = nextStart(start, totals.period());
        // Occurrences before this period, in the rest of the last drawn one, belong to this period's end too.
        for (; next != occurrences.end() && next->day < following; ++next) {
            balance += next->amount;
        }
        points.push_back({start, balance});
        start = following;
        // Drawn periods that end ages ago would ask for endless flat ones in between.
        if (points.size() > PeriodTotals::maxContiguousPeriods) {
            return {};
        }
    }
    return points;
}
