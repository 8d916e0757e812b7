#pragma once

#include "Budget.h"
#include "DataFileCursor.h"
#include "DataFileFormat.h"
#include "DataFileValueReader.h"
#include "DataRoot.h"
#include "KeywordRule.h"
#include "RecurringRecord.h"
#include "SmartBook.h"
#include "TimeZoneTable.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

#include <optional>
#include <vector>

// Rebuilds a library from the payload of a data file. Trusts nothing: every
// count is checked against the bytes left before anything is allocated, every
// reference must name an object already read of the class its place allows,
// and anything else is refused with a message naming the place. A refused
// payload leaves nothing behind.
class DataFileDecoder {
    Q_DECLARE_TR_FUNCTIONS(DataFileDecoder)

public:
    // `fileOffset`: where the payload starts in the file, for messages;
    // `formatVersion`: the file's, which says what the payload may hold.
    explicit DataFileDecoder(QByteArrayView payload, qint64 fileOffset = 0,
                             quint32 formatVersion = DataFileFormat::version);

    ~DataFileDecoder();
    DataFileDecoder(const DataFileDecoder&) = delete;
    DataFileDecoder& operator=(const DataFileDecoder&) = delete;

    // The library, or null with errorString().
    DataRootPtr decode();
    QString errorString() const { return m_in.errorString(); }

private:
    using Tag = DataFileFormat::Tag;
    using ClassId = DataFileFormat::ClassId;
    struct Entry {
        quint32 index; // into the table of its kind
        ClassId classId;
        bool complete;
    };
    enum class BookKind { Plain, Smart, Any };

    ClassId readClass();
    const Entry& readReference();

    // Items.
    void readClassTable();
    DataRootPtr readRoot();
    BookPtr readBook(Tag tag, BookKind kind);
    BookPtr readNewBook(ClassId id);
    IOList readRecordList();
    // Reads a record's bytes into the batch; makeRecords() makes them.
    void readRecord();
    void makeRecords(IOList& into);
    KeywordList readKeywordList();
    // The numbers of a list's keywords in m_keywords, in m_keywordNumbers.
    const std::vector<std::size_t>& readKeywordNumbers();
    // Records' lists of up to three keywords by the keywords' numbers, in an
    // open-addressed table: one probe per record, most of them in the cache.
    // Records get uncounted copies of the list, `lent` counts them.
    struct SharedKeywords {
        quint64 key = 0; // 0: free
        KeywordSet keywords;
        std::uint64_t mask = 0;
        std::uint32_t lent = 0;
    };
    // A record as read, before it is made. Records are made a batch at a time
    // after their bytes are read, so that the shared lists and texts they
    // take are fetched from memory side by side, not one after another.
    struct ReadRecord {
        quint32 entry = 0;
        CalendarDate entered;
        QDate day;
        std::optional<Amount> amount;
        // Of a list shared through the table, or 0 for none or a list of its own.
        quint64 keywordKey = 0;
        KeywordSet ownKeywords;
        std::size_t comment = DataFileValueReader::noString;
        QString bankId;
        std::int8_t includeInStats = 0;
    };
    static constexpr std::size_t batchSize = 16;
    // Texts of records with a comment and no bank id, one per comment, lent
    // as the keyword lists are.
    struct SharedTexts {
        RecordTexts texts;
        std::uint32_t pairs = 0;
        std::uint32_t lent = 0;
    };
    // Records with the same list in the file share one.
    void readRecordKeywords(ReadRecord& read);
    KeywordList keywordsOfNumbers(const std::vector<std::size_t>& numbers) const;
    // The table's list of this key, made when it is not there yet.
    SharedKeywords& sharedKeywords(quint64 key);
    static constexpr int keyNumberBits = 20;
    static constexpr std::size_t keyNumberLimit = std::size_t(1) << keyNumberBits;
    KeywordPtr readKeyword(Tag tag) { return m_keywords[readKeywordNumber(tag)]; }
    // Where the keyword stands in m_keywords.
    std::size_t readKeywordNumber(Tag tag);
    SharedTexts& commentTexts(std::size_t stringNumber);
    // Counts the copies lent to records, all at once: before any record read may be let go of.
    void settleLent();
    // Settles when the scope it stands in is left by a failure.
    class LentSettler {
    public:
        explicit LentSettler(DataFileDecoder& decoder)
            : m_decoder(decoder) {}
        ~LentSettler();
        LentSettler(const LentSettler&) = delete;
        LentSettler& operator=(const LentSettler&) = delete;

    private:
        DataFileDecoder& m_decoder;
    };
    SortDescriptorList readSortDescriptors();
    ConditionPtr readCondition(Tag tag);
    ConditionPtr readNewCondition(ClassId id);
    ConditionOperand readOperand();
    KeywordRuleList readKeywordRules();
    KeywordRulePtr readKeywordRule();
    RecurringRecordList readRecurringRecords();
    RecurringRecordPtr readRecurringRecord();
    // A byte item no larger than `most`.
    quint8 readSmallByte(quint8 most, const QString& what);
    // A day, or an invalid date for Nil.
    QDate readOptionalDay();
    BudgetList readBudgets();
    BudgetPtr readBudget();
    // Whether a block of fields follows; it ends the object it stands after.
    bool fieldsFollow();
    // Reads the block's fields in order, each by `readField(number)`; a
    // number `readField` does not know (false) is refused.
    template <typename ReadField> void readFields(const char* owner, ReadField readField);
    static ConditionOperand decimalOfFloat(float number);

    quint32 addEntry(ClassId id, quint32 index);
    void enterNesting();
    [[noreturn]] void fail(const QString& what) { m_in.fail(what); }
    // What the user calls an object of the class: "a record", "a book", ...
    static QString itemName(ClassId id);

    DataFileCursor m_in;
    DataFileValueReader m_values;
    quint32 m_formatVersion;

    std::vector<ClassId> m_classes;
    std::vector<Entry> m_entries;
    // Where each record stands in the list it was read in, which owns it:
    // later places copy it from there. A list has room for all its records
    // before the first is read and is then handed whole to its book, and no
    // book reorders its list while the library is read, so these stay put.
    std::vector<const IOPtr*> m_records;
    std::vector<KeywordPtr> m_keywords;
    // Where a probe for the key starts.
    std::size_t slotOf(quint64 key) const;
    // Where the list of this key stands, or the free entry where it would.
    SharedKeywords& keywordSlot(quint64 key);
    SharedKeywords& shareKeywords(quint64 key, KeywordSet keywords);
    std::vector<SharedKeywords> m_keywordSets;
    std::size_t m_keywordSetCount = 0;
    std::vector<std::size_t> m_keywordNumbers;
    std::vector<ReadRecord> m_batch;
    std::vector<SharedTexts> m_commentTexts; // by text number
    std::vector<BookPtr> m_books;
    std::vector<SmartBookPtr> m_smartBooks;
    std::vector<ConditionPtr> m_conditions;
    std::vector<quint32> m_treeSizes; // by condition index
    // Nodes of the condition last read, counting shared ones once per place.
    quint32 m_lastTreeSize = 0;
    int m_nesting = 0;
    quint64 m_totalTreeNodes = 0;
};
