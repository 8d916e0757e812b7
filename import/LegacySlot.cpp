#include "LegacySlot.h"

#include "LegacyTextDecoder.h"

#include <QtEndian>

#include <bit>

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

IOPtr LegacySlot::toRecord(LegacyTextDecoder& decoder, const CalendarDate& timeOfEntry) const {
    const std::optional<Amount> value = Amount::fromDouble(amount());
    if (!value) {
        return nullptr;
    }
    // Every field is set here, as the record initialiser would; the one moment
    // of the import spares a clock reading per record.
    IOPtr record = IO::createWithTimeOfEntry(timeOfEntry);
    record->setAmount(value);
    record->setDate(dayOfSeconds(seconds()));
    record->setKeywords(KeywordList());
    record->setComment(decoder.decode(commentBytes()));
    record->setIncludeInStats(include());
    return record;
}
