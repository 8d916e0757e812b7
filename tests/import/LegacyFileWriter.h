#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

#include <bit>
#include <cstdint>
#include <vector>

// Builds legacy library files byte by byte, from the slot layout alone.
struct LegacyEntry {
    std::uint32_t seconds = 0;
    double amount = 0.0;
    QByteArray comment;
    std::uint8_t include = 1;
    std::uint8_t inUse = 1;
};

inline QByteArray legacySlotBytes(const LegacyEntry& entry) {
    // The unused bytes carry noise, as old files do; nothing may read them.
    QByteArray slot(540, char(0xA5));
    qToBigEndian<quint32>(entry.seconds, slot.data() + 4);
    qToBigEndian<quint64>(std::bit_cast<quint64>(entry.amount), slot.data() + 8);
    slot[272] = char(entry.comment.size());
    std::copy(entry.comment.begin(), entry.comment.end(), slot.begin() + 273);
    slot[528] = char(entry.include);
    slot[536] = char(entry.inUse);
    return slot;
}

inline QByteArray legacyFileBytes(const std::vector<LegacyEntry>& entries, const QByteArray& trailing = {}) {
    QByteArray bytes;
    for (const LegacyEntry& entry : entries) {
        bytes += legacySlotBytes(entry);
    }
    return bytes + trailing;
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}
