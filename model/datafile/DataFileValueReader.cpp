#include "DataFileValueReader.h"

#include <algorithm>
#include <limits>

void DataFileValueReader::failUnknownTag(quint8 tag) {
    m_in.fail(tr("unknown item kind %1").arg(tag));
}

void DataFileValueReader::expect(Tag found, Tag wanted, const char* what) {
    if (found != wanted) {
        m_in.fail(tr("expected %1, found %2").arg(tr(what), tagName(quint8(found))));
    }
}

const QString& DataFileValueReader::readString(Tag tag) {
    static const QString none;
    const std::size_t number = readStringNumber(tag);
    return number == noString ? none : m_strings[number];
}

std::size_t DataFileValueReader::readStringNumber(Tag tag) {
    switch (tag) {
    case Tag::Nil:
        return noString;
    case Tag::StringRef: {
        const quint64 number = m_in.readVarint();
        if (number >= m_strings.size()) {
            m_in.fail(tr("reference to text %1, which has not been read").arg(number));
        }
        return std::size_t(number);
    }
    case Tag::String: {
        m_strings.emplace_back(QString::fromUtf8(m_in.readBytes(m_in.readCount(1))));
        return m_strings.size() - 1;
    }
    case Tag::StringUtf16: {
        const quint64 units = m_in.readCount(2);
        const auto* bytes = reinterpret_cast<const uchar*>(m_in.readBytes(units * 2).data());
        QString text(qsizetype(units), Qt::Uninitialized);
        char16_t* out = reinterpret_cast<char16_t*>(text.data());
        for (quint64 i = 0; i < units; ++i) {
            out[i] = char16_t(bytes[2 * i] | (bytes[2 * i + 1] << 8));
        }
        m_strings.emplace_back(std::move(text));
        return m_strings.size() - 1;
    }
    default:
        m_in.fail(tr("expected a text, found %1").arg(tagName(quint8(tag))));
    }
}

Amount DataFileValueReader::readDecimal(Tag tag) {
    expect(tag, Tag::Decimal, QT_TR_NOOP("a decimal number"));
    const qint64 mantissa = m_in.readSigned();
    const qint64 exponent = m_in.readSigned();
    const std::optional<Amount> value = exponent >= Amount::minExponent && exponent <= Amount::maxExponent
                                            ? Amount::fromParts(mantissa, int(exponent))
                                            : std::nullopt;
    if (!value) {
        m_in.fail(tr("the decimal number %1e%2 is out of range").arg(mantissa).arg(exponent));
    }
    return *value;
}

qint32 DataFileValueReader::readInteger() {
    const Amount value = readDecimal(readTag());
    qint64 integer = value.mantissa();
    bool fits = value.exponent() >= 0 && value.exponent() <= 9;
    for (int i = 0; fits && i < value.exponent(); ++i) {
        integer *= 10;
        fits = integer >= std::numeric_limits<qint32>::min() && integer <= std::numeric_limits<qint32>::max();
    }
    fits = fits && integer >= std::numeric_limits<qint32>::min() && integer <= std::numeric_limits<qint32>::max();
    if (!fits) {
        m_in.fail(tr("%1 is not a whole number of 32 bits").arg(value.toString()));
    }
    return qint32(integer);
}

CalendarDate DataFileValueReader::readDate() {
    const TimeZoneTable::Index zone = readZone();
    return CalendarDate(m_in.readSigned(), zone);
}

QDate DataFileValueReader::readDay(TimeZoneTable::Index* zone) {
    const TimeZoneTable::Index stored = readZone();
    if (zone) {
        *zone = stored;
    }
    const qint64 days = m_in.readSigned();
    // Days the model can keep: those whose Julian day fits 32 bits.
    constexpr qint64 lowest = std::numeric_limits<qint32>::min() + 1 - DataFileFormat::dayOrigin;
    constexpr qint64 highest = std::numeric_limits<qint32>::max() - DataFileFormat::dayOrigin;
    if (days < lowest || days > highest) {
        m_in.fail(tr("the day %1 is out of range").arg(days));
    }
    return QDate::fromJulianDay(days + DataFileFormat::dayOrigin);
}

TimeZoneTable::Index DataFileValueReader::readZone() {
    const quint64 number = m_in.readVarint();
    if (number > 0) {
        if (number > m_zones.size()) {
            m_in.fail(tr("reference to time zone %1, which has not been read").arg(number - 1));
        }
        return m_zones[std::size_t(number - 1)];
    }
    if (m_zones.size() >= 0xFFFF) {
        m_in.fail(tr("more time zones than kesh can hold"));
    }
    const QByteArrayView id = m_in.readBytes(m_in.readCount(1));
    if (!DataFileFormat::isZoneId(id)) {
        m_in.fail(tr("“%1” is not a time zone").arg(QString::fromLatin1(id.first(std::min<qsizetype>(id.size(), 64)))));
    }
    return m_zones.emplace_back(TimeZoneTable::intern(id.toByteArray()));
}

QString DataFileValueReader::tagName(quint8 tag) {
    switch (Tag(tag)) {
    case Tag::Nil:
        return tr("nothing");
    case Tag::ObjectRef:
        return tr("a reference");
    case Tag::Object:
        return tr("an object");
    case Tag::String:
    case Tag::StringUtf16:
    case Tag::StringRef:
        return tr("a text");
    case Tag::Decimal:
        return tr("a decimal number");
    case Tag::Float:
        return tr("a number");
    case Tag::Date:
    case Tag::Day:
        return tr("a date");
    case Tag::List:
        return tr("a list");
    case Tag::SortDescriptor:
        return tr("a sort descriptor");
    case Tag::Byte:
        return tr("a byte");
    case Tag::Fields:
        return tr("a block of fields");
    }
    return tr("item kind %1").arg(tag);
}
