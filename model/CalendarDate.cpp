#include "CalendarDate.h"

#include "Clock.h"

CalendarDate CalendarDate::now() {
    return CalendarDate(Clock::now().toMSecsSinceEpoch(), TimeZoneTable::current());
}

CalendarDate CalendarDate::fromDateTime(const QDateTime& dateTime) {
    if (!dateTime.isValid()) {
        return {};
    }
    TimeZoneTable::Index zone = TimeZoneTable::current();
    if (dateTime.timeSpec() == Qt::TimeZone) {
        zone = TimeZoneTable::intern(dateTime.timeZone().id());
    } else if (dateTime.timeSpec() == Qt::UTC) {
        zone = TimeZoneTable::intern(QByteArrayLiteral("UTC"));
    } else if (dateTime.timeSpec() == Qt::OffsetFromUTC) {
        zone = TimeZoneTable::intern(QTimeZone(dateTime.offsetFromUtc()).id());
    }
    return CalendarDate(dateTime.toMSecsSinceEpoch(), zone);
}

CalendarDate CalendarDate::startOfDay(QDate day) {
    return CalendarDate(day.startOfDay().toMSecsSinceEpoch(), TimeZoneTable::current());
}

QDateTime CalendarDate::toDateTime() const {
    if (!isValid()) {
        return {};
    }
    return QDateTime::fromMSecsSinceEpoch(m_msecs, TimeZoneTable::zone(m_zone));
}
