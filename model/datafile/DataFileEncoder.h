#pragma once

#include "Condition.h"
#include "Crc32.h"
#include "DataFileFormat.h"
#include "DataRoot.h"
#include "RecurringRecord.h"
#include "TimeZoneTable.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QPair>
#include <QSet>
#include <QString>

#include <functional>

#include <vector>

// Turns a whole library into the payload of a data file: every object at its
// first appearance, references after that, strings and zones stored once.
class DataFileEncoder {
    Q_DECLARE_TR_FUNCTIONS(DataFileEncoder)

public:
    // Takes the payload piece by piece; false stops the encoding.
    using Sink = std::function<bool(QByteArrayView piece)>;

    // Hands the payload to `sink` in pieces of about `pieceSize` bytes, so that
    // a large library never sits in memory twice. False, with errorString(),
    // for a library the format cannot hold or when the sink refuses a piece.
    bool encode(const DataRoot& root, const Sink& sink, qsizetype pieceSize = 1 << 20);
    // The whole payload at once.
    bool encode(const DataRoot& root);
    const QByteArray& payload() const { return m_whole; }

    quint64 payloadSize() const { return m_payloadSize; }
    quint32 payloadCrc() const { return m_crc.value(); }
    QString errorString() const { return m_error; }

private:
    using Tag = DataFileFormat::Tag;
    using ClassId = DataFileFormat::ClassId;
    struct Failure {
        QString message;
    };

    void ensure(qsizetype extra) {
        if (m_size + extra > m_out.size()) {
            makeRoom(extra);
        }
    }
    void makeRoom(qsizetype extra);
    void drain();
    void putByte(quint8 byte) {
        ensure(1);
        m_data[m_size++] = char(byte);
    }
    void putTag(Tag tag) { putByte(quint8(tag)); }
    void putVarint(quint64 value) {
        ensure(10);
        while (value >= 0x80) {
            m_data[m_size++] = char(quint8(value) | 0x80);
            value >>= 7;
        }
        m_data[m_size++] = char(value);
    }
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
    void writeKeywordRule(const KeywordRule& rule);
    void writeRecurringRecord(const RecurringRecord& record);
    // A day, or Nil for none.
    void writeOptionalDay(QDate day);
    void writeBudget(const Budget& budget);
    // Opens a block of `count` fields; each then writes its number and item.
    void beginFields(quint64 count);
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

    // The piece being filled.
    QByteArray m_out;
    char* m_data = nullptr;
    qsizetype m_size = 0;
    const Sink* m_sink = nullptr;
    quint64 m_payloadSize = 0;
    Crc32 m_crc;
    QByteArray m_whole;
    QString m_error;

    quint32 m_objectCount = 0;
    // Object number + 1 by the record's registry slot; 0: not written yet.
    std::vector<quint32> m_recordNumbers;
    QHash<const void*, quint32> m_objectNumbers;
    QHash<QString, quint32> m_stringNumbers;
    // Equal comments share their characters; the address finds them without
    // hashing the text. Every string written stays alive until the end.
    QHash<QPair<const QChar*, qsizetype>, quint32> m_stringsByAddress;
    // Zone number + 1 by the process's zone index; 0: not written yet.
    std::vector<quint32> m_zoneNumbers;
    quint32 m_zoneCount = 0;
    TimeZoneTable::Index m_dayZone = 0;

    // The books the library holds; others are only named by conditions.
    QSet<const Book*> m_libraryBooks;
    int m_nesting = 0;
    QHash<const Condition*, quint32> m_treeSizes;
    quint64 m_totalTreeNodes = 0;
};
