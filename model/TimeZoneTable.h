#pragma once

#include <QByteArray>
#include <QTimeZone>

#include <cstdint>

// Interns the time zones that calendar dates carry, so a record keeps its
// zone in two bytes instead of a zone object of its own. Safe to use from a
// save running on a worker thread while the window formats dates.
class TimeZoneTable {
public:
    using Index = std::uint16_t;

    // The zone with this IANA or offset id; an id Qt does not know keeps its
    // name and behaves as UTC.
    static Index intern(const QByteArray& id);
    static QByteArray id(Index index);
    static const QTimeZone& zone(Index index);

    // The process's current zone. Follows changes of TZ, as the C library does.
    static Index current();
};
