#include "DataFileDecoder.h"

#include "AmountCondition.h"
#include "AndConditions.h"
#include "BookCondition.h"
#include "CommentCondition.h"
#include "DateCondition.h"
#include "KeywordCondition.h"
#include "OrConditions.h"

#include <array>
#include <charconv>
#include <cmath>
#include <exception>

#include <QTimeZone>

#include <algorithm>
#include <utility>

namespace {

// Tables start no larger than the bytes could describe, however large the
// counts in the file claim to be.
std::size_t boundedReserve(quint64 claimed, qsizetype bytes, qsizetype bytesPerItem) {
    return std::size_t(std::min<quint64>(claimed, quint64(bytes / bytesPerItem)));
}

} // namespace

DataFileDecoder::DataFileDecoder(QByteArrayView payload, qint64 fileOffset, quint32 formatVersion)
    : m_in(payload, fileOffset)
    , m_values(m_in)
    , m_formatVersion(formatVersion) {}

DataFileDecoder::~DataFileDecoder() {
    // However the read ended: records still held must not take their lists with them.
    settleLent();
}

DataRootPtr DataFileDecoder::decode() {
    try {
        // The counts close the payload.
        const QByteArrayView counts = m_in.takeTail(8);
        const quint32 objectCount = DataFileFormat::littleEndian32(counts.data());
        const quint32 stringCount = DataFileFormat::littleEndian32(counts.data() + 4);
        readClassTable();
        m_in.markItem();
        m_entries.reserve(boundedReserve(objectCount, m_in.remaining(), 2));
        // A record takes at least ten bytes.
        m_records.reserve(boundedReserve(objectCount, m_in.remaining(), 10));
        m_values.reserveStrings(boundedReserve(stringCount, m_in.remaining(), 2));

        DataRootPtr root = readRoot();
        m_in.markItem();
        if (m_in.remaining() > 0) {
            fail(tr("%n byte(s) follow the end of the library", nullptr,
                    int(std::min<qsizetype>(m_in.remaining(), 1 << 30))));
        }
        if (m_entries.size() != objectCount || m_values.stringCount() != stringCount) {
            fail(tr("the library holds %1 objects and %2 texts, not %3 and %4 as announced")
                     .arg(m_entries.size())
                     .arg(m_values.stringCount())
                     .arg(objectCount)
                     .arg(stringCount));
        }
        settleLent();
        return root;
    } catch (const DataFileCursor::Failure&) {
        settleLent();
        // Trees may name their own book; let go of them so the rings are freed.
        SmartBook::releaseTrees(m_smartBooks);
        m_smartBooks.clear();
        m_books.clear();
        m_conditions.clear();
        m_records.clear();
        m_keywordSets.clear();
        m_commentTexts.clear();
        m_keywords.clear();
        return nullptr;
    }
}

// Bytes ------------------------------------------------------------------

DataFileFormat::ClassId DataFileDecoder::readClass() {
    const quint64 index = m_in.readVarint();
    if (index >= m_classes.size()) {
        fail(tr("class number %1 is not in the class table").arg(index));
    }
    return m_classes[std::size_t(index)];
}

const DataFileDecoder::Entry& DataFileDecoder::readReference() {
    const quint64 number = m_in.readVarint();
    if (number >= m_entries.size()) {
        fail(tr("reference to object %1, which has not been read").arg(number));
    }
    return m_entries[std::size_t(number)];
}

quint32 DataFileDecoder::addEntry(ClassId id, quint32 index) {
    m_entries.push_back({index, id, false});
    return quint32(m_entries.size() - 1);
}

void DataFileDecoder::enterNesting() {
    if (++m_nesting > DataFileFormat::maxNesting) {
        fail(tr("books and conditions nest deeper than %1 levels").arg(DataFileFormat::maxNesting));
    }
}

// Items -------------------------------------------------------------------

void DataFileDecoder::readClassTable() {
    m_in.enter("class table");
    m_in.markItem();
    const quint64 count = m_in.readCount(2);
    if (count > 64) {
        fail(tr("the class table holds %1 classes").arg(count));
    }
    std::vector<bool> seen(DataFileFormat::classCount, false);
    for (quint64 i = 0; i < count; ++i) {
        m_in.setElement(qint64(i));
        m_in.markItem();
        const quint64 length = m_in.readCount(1);
        if (length > 64) {
            fail(tr("a class name of %1 bytes").arg(length));
        }
        const QByteArrayView bytes = m_in.readBytes(length);
        const std::string_view name(bytes.data(), std::size_t(bytes.size()));
        const auto found = std::find(DataFileFormat::classNames.begin(), DataFileFormat::classNames.end(), name);
        const QString shownName = QString::fromUtf8(name.data(), qsizetype(name.size()));
        if (found == DataFileFormat::classNames.end()) {
            fail(tr("unknown class “%1”").arg(shownName));
        }
        const auto id = std::size_t(found - DataFileFormat::classNames.begin());
        if (seen[id]) {
            fail(tr("class “%1” is listed twice").arg(shownName));
        }
        seen[id] = true;
        const quint64 version = m_in.readVarint();
        if (version != DataFileFormat::classVersion) {
            fail(tr("class “%1” has version %2, which this kesh cannot read").arg(shownName).arg(version));
        }
        m_classes.push_back(ClassId(id));
    }
    m_in.leave();
}

DataRootPtr DataFileDecoder::readRoot() {
    m_in.enter("library");
    const Tag tag = m_values.readTag();
    m_values.expect(tag, Tag::Object, QT_TRANSLATE_NOOP("DataFileValueReader", "the library object"));
    const ClassId id = readClass();
    if (id != ClassId::DataRoot) {
        fail(tr("expected the library object, found %1").arg(itemName(id)));
    }
    addEntry(ClassId::DataRoot, 0);
    DataRootPtr root = DataRoot::create();

    m_in.item("KeshVersion");
    root->setKeshVersion(m_values.readDecimal(m_values.readTag()));

    m_in.item("mainLibrary");
    root->setMainLibrary(readBook(m_values.readTag(), BookKind::Plain));

    m_in.item("dumbBooks");
    m_values.expect(m_values.readTag(), Tag::List, QT_TRANSLATE_NOOP("DataFileValueReader", "a list of books"));
    std::vector<BookPtr> dumbBooks(m_in.readCount(2));
    for (std::size_t i = 0; i < dumbBooks.size(); ++i) {
        m_in.setElement(qint64(i));
        dumbBooks[i] = readBook(m_values.readTag(), BookKind::Plain);
    }
    root->setDumbBooks(std::move(dumbBooks));

    m_in.item("smartBooks");
    m_values.expect(m_values.readTag(), Tag::List, QT_TRANSLATE_NOOP("DataFileValueReader", "a list of smart books"));
    std::vector<SmartBookPtr> smartBooks(m_in.readCount(2));
    for (std::size_t i = 0; i < smartBooks.size(); ++i) {
        m_in.setElement(qint64(i));
        smartBooks[i] = std::static_pointer_cast<SmartBook>(readBook(m_values.readTag(), BookKind::Smart));
    }
    root->setSmartBooks(std::move(smartBooks));

    m_in.item("keywords");
    root->setKeywords(readKeywordList());
    if (fieldsFollow()) {
        readFields("library", [&](quint64 number) {
            switch (DataFileFormat::RootField(number)) {
            case DataFileFormat::RootField::KeywordRules:
                m_in.item("keywordRules");
                root->setKeywordRules(readKeywordRules());
                return true;
            case DataFileFormat::RootField::RecurringRecords:
                m_in.item("recurringRecords");
                root->setRecurringRecords(readRecurringRecords());
                return true;
            case DataFileFormat::RootField::Budgets:
                m_in.item("budgets");
                root->setBudgets(readBudgets());
                return true;
            }
            return false;
        });
    }
    m_entries[0].complete = true;
    m_in.leave();
    return root;
}

BookPtr DataFileDecoder::readBook(Tag tag, BookKind kind) {
    ClassId id = ClassId::Book;
    const bool isReference = tag == Tag::ObjectRef;
    const Entry* entry = nullptr;
    if (isReference) {
        entry = &readReference();
        id = entry->classId;
    } else if (tag == Tag::Object) {
        id = readClass();
    } else {
        fail(tr("expected a book, found %1").arg(DataFileValueReader::tagName(quint8(tag))));
    }
    const bool fits = kind == BookKind::Any ? DataFileFormat::isBook(id)
                                            : id == (kind == BookKind::Smart ? ClassId::SmartBook : ClassId::Book);
    if (!fits) {
        fail(tr("expected %1, found %2")
                 .arg(itemName(kind == BookKind::Smart ? ClassId::SmartBook : ClassId::Book), itemName(id)));
    }
    // A book may be named from inside its own conditions before it is complete.
    return isReference ? m_books[entry->index] : readNewBook(id);
}

BookPtr DataFileDecoder::readNewBook(ClassId id) {
    BookPtr book;
    SmartBookPtr smart;
    if (id == ClassId::SmartBook) {
        smart = SmartBook::create();
        m_smartBooks.push_back(smart);
        book = smart;
    } else {
        book = Book::create();
    }
    const quint32 number = addEntry(id, quint32(m_books.size()));
    m_books.push_back(book);
    enterNesting();

    m_in.enter("records");
    book->setRecords(readRecordList());
    m_in.item("bookName");
    book->setBookName(m_values.readString(m_values.readTag()));
    m_in.item("sortDescriptors");
    book->setSortDescriptors(readSortDescriptors());
    if (smart) {
        m_in.item("conditions");
        smart->setConditions(readCondition(m_values.readTag()));
    }
    m_in.leave();

    --m_nesting;
    m_entries[number].complete = true;
    return book;
}

IOList DataFileDecoder::readRecordList() {
    m_values.expect(m_values.readTag(), Tag::List, QT_TRANSLATE_NOOP("DataFileValueReader", "a list of records"));
    const quint64 count = m_in.readCount(2);
    IOList records;
    records.reserve(std::size_t(count));
    // Should reading fail, the lists and texts lent to the records made so far
    // are counted before this list lets go of them (it goes first).
    const LentSettler settler(*this);
    // By index: reading a record adds frames, which may move the others.
    const std::size_t frame = m_in.frame();
    for (quint64 i = 0; i < count; ++i) {
        m_in.setElement(frame, qint64(i));
        const Tag tag = m_values.readTag();
        if (tag == Tag::ObjectRef) {
            // The record named may still wait in the batch.
            makeRecords(records);
            const Entry& entry = readReference();
            if (entry.classId != ClassId::IO) {
                fail(tr("expected a record, found %1").arg(itemName(entry.classId)));
            }
            // A later place of a record (a plain book) shares the record read first.
            records.push_back(*m_records[entry.index]);
            continue;
        }
        m_values.expect(tag, Tag::Object, QT_TRANSLATE_NOOP("DataFileValueReader", "a record"));
        const ClassId id = readClass();
        if (id != ClassId::IO) {
            fail(tr("expected a record, found %1").arg(itemName(id)));
        }
        readRecord();
        if (m_batch.size() == batchSize) {
            makeRecords(records);
        }
    }
    makeRecords(records);
    return records;
}

void DataFileDecoder::readRecord() {
    const auto index = quint32(m_records.size() + m_batch.size());
    ReadRecord& read = m_batch.emplace_back();
    read.entry = addEntry(ClassId::IO, index);
    m_in.enter("timeOfEntry");

    Tag tag = m_values.readTag();
    if (tag != Tag::Nil) {
        m_values.expect(tag, Tag::Date, QT_TRANSLATE_NOOP("DataFileValueReader", "a date"));
        read.entered = m_values.readDate();
    }

    m_in.item("date");
    tag = m_values.readTag();
    if (tag == Tag::Day) {
        read.day = m_values.readDay();
    } else if (tag == Tag::Date) {
        // The day the date shows in its own zone.
        read.day = m_values.readDate().day();
    } else if (tag != Tag::Nil) {
        fail(tr("expected a date, found %1").arg(DataFileValueReader::tagName(quint8(tag))));
    }

    m_in.item("amount");
    tag = m_values.readTag();
    if (tag != Tag::Nil) {
        read.amount = m_values.readDecimal(tag);
    }

    m_in.item("keywords");
    readRecordKeywords(read);

    m_in.item("comment");
    read.comment = m_values.readStringNumber(m_values.readTag());

    m_in.item("includeInStats");
    m_values.expect(m_values.readTag(), Tag::Byte, QT_TRANSLATE_NOOP("DataFileValueReader", "a byte"));
    read.includeInStats = std::int8_t(m_in.readByte());

    if (fieldsFollow()) {
        readFields("record", [&](quint64 number) {
            switch (DataFileFormat::RecordField(number)) {
            case DataFileFormat::RecordField::BankId: {
                m_in.item("bankId");
                // Only a record with an id has the field.
                read.bankId = m_values.readString(m_values.readTag());
                if (read.bankId.isEmpty()) {
                    fail(tr("an empty bank id"));
                }
                return true;
            }
            }
            return false;
        });
    }
    m_in.leave();
}

void DataFileDecoder::makeRecords(IOList& into) {
    // Nothing here can fail, so nothing lent is let go of uncounted.
    for (ReadRecord& read : m_batch) {
        IOPtr made = IO::createWithTimeOfEntry(read.entered);
        IO& record = *made;
        if (read.day.isValid()) {
            record.setDate(read.day);
        }
        if (read.amount) {
            record.setAmount(read.amount);
        }
        record.setIncludeInStats(read.includeInStats);

        RecordTexts texts;
        std::uint32_t pairs = 0;
        if (!read.bankId.isEmpty()) {
            texts = RecordTexts(
                read.comment == DataFileValueReader::noString ? QString() : m_values.string(read.comment), read.bankId);
            pairs = texts.commentPairMask();
        } else if (read.comment != DataFileValueReader::noString) {
            SharedTexts& shared = commentTexts(read.comment);
            ++shared.lent;
            texts = shared.texts.uncountedCopy();
            pairs = shared.pairs;
        }
        KeywordSet keywords;
        std::uint64_t mask = 0;
        if (read.keywordKey != 0) {
            SharedKeywords& shared = sharedKeywords(read.keywordKey);
            ++shared.lent;
            keywords = shared.keywords.uncountedCopy();
            mask = shared.mask;
        } else {
            mask = read.ownKeywords.mask();
            keywords = std::move(read.ownKeywords);
        }
        record.setReadParts(std::move(keywords), mask, std::move(texts), pairs);

        m_entries[read.entry].complete = true;
        into.push_back(std::move(made));
        m_records.push_back(&into.back());
    }
    m_batch.clear();
}

KeywordList DataFileDecoder::readKeywordList() {
    return keywordsOfNumbers(readKeywordNumbers());
}

const std::vector<std::size_t>& DataFileDecoder::readKeywordNumbers() {
    m_values.expect(m_values.readTag(), Tag::List, QT_TRANSLATE_NOOP("DataFileValueReader", "a list of keywords"));
    const quint64 count = m_in.readCount(2);
    m_keywordNumbers.clear();
    for (quint64 i = 0; i < count; ++i) {
        m_in.setElement(qint64(i));
        const Tag tag = m_values.readTag();
        if (tag == Tag::Nil) {
            fail(tr("expected a keyword, found nothing"));
        }
        m_keywordNumbers.push_back(readKeywordNumber(tag));
    }
    return m_keywordNumbers;
}

void DataFileDecoder::readRecordKeywords(ReadRecord& read) {
    const std::size_t count = readKeywordNumbers().size();
    if (count == 0) {
        return;
    }
    // Up to three numbers below 2^20 and the count make the key; longer
    // lists are rare and each keeps its own.
    if (count <= 3 && std::all_of(m_keywordNumbers.begin(), m_keywordNumbers.end(),
                                  [](std::size_t number) { return number < keyNumberLimit; })) {
        quint64 key = count;
        for (std::size_t i = 0; i < m_keywordNumbers.size(); ++i) {
            key |= quint64(m_keywordNumbers[i]) << (2 + keyNumberBits * i);
        }
        read.keywordKey = key;
        // Looked up when the batch is made: by then the line is here.
        if (!m_keywordSets.empty()) {
            __builtin_prefetch(&m_keywordSets[slotOf(key)]);
        }
        return;
    }
    read.ownKeywords = KeywordSet(keywordsOfNumbers(m_keywordNumbers));
}

KeywordList DataFileDecoder::keywordsOfNumbers(const std::vector<std::size_t>& numbers) const {
    KeywordList keywords;
    keywords.reserve(numbers.size());
    for (const std::size_t number : numbers) {
        keywords.push_back(m_keywords[number]);
    }
    return keywords;
}

DataFileDecoder::SharedKeywords& DataFileDecoder::sharedKeywords(quint64 key) {
    if (!m_keywordSets.empty()) {
        if (SharedKeywords& entry = keywordSlot(key); entry.key == key) {
            return entry;
        }
    }
    m_keywordNumbers.clear();
    for (quint64 i = 0; i < (key & 3); ++i) {
        m_keywordNumbers.push_back(std::size_t(key >> (2 + keyNumberBits * i)) & (keyNumberLimit - 1));
    }
    return shareKeywords(key, KeywordSet(keywordsOfNumbers(m_keywordNumbers)));
}

std::size_t DataFileDecoder::readKeywordNumber(Tag tag) {
    if (tag == Tag::ObjectRef) {
        const Entry& entry = readReference();
        if (entry.classId != ClassId::Keyword) {
            fail(tr("expected a keyword, found %1").arg(itemName(entry.classId)));
        }
        return entry.index;
    }
    m_values.expect(tag, Tag::Object, QT_TRANSLATE_NOOP("DataFileValueReader", "a keyword"));
    const ClassId id = readClass();
    if (id != ClassId::Keyword) {
        fail(tr("expected a keyword, found %1").arg(itemName(id)));
    }
    const std::size_t index = m_keywords.size();
    const quint32 number = addEntry(ClassId::Keyword, quint32(index));
    const KeywordPtr& keyword = m_keywords.emplace_back(Keyword::create());
    m_in.enter("name");
    keyword->setName(m_values.readString(m_values.readTag()));
    m_in.leave();
    m_entries[number].complete = true;
    return index;
}

std::size_t DataFileDecoder::slotOf(quint64 key) const {
    return std::size_t((key * 0x9E3779B97F4A7C15ULL) >> 20) & (m_keywordSets.size() - 1);
}

DataFileDecoder::SharedKeywords& DataFileDecoder::keywordSlot(quint64 key) {
    const std::size_t mask = m_keywordSets.size() - 1;
    for (std::size_t at = slotOf(key);; at = (at + 1) & mask) {
        SharedKeywords& entry = m_keywordSets[at];
        if (entry.key == key || entry.key == 0) {
            return entry;
        }
    }
}

DataFileDecoder::SharedKeywords& DataFileDecoder::shareKeywords(quint64 key, KeywordSet keywords) {
    // Kept at most half full, so that a probe ends soon.
    if ((m_keywordSetCount + 1) * 2 > m_keywordSets.size()) {
        std::vector<SharedKeywords> old(std::max<std::size_t>(1024, m_keywordSets.size() * 2));
        old.swap(m_keywordSets);
        for (SharedKeywords& entry : old) {
            if (entry.key != 0) {
                keywordSlot(entry.key) = std::move(entry);
            }
        }
    }
    SharedKeywords& entry = keywordSlot(key);
    if (entry.key == 0) {
        entry.key = key;
        entry.mask = keywords.mask();
        entry.keywords = std::move(keywords);
        ++m_keywordSetCount;
    }
    return entry;
}

DataFileDecoder::SharedTexts& DataFileDecoder::commentTexts(std::size_t stringNumber) {
    if (stringNumber >= m_commentTexts.size()) {
        m_commentTexts.resize(std::max(stringNumber + 1, m_values.stringCount()));
    }
    SharedTexts& shared = m_commentTexts[stringNumber];
    // Told without reaching the texts themselves, which may be far in memory.
    if (shared.texts.isNone()) {
        shared.texts = RecordTexts(m_values.string(stringNumber), QString());
        shared.pairs = shared.texts.commentPairMask();
    }
    return shared;
}

DataFileDecoder::LentSettler::~LentSettler() {
    if (std::uncaught_exceptions() > 0) {
        m_decoder.settleLent();
    }
}

void DataFileDecoder::settleLent() {
    for (SharedKeywords& entry : m_keywordSets) {
        entry.keywords.countCopies(std::exchange(entry.lent, 0));
    }
    for (SharedTexts& shared : m_commentTexts) {
        shared.texts.countCopies(std::exchange(shared.lent, 0));
    }
}

SortDescriptorList DataFileDecoder::readSortDescriptors() {
    m_values.expect(m_values.readTag(), Tag::List,
                    QT_TRANSLATE_NOOP("DataFileValueReader", "a list of sort descriptors"));
    const quint64 count = m_in.readCount(4);
    SortDescriptorList descriptors;
    descriptors.reserve(qsizetype(count));
    for (quint64 i = 0; i < count; ++i) {
        m_in.setElement(qint64(i));
        m_values.expect(m_values.readTag(), Tag::SortDescriptor,
                        QT_TRANSLATE_NOOP("DataFileValueReader", "a sort descriptor"));
        SortDescriptor descriptor;
        descriptor.key = m_values.readString(m_values.readTag());
        const quint8 ascending = m_in.readByte();
        if (ascending > 1) {
            fail(tr("a sort direction of %1").arg(ascending));
        }
        descriptor.ascending = ascending == 1;
        descriptor.selector = m_values.readString(m_values.readTag());
        descriptors.append(descriptor);
    }
    return descriptors;
}

ConditionPtr DataFileDecoder::readCondition(Tag tag) {
    if (tag == Tag::Nil) {
        return nullptr;
    }
    if (tag == Tag::ObjectRef) {
        const Entry& entry = readReference();
        if (!DataFileFormat::isCondition(entry.classId)) {
            fail(tr("expected a condition, found %1").arg(itemName(entry.classId)));
        }
        if (!entry.complete) {
            fail(tr("a condition contains itself"));
        }
        m_lastTreeSize = m_treeSizes[entry.index];
        return m_conditions[entry.index];
    }
    m_values.expect(tag, Tag::Object, QT_TRANSLATE_NOOP("DataFileValueReader", "a condition"));
    const ClassId id = readClass();
    if (!DataFileFormat::isCondition(id)) {
        fail(tr("expected a condition, found %1").arg(itemName(id)));
    }
    return readNewCondition(id);
}

ConditionPtr DataFileDecoder::readNewCondition(ClassId id) {
    ConditionPtr condition;
    switch (id) {
    case ClassId::OrConditions:
        condition = OrConditions::create();
        break;
    case ClassId::AndConditions:
        condition = AndConditions::create();
        break;
    case ClassId::AmountCondition:
        condition = AmountCondition::create();
        break;
    case ClassId::DateCondition:
        condition = DateCondition::create();
        break;
    case ClassId::BookCondition:
        condition = BookCondition::create();
        break;
    case ClassId::KeywordCondition:
        condition = KeywordCondition::create();
        break;
    case ClassId::CommentCondition:
        condition = CommentCondition::create();
        break;
    default:
        condition = Condition::create();
        break;
    }
    const auto index = quint32(m_conditions.size());
    const quint32 number = addEntry(id, index);
    m_conditions.push_back(condition);
    m_treeSizes.push_back(1);
    enterNesting();

    m_in.enter("conditionTypeCode");
    condition->setConditionTypeCode(m_values.readInteger());
    m_in.item("object");
    condition->setObject(readOperand());
    m_in.item("object2");
    condition->setObject2(readOperand());

    quint32 size = 1;
    if (id == ClassId::DateCondition) {
        m_in.item("periodID");
        static_cast<DateCondition&>(*condition).setPeriodID(m_values.readInteger());
    } else if (id == ClassId::AndConditions || id == ClassId::OrConditions) {
        m_in.item("conditions");
        m_values.expect(m_values.readTag(), Tag::List,
                        QT_TRANSLATE_NOOP("DataFileValueReader", "a list of conditions"));
        ConditionList children(m_in.readCount(2));
        for (std::size_t i = 0; i < children.size(); ++i) {
            m_in.setElement(qint64(i));
            const Tag tag = m_values.readTag();
            if (tag == Tag::Nil) {
                fail(tr("expected a condition, found nothing"));
            }
            children[i] = readCondition(tag);
            size = std::min<quint32>(size + m_lastTreeSize, DataFileFormat::maxTreeNodes + 1);
        }
        m_totalTreeNodes += size;
        if (size > DataFileFormat::maxTreeNodes) {
            fail(tr("a condition tree of more than %1 parts").arg(DataFileFormat::maxTreeNodes));
        }
        if (m_totalTreeNodes > DataFileFormat::maxTotalTreeNodes) {
            fail(tr("conditions of more than %1 parts in all").arg(DataFileFormat::maxTotalTreeNodes));
        }
        static_cast<ConditionGroup&>(*condition).setChildren(std::move(children));
    }
    m_in.leave();

    --m_nesting;
    m_treeSizes[index] = size;
    m_lastTreeSize = size;
    m_entries[number].complete = true;
    return condition;
}

ConditionOperand DataFileDecoder::readOperand() {
    const Tag tag = m_values.readTag();
    switch (tag) {
    case Tag::Nil:
        return std::monostate();
    case Tag::Float:
        return decimalOfFloat(m_values.readFloat());
    case Tag::Decimal:
        return m_values.readDecimal(tag);
    case Tag::Date:
        return m_values.readDate();
    case Tag::Day: {
        // Midnight of that day in its zone.
        TimeZoneTable::Index zone = 0;
        const QDateTime midnight = m_values.readDay(&zone).startOfDay(TimeZoneTable::zone(zone));
        return midnight.isValid() ? CalendarDate(midnight.toMSecsSinceEpoch(), zone) : CalendarDate();
    }
    case Tag::String:
    case Tag::StringUtf16:
    case Tag::StringRef:
        return m_values.readString(tag);
    case Tag::Object:
    case Tag::ObjectRef: {
        const uchar* start = m_in.position();
        const ClassId id = tag == Tag::Object ? readClass() : readReference().classId;
        m_in.rewind(start);
        if (id == ClassId::Keyword) {
            return readKeyword(tag);
        }
        if (DataFileFormat::isBook(id)) {
            return readBook(tag, BookKind::Any);
        }
        fail(tr("a condition cannot compare with %1").arg(itemName(id)));
    }
    default:
        fail(tr("a condition cannot compare with %1").arg(DataFileValueReader::tagName(quint8(tag))));
    }
}

ConditionOperand DataFileDecoder::decimalOfFloat(float number) {
    // Files of data format 1 kept bounds and counts in single precision. The
    // shortest decimal that reads back as the same float is what was typed
    // (0.1f gives 0.1, not 0.100000001490116); what has no decimal is no operand.
    if (!std::isfinite(number)) {
        return std::monostate();
    }
    std::array<char, 64> digits{};
    const auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc()) {
        return std::monostate();
    }
    const QString text = QString::fromLatin1(digits.data(), end - digits.data());
    if (const std::optional<Amount> decimal = Amount::fromString(text)) {
        return *decimal;
    }
    return std::monostate();
}

// Fields ------------------------------------------------------------------

bool DataFileDecoder::fieldsFollow() {
    if (m_formatVersion < DataFileFormat::firstVersionWithFields || m_in.remaining() == 0) {
        return false;
    }
    return *m_in.position() == quint8(Tag::Fields);
}

template <typename ReadField> void DataFileDecoder::readFields(const char* owner, ReadField readField) {
    m_values.readTag();
    m_in.enter(owner);
    const quint64 count = m_in.readCount(2);
    if (count == 0) {
        fail(tr("an empty block of fields"));
    }
    quint64 previous = 0;
    for (quint64 i = 0; i < count; ++i) {
        m_in.markItem();
        const quint64 number = m_in.readVarint();
        if (number <= previous) {
            fail(tr("field %1 stands after field %2").arg(number).arg(previous));
        }
        previous = number;
        if (number > 255 || !readField(number)) {
            fail(tr("unknown field %1").arg(number));
        }
    }
    m_in.leave();
}

KeywordRuleList DataFileDecoder::readKeywordRules() {
    m_values.expect(m_values.readTag(), Tag::List, QT_TRANSLATE_NOOP("DataFileValueReader", "a list of rules"));
    KeywordRuleList rules(m_in.readCount(2));
    for (std::size_t i = 0; i < rules.size(); ++i) {
        m_in.setElement(qint64(i));
        rules[i] = readKeywordRule();
    }
    return rules;
}

KeywordRulePtr DataFileDecoder::readKeywordRule() {
    // Rules are not shared: each is written once, where the library lists it.
    m_values.expect(m_values.readTag(), Tag::Object, QT_TRANSLATE_NOOP("DataFileValueReader", "a rule"));
    const ClassId id = readClass();
    if (id != ClassId::KeywordRule) {
        fail(tr("expected a rule, found %1").arg(itemName(id)));
    }
    const quint32 number = addEntry(ClassId::KeywordRule, 0);
    KeywordRulePtr rule = KeywordRule::create();
    m_in.enter("name");
    rule->setName(m_values.readString(m_values.readTag()));
    m_in.item("enabled");
    m_values.expect(m_values.readTag(), Tag::Byte, QT_TRANSLATE_NOOP("DataFileValueReader", "a byte"));
    const quint8 enabled = m_in.readByte();
    if (enabled > 1) {
        fail(tr("a rule enabled as %1").arg(enabled));
    }
    rule->setEnabled(enabled == 1);
    m_in.item("conditions");
    rule->setConditions(readCondition(m_values.readTag()));
    m_in.item("keywords");
    rule->setKeywords(readKeywordList());
    m_in.leave();
    m_entries[number].complete = true;
    return rule;
}

RecurringRecordList DataFileDecoder::readRecurringRecords() {
    m_values.expect(m_values.readTag(), Tag::List,
                    QT_TRANSLATE_NOOP("DataFileValueReader", "a list of recurring records"));
    RecurringRecordList records(m_in.readCount(2));
    for (std::size_t i = 0; i < records.size(); ++i) {
        m_in.setElement(qint64(i));
        records[i] = readRecurringRecord();
    }
    return records;
}

RecurringRecordPtr DataFileDecoder::readRecurringRecord() {
    // Written once each, where the library lists them.
    m_values.expect(m_values.readTag(), Tag::Object, QT_TRANSLATE_NOOP("DataFileValueReader", "a recurring record"));
    const ClassId id = readClass();
    if (id != ClassId::RecurringRecord) {
        fail(tr("expected a recurring record, found %1").arg(itemName(id)));
    }
    const quint32 number = addEntry(ClassId::RecurringRecord, 0);
    RecurringRecordPtr record = RecurringRecord::create();
    m_in.enter("amount");
    const Tag tag = m_values.readTag();
    if (tag != Tag::Nil) {
        record->setAmount(m_values.readDecimal(tag));
    }
    m_in.item("comment");
    record->setComment(m_values.readString(m_values.readTag()));
    m_in.item("keywords");
    record->setKeywords(readKeywordList());
    m_in.item("includeInStats");
    m_values.expect(m_values.readTag(), Tag::Byte, QT_TRANSLATE_NOOP("DataFileValueReader", "a byte"));
    record->setIncludeInStats(std::int8_t(m_in.readByte()));

    RecurrenceRule rule;
    m_in.item("unit");
    rule.setUnit(RecurrenceRule::Unit(readSmallByte(quint8(RecurrenceRule::Unit::Years), tr("a unit"))));
    m_in.item("interval");
    const qint32 interval = m_values.readInteger();
    if (interval < 1 || interval > RecurrenceRule::maxInterval) {
        fail(tr("an interval of %1").arg(interval));
    }
    rule.setInterval(interval);
    m_in.item("monthDay");
    rule.setMonthDay(readSmallByte(31, tr("a day of the month")));
    m_in.item("start");
    const QDate start = readOptionalDay();
    if (!start.isValid()) {
        fail(tr("a recurring record without a start day"));
    }
    rule.setStart(start);
    m_in.item("until");
    rule.setUntil(readOptionalDay());
    m_in.item("count");
    const qint32 count = m_values.readInteger();
    if (count < 0) {
        fail(tr("a count of %1").arg(count));
    }
    rule.setCount(count);
    record->setRule(rule);
    m_in.item("lastEntered");
    record->setLastEntered(readOptionalDay());
    m_in.leave();
    m_entries[number].complete = true;
    return record;
}

quint8 DataFileDecoder::readSmallByte(quint8 most, const QString& what) {
    m_values.expect(m_values.readTag(), Tag::Byte, QT_TRANSLATE_NOOP("DataFileValueReader", "a byte"));
    const quint8 value = m_in.readByte();
    if (value > most) {
        fail(tr("%1 of %2").arg(what).arg(value));
    }
    return value;
}

QDate DataFileDecoder::readOptionalDay() {
    const Tag tag = m_values.readTag();
    if (tag == Tag::Nil) {
        return QDate();
    }
    m_values.expect(tag, Tag::Day, QT_TRANSLATE_NOOP("DataFileValueReader", "a day"));
    return m_values.readDay();
}

BudgetList DataFileDecoder::readBudgets() {
    m_values.expect(m_values.readTag(), Tag::List, QT_TRANSLATE_NOOP("DataFileValueReader", "a list of budgets"));
    BudgetList budgets(m_in.readCount(2));
    for (std::size_t i = 0; i < budgets.size(); ++i) {
        m_in.setElement(qint64(i));
        budgets[i] = readBudget();
    }
    return budgets;
}

BudgetPtr DataFileDecoder::readBudget() {
    // Budgets are not shared: each is written once, where the library lists it.
    m_values.expect(m_values.readTag(), Tag::Object, QT_TRANSLATE_NOOP("DataFileValueReader", "a budget"));
    const ClassId id = readClass();
    if (id != ClassId::Budget) {
        fail(tr("expected a budget, found %1").arg(itemName(id)));
    }
    const quint32 number = addEntry(ClassId::Budget, 0);
    BudgetPtr budget = Budget::create();
    m_in.enter("keyword");
    const Tag keywordTag = m_values.readTag();
    if (keywordTag != Tag::Nil) {
        budget->setKeyword(readKeyword(keywordTag));
    }
    m_in.item("smartBook");
    const Tag bookTag = m_values.readTag();
    if (bookTag != Tag::Nil) {
        if (budget->keyword()) {
            fail(tr("a budget for both a keyword and a smart book"));
        }
        budget->setSmartBook(std::static_pointer_cast<SmartBook>(readBook(bookTag, BookKind::Smart)));
    }
    m_in.item("amount");
    budget->setAmount(m_values.readDecimal(m_values.readTag()));
    m_in.item("period");
    m_values.expect(m_values.readTag(), Tag::Byte, QT_TRANSLATE_NOOP("DataFileValueReader", "a byte"));
    const quint8 period = m_in.readByte();
    if (period > Budget::lastPeriod) {
        fail(tr("a budget period of %1").arg(period));
    }
    budget->setPeriod(Budget::Period(period));
    m_in.leave();
    m_entries[number].complete = true;
    return budget;
}

// Messages ----------------------------------------------------------------

QString DataFileDecoder::itemName(ClassId id) {
    switch (id) {
    case ClassId::DataRoot:
        return tr("the library");
    case ClassId::Book:
        return tr("a book");
    case ClassId::SmartBook:
        return tr("a smart book");
    case ClassId::IO:
        return tr("a record");
    case ClassId::Keyword:
        return tr("a keyword");
    case ClassId::KeywordRule:
        return tr("a rule");
    case ClassId::RecurringRecord:
        return tr("a recurring record");
    case ClassId::Budget:
        return tr("a budget");
    default:
        return tr("a condition");
    }
}
