#include "TimeZoneTable.h"

#include <QDateTime>
#include <QHash>

#include <cstdlib>
#include <deque>
#include <mutex>
#include <string>

namespace {

struct Entry {
    QByteArray id;
    QTimeZone zone;
};

struct Table {
    // A deque: zone() hands out references that must survive later interns.
    std::deque<Entry> entries;
    QHash<QByteArray, TimeZoneTable::Index> byId;
    std::mutex mutex;
};

Table& table() {
    static Table t;
    return t;
}

QByteArray currentZoneId() {
    QByteArray id = QTimeZone::systemTimeZoneId();
    if (!id.isEmpty() && QTimeZone::isTimeZoneIdAvailable(id)) {
        return id;
    }
    // TZ may hold a POSIX rule Qt cannot name; keep the offset it gives now.
    const int offset = QDateTime::currentDateTime().offsetFromUtc();
    return QTimeZone(offset).id();
}

} // namespace

TimeZoneTable::Index TimeZoneTable::intern(const QByteArray& id) {
    Table& t = table();
    const std::lock_guard lock(t.mutex);
    const auto found = t.byId.constFind(id);
    if (found != t.byId.constEnd()) {
        return found.value();
    }
    if (t.entries.size() >= 0xFFFF) {
        // A library never holds this many zones; share the last slot rather than fail.
        return static_cast<Index>(t.entries.size() - 1);
    }
    QTimeZone zone(id);
    if (!zone.isValid()) {
        zone = QTimeZone::utc();
    }
    const auto index = static_cast<Index>(t.entries.size());
    t.entries.push_back({id, zone});
    t.byId.insert(id, index);
    return index;
}

QByteArray TimeZoneTable::id(Index index) {
    Table& t = table();
    const std::lock_guard lock(t.mutex);
    return index < t.entries.size() ? t.entries[index].id : QByteArray("UTC");
}

const QTimeZone& TimeZoneTable::zone(Index index) {
    static const QTimeZone utc = QTimeZone::utc();
    Table& t = table();
    const std::lock_guard lock(t.mutex);
    return index < t.entries.size() ? t.entries[index].zone : utc;
}

TimeZoneTable::Index TimeZoneTable::current() {
    // Re-read only when TZ changed: this runs once per new record.
    static bool known = false;
    static bool lastHadTz = false;
    static std::string lastTz;
    static Index lastIndex = 0;
    static std::mutex mutex;
    const std::lock_guard lock(mutex);
    const char* tz = std::getenv("TZ");
    const bool unchanged = known && (tz != nullptr) == lastHadTz && (!tz || lastTz == tz);
    if (!unchanged) {
        lastIndex = intern(currentZoneId());
        lastHadTz = tz != nullptr;
        lastTz = tz ? tz : "";
        known = true;
    }
    return lastIndex;
}
