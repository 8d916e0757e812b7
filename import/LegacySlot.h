#pragma once

#include "IO.h"

#include <QByteArrayView>
#include <QDate>

#include <cstdint>
#include <optional>

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
    static constexpr qsizetype maxCommentBytes = 255;

    // Why a slot in use holds nothing the legacy program could have written.
    // The day, the include byte and the in-use byte are not judged: every
    // seconds count is a day from 1904 to 2040, and any byte but 0 means yes.
    enum class Oddity : std::uint8_t {
        None,
        AmountNotANumber,
        AmountTooLarge,
        AmountTooPrecise,
        CommentNotText,
    };
    static constexpr int oddityCount = 5;

    // Amounts beyond this, in any currency, are no household's money. It also
    // keeps the cent test meaningful: up to here a double is within 1/64 of
    // its value in cents.
    static constexpr double largestAmount = 1e12;
    // Odd amounts within these bounds can still be what a ledger program
    // wrote (three decimals, a great sum); beyond them no program kept money.
    // The bytes of other kinds of file, text included, read as doubles land
    // beyond them nearly always.
    static constexpr double smallestMoney = 1e-6;
    static constexpr double largestMoney = 1e18;

    // Whether the fields are laid out as a ledger program writes them, odd
    // values or not: a comment that is text and an amount of a size money
    // can have. A file of another kind fails this in most of its slots.
    struct Layout {
        bool commentIsText = true;
        bool amountIsMoneySized = true;
        bool isSound() const { return commentIsText && amountIsMoneySized; }
    };

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
    // Whether a double can be an amount of money someone entered.
    static Oddity judgeAmount(double amount);
    // Whether a double is 0 or of a size between smallestMoney and largestMoney.
    static bool isMoneySized(double amount);

    // The record this slot holds, entered at `timeOfEntry` with no keywords,
    // and what is odd about it. An odd slot still gives its record, its
    // comment decoded as far as it goes, unless its amount is no number at
    // all (`record` is then left alone). `layout`, when given, is told how
    // the fields are laid out, whatever the oddity reported.
    Oddity toRecord(LegacyTextDecoder& decoder, const CalendarDate& timeOfEntry, IOPtr* record,
                    Layout* layout = nullptr) const;

private:
    // The comment decoded, when it is text as someone typed it.
    std::optional<QString> commentAsText(LegacyTextDecoder& decoder) const;

    const char* m_bytes;
};
