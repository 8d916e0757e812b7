#pragma once

#include "TimeZoneTable.h"

#include <QDateTime>

#include <compare>
#include <cstdint>
#include <limits>

// A moment together with the time zone it was seen in, as a record's time of
// entry or a date condition's operand keeps it. Compared chronologically.
class CalendarDate {
public:
    CalendarDate() = default;
    CalendarDate(std::int64_t msecsSinceEpoch, TimeZoneTable::Index zone)
        : m_msecs(msecsSinceEpoch)
        , m_zone(zone) {}

    static CalendarDate now();
    // Keeps the moment; the zone is the date-time's own (local time means the current zone).
    static CalendarDate fromDateTime(const QDateTime& dateTime);
    // 00:00:00 of that day in the current zone.
    static CalendarDate startOfDay(QDate day);

    bool isValid() const { return m_msecs != invalidMsecs; }
    std::int64_t msecsSinceEpoch() const { return m_msecs; }
    TimeZoneTable::Index zoneIndex() const { return m_zone; }
    QByteArray zoneId() const { return TimeZoneTable::id(m_zone); }

    // The moment shown in its own zone.
    QDateTime toDateTime() const;
    // The calendar day as its own zone shows it.
    QDate day() const { return toDateTime().date(); }

    bool operator==(const CalendarDate& other) const = default;
    std::strong_ordering operator<=>(const CalendarDate& other) const { return m_msecs <=> other.m_msecs; }

private:
    static constexpr std::int64_t invalidMsecs = std::numeric_limits<std::int64_t>::min();
    std::int64_t m_msecs = invalidMsecs;
    TimeZoneTable::Index m_zone = 0;
};
