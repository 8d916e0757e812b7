#include "LegacySlot.h"

#include "LegacyTextDecoder.h"

#include <QtEndian>

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace {
// Control characters other than tab and line ends are never typed into a
// comment. Below 0x40 no byte of the encoding is the second of a pair, so
// the bytes can be tested one by one.
bool holdsControlCharacters(QByteArrayView bytes) {
    return std::any_of(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') || byte == 0x7F;
    });
}
} // namespace

std::uint32_t LegacySlot::seconds() const {
    return qFromBigEndian<quint32>(m_bytes + secondsOffset);
}

double LegacySlot::amount() const {
    return std::bit_cast<double>(qFromBigEndian<quint64>(m_bytes + amountOffset));
}

QByteArrayView LegacySlot::commentBytes() const {
    const auto length = static_cast<unsigned char>(m_bytes[commentOffset]);
    return QByteArrayView(m_bytes + commentOffset + 1, length);
}

QDate LegacySlot::dayOfSeconds(std::uint32_t seconds) {
    constexpr std::uint32_t secondsPerDay = 86'400;
    return QDate(1904, 1, 1).addDays(seconds / secondsPerDay);
}

LegacySlot::Oddity LegacySlot::judgeAmount(double amount) {
    if (!std::isfinite(amount)) {
        return Oddity::AmountNotANumber;
    }
    if (std::abs(amount) > largestAmount) {
        return Oddity::AmountTooLarge;
    }
    // Money has at most two decimals, but 12.34 is stored as the nearest
    // double: allowed is what storing and scaling by 100 can add, each at
    // most one epsilon of the value, with room to spare.
    const double cents = amount * 100.0;
    const double tolerance = 4.0 * std::numeric_limits<double>::epsilon() * std::abs(cents);
    return std::abs(cents - std::round(cents)) <= tolerance ? Oddity::None : Oddity::AmountTooPrecise;
}

bool LegacySlot::isMoneySized(double amount) {
    const double magnitude = std::abs(amount);
    return magnitude == 0.0 || (magnitude >= smallestMoney && magnitude <= largestMoney);
}

std::optional<QString> LegacySlot::commentAsText(LegacyTextDecoder& decoder) const {
    const QByteArrayView bytes = commentBytes();
    if (holdsControlCharacters(bytes)) {
        return std::nullopt;
    }
    // A comment of the most bytes there is room for may end in half a
    // character: the limit cut it there.
    const auto cutEnd =
        bytes.size() == maxCommentBytes ? LegacyTextDecoder::CutEnd::Dropped : LegacyTextDecoder::CutEnd::Refused;
    return decoder.decodeStrictly(bytes, cutEnd);
}

LegacySlot::Oddity LegacySlot::toRecord(LegacyTextDecoder& decoder, const CalendarDate& timeOfEntry, IOPtr* record,
                                        Layout* layout) const {
    const double value = amount();
    Oddity oddity = judgeAmount(value);
    const std::optional<Amount> kept = Amount::fromDouble(value);
    // The comment is read even without a record: the layout needs it.
    std::optional<QString> comment = (kept || layout) ? commentAsText(decoder) : std::nullopt;
    if (layout) {
        layout->commentIsText = comment.has_value();
        layout->amountIsMoneySized = isMoneySized(value);
    }
    if (!kept) {
        return Oddity::AmountNotANumber;
    }
    if (!comment) {
        comment = decoder.decodeLeniently(commentBytes());
        if (oddity == Oddity::None) {
            oddity = Oddity::CommentNotText;
        }
    }
    // Every field is set here, as the record initialiser would; the one moment
    // of the import spares a clock reading per record.
    IOPtr made = IO::createWithTimeOfEntry(timeOfEntry);
    made->setAmount(*kept);
    made->setDate(dayOfSeconds(seconds()));
    made->setKeywords(KeywordList());
    made->setComment(*comment);
    made->setIncludeInStats(include());
    *record = std::move(made);
    return oddity;
}
