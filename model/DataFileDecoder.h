#pragma once

#include "DataFileFormat.h"
#include "DataRoot.h"
#include "SmartBook.h"
#include "TimeZoneTable.h"

#include <QByteArrayView>
#include <QString>

#include <vector>

// Rebuilds a library from the payload of a data file. Trusts nothing: every
// count is checked against the bytes left before anything is allocated, every
// reference must name an object already read of the class its place allows,
// and anything else is refused with a message naming the place. A refused
// payload leaves nothing behind.
class DataFileDecoder {
public:
    // `fileOffset`: where the payload starts in the file, for messages.
    explicit DataFileDecoder(QByteArrayView payload, qint64 fileOffset = 0);

    // The library, or null with errorString().
    DataRootPtr decode();
    QString errorString() const { return m_error; }

private:
    using Tag = DataFileFormat::Tag;
    using ClassId = DataFileFormat::ClassId;
    struct Failure {};
    struct Entry {
        quint32 index; // into the table of its kind
        ClassId classId;
        bool complete;
    };
    // Where in the object graph reading is, for messages.
    struct Frame {
        const char* item;
        qint64 element;
    };
    enum class BookKind { Plain, Smart, Any };

    // Bytes.
    qsizetype remaining() const { return m_end - m_pos; }
    quint8 readByte();
    quint64 readVarint();
    qint64 readSigned();
    quint64 readCount(qsizetype minimumItemSize);
    Tag readTag();
    ClassId readClass();
    const Entry& readReference();

    // Items.
    void readClassTable();
    DataRootPtr readRoot();
    BookPtr readBook(Tag tag, BookKind kind);
    BookPtr readNewBook(ClassId id);
    IOList readRecordList();
    IOPtr readRecord();
    KeywordList readKeywordList();
    KeywordPtr readKeyword(Tag tag);
    SortDescriptorList readSortDescriptors();
    ConditionPtr readCondition(Tag tag);
    ConditionPtr readNewCondition(ClassId id);
    ConditionOperand readOperand();
    // Valid until the next text is read.
    const QString& readString(Tag tag);
    Amount readDecimal(Tag tag);
    qint32 readInteger();
    CalendarDate readDate();
    QDate readDay(TimeZoneTable::Index* zone = nullptr);
    TimeZoneTable::Index readZone();

    quint32 addEntry(ClassId id, quint32 index);
    void enterNesting();
    void expect(Tag found, Tag wanted, const char* what);
    void pushFrame(const char* item) { m_path.push_back({item, -1}); }
    void setItem(const char* item) { m_path.back() = {item, -1}; }
    void popFrame() { m_path.pop_back(); }
    [[noreturn]] void fail(const QString& what);
    QString pathText() const;
    static QString tagName(quint8 tag);
    static QString className(ClassId id);

    const uchar* m_begin;
    const uchar* m_pos;
    const uchar* m_end;
    qint64 m_fileOffset;
    const uchar* m_itemStart = nullptr;
    QString m_error;

    std::vector<ClassId> m_classes;
    std::vector<Entry> m_entries;
    // Each record's first owner is the list it first stands in.
    std::vector<IO*> m_records;
    std::vector<KeywordPtr> m_keywords;
    std::vector<BookPtr> m_books;
    std::vector<SmartBookPtr> m_smartBooks;
    std::vector<ConditionPtr> m_conditions;
    std::vector<quint32> m_treeSizes; // by condition index
    std::vector<QString> m_strings;
    std::vector<TimeZoneTable::Index> m_zones;
    std::vector<Frame> m_path;
    // Nodes of the condition last read, counting shared ones once per place.
    quint32 m_lastTreeSize = 0;
    int m_nesting = 0;
    quint64 m_totalTreeNodes = 0;
};
