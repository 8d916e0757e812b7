#pragma once

#include <QDateTime>

// The two day rules that every record date goes through.
class DateUtility {
public:
    DateUtility() = delete;

    // 00:00:00 in the current zone of the day that `date` shows in its own zone.
    static QDateTime dateWithoutHours(const QDateTime& date);
    // The day of `date` (in its own zone) at the current time of day, in the current zone.
    static QDateTime dateWithReceivedDateAndCurrentTime(const QDateTime& date);
};
