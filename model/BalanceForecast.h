#pragma once

#include "PeriodTotals.h"
#include "RecurringRecord.h"

#include <QDate>

#include <vector>

// The balance to expect ahead of what is entered: the recurring records'
// occurrences still to come, summed onto the balance at the end of the last
// period of some PeriodTotals, period by period up to a horizon some months
// after today. Only occurrences after both today and the record's last
// entered day count, so none already entered is counted twice; a record not
// counted in the statistics is left out, as PeriodTotals leaves it out.
class BalanceForecast {
public:
    struct Point {
        // The first day of the period.
        QDate start;
        // Expected at the end of the period.
        double balance = 0.0;
    };

    // The periods after the last one of `totals`, up to the one that holds
    // today + `horizonMonths`. Nothing when the totals are empty, the horizon
    // is not positive or ends before the periods after the last one begin,
    // nothing falls due, or more than maxContiguousPeriods would be needed.
    static std::vector<Point> ahead(const PeriodTotals& totals, const RecurringRecordList& records, QDate today,
                                    int horizonMonths);

    // The first day of the period after the one that begins on `start`.
    static QDate nextStart(QDate start, PeriodTotals::Period period);
};
