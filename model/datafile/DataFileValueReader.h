#pragma once

#include "Amount.h"
#include "CalendarDate.h"
#include "DataFileCursor.h"
#include "DataFileFormat.h"
#include "TimeZoneTable.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>

#include <bit>
#include <vector>

// Reads the value items of a data file (texts, numbers, dates) and the tag
// that starts every item. Keeps the texts and time zones read so far, which
// later items refer back to.
class DataFileValueReader {
    Q_DECLARE_TR_FUNCTIONS(DataFileValueReader)

public:
    using Tag = DataFileFormat::Tag;

    explicit DataFileValueReader(DataFileCursor& in)
        : m_in(in) {}

    Tag readTag() {
        m_in.markItem();
        const quint8 tag = m_in.readByte();
        if (tag > DataFileFormat::lastTag) {
            failUnknownTag(tag);
        }
        return Tag(tag);
    }
    // Refuses an item of another kind than `wanted`; `what` names the wanted
    // one, marked with QT_TRANSLATE_NOOP("DataFileValueReader", ...).
    void expect(Tag found, Tag wanted, const char* what);

    // Valid until the next text is read.
    const QString& readString(Tag tag);
    // The text's number among the texts read so far (the same for every
    // reference to it), or noString for Nil.
    std::size_t readStringNumber(Tag tag);
    const QString& string(std::size_t number) const { return m_strings[number]; }
    static constexpr std::size_t noString = std::size_t(-1);
    Amount readDecimal(Tag tag);
    // A whole decimal number of 32 bits, tag included.
    qint32 readInteger();
    float readFloat() { return std::bit_cast<float>(m_in.readLittleEndian32()); }
    CalendarDate readDate();
    // A day, stored as midnight of it in `zone`.
    QDate readDay(TimeZoneTable::Index* zone = nullptr);

    std::size_t stringCount() const { return m_strings.size(); }
    void reserveStrings(std::size_t count) { m_strings.reserve(count); }
    static QString tagName(quint8 tag);

private:
    TimeZoneTable::Index readZone();
    [[noreturn]] void failUnknownTag(quint8 tag);

    DataFileCursor& m_in;
    std::vector<QString> m_strings;
    std::vector<TimeZoneTable::Index> m_zones;
};
