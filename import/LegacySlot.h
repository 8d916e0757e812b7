#pragma once

#include "IO.h"

#include <QByteArrayView>
#include <QDate>

#include <cstdint>

class LegacyTextDecoder;

// One 540-byte slot of a legacy library file, numbers big-endian:
//   4  u32     the day, as seconds since 1 January 1904, local wall-clock time
//   8  double  the amount, incomings positive
//   272        the comment: a length byte, then that many bytes of text
//   528 i8     counted in the statistics when not 0
//   536 u8     0 when the slot holds no record
// Every other byte is unused.
class LegacySlot {
public:
    static constexpr qsizetype size = 540;
    static constexpr qsizetype secondsOffset = 4;
    static constexpr qsizetype amountOffset = 8;
    static constexpr qsizetype commentOffset = 272;
    static constexpr qsizetype includeOffset = 528;
    static constexpr qsizetype inUseOffset = 536;

    // `bytes` holds at least `size` bytes and outlives the slot.
    explicit LegacySlot(const char* bytes)
        : m_bytes(bytes) {}

    bool isInUse() const { return m_bytes[inUseOffset] != 0; }
    std::uint32_t seconds() const;
    double amount() const;
    QByteArrayView commentBytes() const;
    std::int8_t include() const { return static_cast<std::int8_t>(m_bytes[includeOffset]); }

    // The calendar day of a legacy seconds count. The count is wall-clock
    // time, so whole days are counted off with no zone or summer-time shift.
    static QDate dayOfSeconds(std::uint32_t seconds);

    // The record this slot holds, entered at `timeOfEntry` with no keywords;
    // null when the amount is not a finite number and so cannot be one.
    IOPtr toRecord(LegacyTextDecoder& decoder, const CalendarDate& timeOfEntry) const;

private:
    const char* m_bytes;
};
