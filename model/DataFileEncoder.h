#pragma once

#include "Condition.h"
#include "DataFileFormat.h"
#include "DataRoot.h"
#include "TimeZoneTable.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <vector>

// Turns a whole library into the payload of a data file: every object at its
// first appearance, references after that, strings and zones stored once.
class DataFileEncoder {
public:
    // False, with errorString(), for a library the format cannot hold.
    bool encode(const DataRoot& root);
    const QByteArray& payload() const { return m_out; }
    QString errorString() const { return m_error; }

private:
    using Tag = DataFileFormat::Tag;
    using ClassId = DataFileFormat::ClassId;
    struct Failure {
        QString message;
    };

    void ensure(qsizetype extra);
    void putByte(quint8 byte) {
        ensure(1);
        m_data[m_size++] = char(byte);
    }
    void putTag(Tag tag) { putByte(quint8(tag)); }
    void putVarint(quint64 value);
    void putSigned(qint64 value) { putVarint((quint64(value) << 1) ^ quint64(value >> 63)); }
    void putBytes(const char* bytes, qsizetype count);

    void writeClassTable();
    void writeRoot(const DataRoot& root);
    void writeBook(const BookPtr& book, bool plainOnly);
    void writeBookBody(const Book& book);
    void writeRecordList(const IOList& records);
    void writeRecord(const IO& record);
    void writeKeyword(const KeywordPtr& keyword);
    void writeKeywordList(const KeywordList& keywords);
    void writeCondition(const ConditionPtr& condition);
    quint32 writeConditionBody(const Condition& condition);
    void writeOperand(const ConditionOperand& operand);
    void writeString(const QString& text);
    void writeDecimal(const Amount& value);
    void writeInteger(qint32 value);
    void writeDate(const CalendarDate& date);
    void writeDay(QDate day);
    void writeZone(TimeZoneTable::Index zone);

    // Writes a reference and returns false when `object` was written before;
    // otherwise numbers it and writes the object tag.
    bool beginObject(const void* object, ClassId id);
    void enterNesting();
    [[noreturn]] static void fail(const QString& message);

    QByteArray m_out;
    char* m_data = nullptr;
    qsizetype m_size = 0;
    QString m_error;

    quint32 m_objectCount = 0;
    // Object number + 1 by the record's registry slot; 0: not written yet.
    std::vector<quint32> m_recordNumbers;
    QHash<const void*, quint32> m_objectNumbers;
    QHash<QString, quint32> m_stringNumbers;
    // Zone number + 1 by the process's zone index; 0: not written yet.
    std::vector<quint32> m_zoneNumbers;
    quint32 m_zoneCount = 0;
    TimeZoneTable::Index m_dayZone = 0;

    int m_nesting = 0;
    QHash<const Condition*, quint32> m_treeSizes;
    quint64 m_totalTreeNodes = 0;
};
