#include "DataFileDecoder.h"

#include "AmountCondition.h"
#include "AndConditions.h"
#include "BookCondition.h"
#include "CommentCondition.h"
#include "DateCondition.h"
#include "KeywordCondition.h"
#include "OrConditions.h"

#include <QCoreApplication>
#include <QTimeZone>

#include <algorithm>
#include <bit>
#include <limits>

namespace {

QString tr(const char* text, const char* disambiguation = nullptr, int n = -1) {
    return QCoreApplication::translate("DataFile", text, disambiguation, n);
}

// Tables start no larger than the bytes could describe, however large the
// counts in the file claim to be.
std::size_t boundedReserve(quint64 claimed, qsizetype bytes, qsizetype bytesPerItem) {
    return std::size_t(std::min<quint64>(claimed, quint64(bytes / bytesPerItem)));
}

} // namespace

DataFileDecoder::DataFileDecoder(QByteArrayView payload, qint64 fileOffset)
    : m_begin(reinterpret_cast<const uchar*>(payload.data()))
    , m_pos(m_begin)
    , m_end(m_begin + payload.size())
    , m_fileOffset(fileOffset) {}

DataRootPtr DataFileDecoder::decode() {
    m_path.reserve(16);
    try {
        // The counts close the payload.
        if (remaining() < 8) {
            fail(tr("the library ends early"));
        }
        m_end -= 8;
        const quint32 objectCount = DataFileFormat::littleEndian32(reinterpret_cast<const char*>(m_end));
        const quint32 stringCount = DataFileFormat::littleEndian32(reinterpret_cast<const char*>(m_end + 4));
        readClassTable();
        m_itemStart = m_pos;
        m_entries.reserve(boundedReserve(objectCount, remaining(), 2));
        // A record takes at least ten bytes.
        m_records.reserve(boundedReserve(objectCount, remaining(), 10));
        IORegistry::reserve(m_records.capacity());
        m_strings.reserve(boundedReserve(stringCount, remaining(), 2));

        DataRootPtr root = readRoot();
        m_itemStart = m_pos;
        if (m_pos != m_end) {
            fail(tr("%n byte(s) follow the end of the library", nullptr,
                    int(std::min<qsizetype>(remaining(), 1 << 30))));
        }
        if (m_entries.size() != objectCount || m_strings.size() != stringCount) {
            fail(tr("the library holds %1 objects and %2 texts, not %3 and %4 as announced")
                     .arg(m_entries.size())
                     .arg(m_strings.size())
                     .arg(objectCount)
                     .arg(stringCount));
        }
        return root;
    } catch (const Failure&) {
        // Trees may name their own book; let go of them so the rings are freed.
        SmartBook::releaseTrees(m_smartBooks);
        m_smartBooks.clear();
        m_books.clear();
        m_conditions.clear();
        m_records.clear();
        m_keywords.clear();
        return nullptr;
    }
}

// Bytes ------------------------------------------------------------------

quint8 DataFileDecoder::readByte() {
    if (m_pos == m_end) {
        fail(tr("the library ends early"));
    }
    return *m_pos++;
}

quint64 DataFileDecoder::readVarint() {
    if (remaining() >= 10) {
        // Enough bytes for the longest number: no end checks.
        quint64 value = 0;
        for (int shift = 0; shift < 70; shift += 7) {
            const quint8 byte = *m_pos++;
            if (shift == 63 && byte > 1) {
                break;
            }
            value |= quint64(byte & 0x7F) << shift;
            if (!(byte & 0x80)) {
                return value;
            }
        }
        fail(tr("a number is larger than 64 bits"));
    }
    quint64 value = 0;
    for (int shift = 0; shift < 70; shift += 7) {
        const quint8 byte = readByte();
        if (shift == 63 && byte > 1) {
            break;
        }
        value |= quint64(byte & 0x7F) << shift;
        if (!(byte & 0x80)) {
            return value;
        }
    }
    fail(tr("a number is larger than 64 bits"));
}

qint64 DataFileDecoder::readSigned() {
    const quint64 value = readVarint();
    return qint64(value >> 1) ^ -qint64(value & 1);
}

quint64 DataFileDecoder::readCount(qsizetype minimumItemSize) {
    const quint64 count = readVarint();
    if (count > quint64(remaining() / minimumItemSize)) {
        fail(tr("a list claims %1 items but only %2 bytes are left").arg(count).arg(remaining()));
    }
    return count;
}

DataFileFormat::Tag DataFileDecoder::readTag() {
    m_itemStart = m_pos;
    const quint8 tag = readByte();
    if (tag > DataFileFormat::lastTag) {
        fail(tr("unknown item kind %1").arg(tag));
    }
    return Tag(tag);
}

DataFileFormat::ClassId DataFileDecoder::readClass() {
    const quint64 index = readVarint();
    if (index >= m_classes.size()) {
        fail(tr("class number %1 is not in the class table").arg(index));
    }
    return m_classes[std::size_t(index)];
}

const DataFileDecoder::Entry& DataFileDecoder::readReference() {
    const quint64 number = readVarint();
    if (number >= m_entries.size()) {
        fail(tr("reference to object %1, which has not been read").arg(number));
    }
    return m_entries[std::size_t(number)];
}

void DataFileDecoder::expect(Tag found, Tag wanted, const char* what) {
    if (found != wanted) {
        fail(tr("expected %1, found %2").arg(tr(what), tagName(quint8(found))));
    }
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
    pushFrame("class table");
    m_itemStart = m_pos;
    const quint64 count = readCount(2);
    if (count > 64) {
        fail(tr("the class table holds %1 classes").arg(count));
    }
    std::vector<bool> seen(DataFileFormat::classCount, false);
    for (quint64 i = 0; i < count; ++i) {
        m_path.back().element = qint64(i);
        m_itemStart = m_pos;
        const quint64 length = readCount(1);
        if (length > 64) {
            fail(tr("a class name of %1 bytes").arg(length));
        }
        const std::string_view name(reinterpret_cast<const char*>(m_pos), std::size_t(length));
        m_pos += length;
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
        const quint64 version = readVarint();
        if (version != DataFileFormat::classVersion) {
            fail(tr("class “%1” has version %2, which this kesh cannot read").arg(shownName).arg(version));
        }
        m_classes.push_back(ClassId(id));
    }
    popFrame();
}

DataRootPtr DataFileDecoder::readRoot() {
    pushFrame("library");
    const Tag tag = readTag();
    expect(tag, Tag::Object, "the library object");
    const ClassId id = readClass();
    if (id != ClassId::DataRoot) {
        fail(tr("expected the library object, found a %1").arg(className(id)));
    }
    addEntry(ClassId::DataRoot, 0);
    DataRootPtr root = DataRoot::create();

    setItem("KeshVersion");
    root->setKeshVersion(readDecimal(readTag()));

    setItem("mainLibrary");
    root->setMainLibrary(readBook(readTag(), BookKind::Plain));

    setItem("dumbBooks");
    expect(readTag(), Tag::List, "a list of books");
    std::vector<BookPtr> dumbBooks(readCount(2));
    for (std::size_t i = 0; i < dumbBooks.size(); ++i) {
        m_path.back().element = qint64(i);
        dumbBooks[i] = readBook(readTag(), BookKind::Plain);
    }
    root->setDumbBooks(std::move(dumbBooks));

    setItem("smartBooks");
    expect(readTag(), Tag::List, "a list of smart books");
    std::vector<SmartBookPtr> smartBooks(readCount(2));
    for (std::size_t i = 0; i < smartBooks.size(); ++i) {
        m_path.back().element = qint64(i);
        smartBooks[i] = std::static_pointer_cast<SmartBook>(readBook(readTag(), BookKind::Smart));
    }
    root->setSmartBooks(std::move(smartBooks));

    setItem("keywords");
    root->setKeywords(readKeywordList());
    m_entries[0].complete = true;
    popFrame();
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
        fail(tr("expected a book, found %1").arg(tagName(quint8(tag))));
    }
    const bool fits = kind == BookKind::Any ? DataFileFormat::isBook(id)
                                            : id == (kind == BookKind::Smart ? ClassId::SmartBook : ClassId::Book);
    if (!fits) {
        fail(tr("expected a %1, found a %2")
                 .arg(kind == BookKind::Smart ? className(ClassId::SmartBook) : className(ClassId::Book),
                      className(id)));
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

    pushFrame("records");
    book->setRecords(readRecordList());
    setItem("bookName");
    book->setBookName(readString(readTag()));
    setItem("sortDescriptors");
    book->setSortDescriptors(readSortDescriptors());
    if (smart) {
        setItem("conditions");
        smart->setConditions(readCondition(readTag()));
    }
    popFrame();

    --m_nesting;
    m_entries[number].complete = true;
    return book;
}

IOList DataFileDecoder::readRecordList() {
    expect(readTag(), Tag::List, "a list of records");
    const quint64 count = readCount(2);
    IOList records;
    records.reserve(std::size_t(count));
    // By index: reading a record adds frames, which may move the others.
    const std::size_t frame = m_path.size() - 1;
    for (quint64 i = 0; i < count; ++i) {
        m_path[frame].element = qint64(i);
        const Tag tag = readTag();
        if (tag == Tag::ObjectRef) {
            const Entry& entry = readReference();
            if (entry.classId != ClassId::IO) {
                fail(tr("expected a record, found a %1").arg(className(entry.classId)));
            }
            // Later places of a record are few (plain books); the registry
            // hands out another owner of it.
            records.push_back(IO::find(m_records[entry.index]->recordId()));
            continue;
        }
        expect(tag, Tag::Object, "a record");
        const ClassId id = readClass();
        if (id != ClassId::IO) {
            fail(tr("expected a record, found a %1").arg(className(id)));
        }
        records.push_back(readRecord());
    }
    return records;
}

IOPtr DataFileDecoder::readRecord() {
    const quint32 number = addEntry(ClassId::IO, quint32(m_records.size()));
    pushFrame("timeOfEntry");

    Tag tag = readTag();
    CalendarDate entered;
    if (tag != Tag::Nil) {
        expect(tag, Tag::Date, "a date");
        entered = readDate();
    }
    IOPtr made = IO::createWithTimeOfEntry(entered);
    IO& record = *made;
    m_records.push_back(made.get());

    setItem("date");
    tag = readTag();
    if (tag == Tag::Day) {
        record.setDate(readDay());
    } else if (tag == Tag::Date) {
        // The day the date shows in its own zone.
        record.setDate(readDate().day());
    } else if (tag != Tag::Nil) {
        fail(tr("expected a date, found %1").arg(tagName(quint8(tag))));
    }

    setItem("amount");
    tag = readTag();
    if (tag != Tag::Nil) {
        record.setAmount(readDecimal(tag));
    }

    setItem("keywords");
    KeywordList keywords = readKeywordList();
    if (!keywords.empty()) {
        record.setKeywords(std::move(keywords));
    }

    setItem("comment");
    tag = readTag();
    if (tag != Tag::Nil) {
        record.setComment(readString(tag));
    }

    setItem("includeInStats");
    expect(readTag(), Tag::Byte, "a byte");
    record.setIncludeInStats(std::int8_t(readByte()));

    popFrame();
    m_entries[number].complete = true;
    return made;
}

KeywordList DataFileDecoder::readKeywordList() {
    expect(readTag(), Tag::List, "a list of keywords");
    const quint64 count = readCount(2);
    KeywordList keywords;
    keywords.reserve(std::size_t(count));
    for (quint64 i = 0; i < count; ++i) {
        m_path.back().element = qint64(i);
        const Tag tag = readTag();
        if (tag == Tag::Nil) {
            fail(tr("expected a keyword, found nothing"));
        }
        keywords.push_back(readKeyword(tag));
    }
    return keywords;
}

KeywordPtr DataFileDecoder::readKeyword(Tag tag) {
    if (tag == Tag::ObjectRef) {
        const Entry& entry = readReference();
        if (entry.classId != ClassId::Keyword) {
            fail(tr("expected a keyword, found a %1").arg(className(entry.classId)));
        }
        return m_keywords[entry.index];
    }
    expect(tag, Tag::Object, "a keyword");
    const ClassId id = readClass();
    if (id != ClassId::Keyword) {
        fail(tr("expected a keyword, found a %1").arg(className(id)));
    }
    const quint32 number = addEntry(ClassId::Keyword, quint32(m_keywords.size()));
    KeywordPtr keyword = m_keywords.emplace_back(Keyword::create());
    pushFrame("name");
    keyword->setName(readString(readTag()));
    popFrame();
    m_entries[number].complete = true;
    return keyword;
}

SortDescriptorList DataFileDecoder::readSortDescriptors() {
    expect(readTag(), Tag::List, "a list of sort descriptors");
    const quint64 count = readCount(4);
    SortDescriptorList descriptors;
    descriptors.reserve(qsizetype(count));
    for (quint64 i = 0; i < count; ++i) {
        m_path.back().element = qint64(i);
        expect(readTag(), Tag::SortDescriptor, "a sort descriptor");
        SortDescriptor descriptor;
        descriptor.key = readString(readTag());
        const quint8 ascending = readByte();
        if (ascending > 1) {
            fail(tr("a sort direction of %1").arg(ascending));
        }
        descriptor.ascending = ascending == 1;
        descriptor.selector = readString(readTag());
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
            fail(tr("expected a condition, found a %1").arg(className(entry.classId)));
        }
        if (!entry.complete) {
            fail(tr("a condition contains itself"));
        }
        m_lastTreeSize = m_treeSizes[entry.index];
        return m_conditions[entry.index];
    }
    expect(tag, Tag::Object, "a condition");
    const ClassId id = readClass();
    if (!DataFileFormat::isCondition(id)) {
        fail(tr("expected a condition, found a %1").arg(className(id)));
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

    pushFrame("conditionTypeCode");
    condition->setConditionTypeCode(readInteger());
    setItem("object");
    condition->setObject(readOperand());
    setItem("object2");
    condition->setObject2(readOperand());

    quint32 size = 1;
    if (id == ClassId::DateCondition) {
        setItem("periodID");
        static_cast<DateCondition&>(*condition).setPeriodID(readInteger());
    } else if (id == ClassId::AndConditions || id == ClassId::OrConditions) {
        setItem("conditions");
        expect(readTag(), Tag::List, "a list of conditions");
        ConditionList children(readCount(2));
        for (std::size_t i = 0; i < children.size(); ++i) {
            m_path.back().element = qint64(i);
            const Tag tag = readTag();
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
    popFrame();

    --m_nesting;
    m_treeSizes[index] = size;
    m_lastTreeSize = size;
    m_entries[number].complete = true;
    return condition;
}

ConditionOperand DataFileDecoder::readOperand() {
    const Tag tag = readTag();
    switch (tag) {
    case Tag::Nil:
        return std::monostate();
    case Tag::Float: {
        if (remaining() < 4) {
            fail(tr("the library ends early"));
        }
        const quint32 bits = DataFileFormat::littleEndian32(reinterpret_cast<const char*>(m_pos));
        m_pos += 4;
        return std::bit_cast<float>(bits);
    }
    case Tag::Date:
        return readDate();
    case Tag::Day: {
        // Midnight of that day in its zone.
        TimeZoneTable::Index zone = 0;
        const QDateTime midnight = readDay(&zone).startOfDay(TimeZoneTable::zone(zone));
        return midnight.isValid() ? CalendarDate(midnight.toMSecsSinceEpoch(), zone) : CalendarDate();
    }
    case Tag::String:
    case Tag::StringUtf16:
    case Tag::StringRef:
        return readString(tag);
    case Tag::Object:
    case Tag::ObjectRef: {
        const uchar* start = m_pos;
        const ClassId id = tag == Tag::Object ? readClass() : readReference().classId;
        m_pos = start;
        if (id == ClassId::Keyword) {
            return readKeyword(tag);
        }
        if (DataFileFormat::isBook(id)) {
            return readBook(tag, BookKind::Any);
        }
        fail(tr("a condition cannot compare with a %1").arg(className(id)));
    }
    default:
        fail(tr("a condition cannot compare with %1").arg(tagName(quint8(tag))));
    }
}

const QString& DataFileDecoder::readString(Tag tag) {
    static const QString none;
    switch (tag) {
    case Tag::Nil:
        return none;
    case Tag::StringRef: {
        const quint64 number = readVarint();
        if (number >= m_strings.size()) {
            fail(tr("reference to text %1, which has not been read").arg(number));
        }
        return m_strings[std::size_t(number)];
    }
    case Tag::String: {
        const quint64 length = readCount(1);
        QString text = QString::fromUtf8(reinterpret_cast<const char*>(m_pos), qsizetype(length));
        m_pos += length;
        return m_strings.emplace_back(std::move(text));
    }
    case Tag::StringUtf16: {
        const quint64 units = readCount(2);
        QString text(qsizetype(units), Qt::Uninitialized);
        char16_t* out = reinterpret_cast<char16_t*>(text.data());
        for (quint64 i = 0; i < units; ++i) {
            out[i] = char16_t(m_pos[0] | (m_pos[1] << 8));
            m_pos += 2;
        }
        return m_strings.emplace_back(std::move(text));
    }
    default:
        fail(tr("expected a text, found %1").arg(tagName(quint8(tag))));
    }
}

Amount DataFileDecoder::readDecimal(Tag tag) {
    expect(tag, Tag::Decimal, "a decimal number");
    const qint64 mantissa = readSigned();
    const qint64 exponent = readSigned();
    const std::optional<Amount> value = exponent >= Amount::minExponent && exponent <= Amount::maxExponent
                                            ? Amount::fromParts(mantissa, int(exponent))
                                            : std::nullopt;
    if (!value) {
        fail(tr("the decimal number %1e%2 is out of range").arg(mantissa).arg(exponent));
    }
    return *value;
}

qint32 DataFileDecoder::readInteger() {
    const Amount value = readDecimal(readTag());
    qint64 integer = value.mantissa();
    bool fits = value.exponent() >= 0 && value.exponent() <= 9;
    for (int i = 0; fits && i < value.exponent(); ++i) {
        integer *= 10;
        fits = integer >= std::numeric_limits<qint32>::min() && integer <= std::numeric_limits<qint32>::max();
    }
    fits = fits && integer >= std::numeric_limits<qint32>::min() && integer <= std::numeric_limits<qint32>::max();
    if (!fits) {
        fail(tr("%1 is not a whole number of 32 bits").arg(value.toString()));
    }
    return qint32(integer);
}

CalendarDate DataFileDecoder::readDate() {
    const TimeZoneTable::Index zone = readZone();
    return CalendarDate(readSigned(), zone);
}

QDate DataFileDecoder::readDay(TimeZoneTable::Index* zone) {
    const TimeZoneTable::Index stored = readZone();
    if (zone) {
        *zone = stored;
    }
    const qint64 days = readSigned();
    // Days the model can keep: those whose Julian day fits 32 bits.
    constexpr qint64 lowest = std::numeric_limits<qint32>::min() + 1 - DataFileFormat::dayOrigin;
    constexpr qint64 highest = std::numeric_limits<qint32>::max() - DataFileFormat::dayOrigin;
    if (days < lowest || days > highest) {
        fail(tr("the day %1 is out of range").arg(days));
    }
    return QDate::fromJulianDay(days + DataFileFormat::dayOrigin);
}

TimeZoneTable::Index DataFileDecoder::readZone() {
    const quint64 number = readVarint();
    if (number > 0) {
        if (number > m_zones.size()) {
            fail(tr("reference to time zone %1, which has not been read").arg(number - 1));
        }
        return m_zones[std::size_t(number - 1)];
    }
    if (m_zones.size() >= 0xFFFF) {
        fail(tr("more time zones than kesh can hold"));
    }
    const quint64 length = readCount(1);
    const QByteArray id(reinterpret_cast<const char*>(m_pos), qsizetype(std::min<quint64>(length, 1024)));
    m_pos += length;
    if (!DataFileFormat::isZoneId(id)) {
        fail(tr("“%1” is not a time zone").arg(QString::fromLatin1(id.left(64))));
    }
    return m_zones.emplace_back(TimeZoneTable::intern(id));
}

// Messages ----------------------------------------------------------------

void DataFileDecoder::fail(const QString& what) {
    const qint64 at = m_fileOffset + ((m_itemStart ? m_itemStart : m_pos) - m_begin);
    m_error = tr("%1, at byte %2 (%3)").arg(what).arg(at).arg(pathText());
    throw Failure{};
}

QString DataFileDecoder::pathText() const {
    QStringList parts;
    for (const Frame& frame : m_path) {
        QString part = QString::fromLatin1(frame.item);
        if (frame.element >= 0) {
            part += QStringLiteral("[%1]").arg(frame.element);
        }
        parts.append(part);
    }
    return parts.isEmpty() ? tr("file start") : parts.join(QStringLiteral(" › "));
}

QString DataFileDecoder::tagName(quint8 tag) {
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
    }
    return tr("item kind %1").arg(tag);
}

QString DataFileDecoder::className(ClassId id) {
    const std::string_view name = DataFileFormat::classNames[std::size_t(id)];
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}
