#include "DateUtility.h"

#include "Clock.h"

QDateTime DateUtility::dateWithoutHours(const QDateTime& date) {
    return date.date().startOfDay();
}

QDateTime DateUtility::dateWithReceivedDateAndCurrentTime(const QDateTime& date) {
    return QDateTime(date.date(), Clock::now().time());
}
