#include "DataFileEncoder.h"

#include "Budget.h"
#include "ConditionGroup.h"
#include "DateCondition.h"
#include "KeywordRule.h"
#include "RecordPrefetch.h"
#include "RecurringRecord.h"
#include "SmartBook.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

using ClassId = DataFileFormat::ClassId;

ClassId classOf(const Condition& condition) {
    switch (condition.kind()) {
    case Condition::Kind::Plain:
        return ClassId::Condition;
    case Condition::Kind::And:
        return ClassId::AndConditions;
    case Condition::Kind::Or:
        return ClassId::OrConditions;
    case Condition::Kind::Amount:
        return ClassId::AmountCondition;
    case Condition::Kind::Date:
        return ClassId::DateCondition;
    case Condition::Kind::Book:
        return ClassId::BookCondition;
    case Condition::Kind::Keyword:
        return ClassId::KeywordCondition;
    case Condition::Kind::Comment:
        return ClassId::CommentCondition;
    }
    return ClassId::Condition;
}

// UTF-8 carries every string except one with an unpaired surrogate.
bool fitsUtf8(const QString& text) {
    const qsizetype size = text.size();
    const QChar* chars = text.constData();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = chars[i].unicode();
        if (c < 0xD800 || c > 0xDFFF) {
            continue;
        }
        if (c > 0xDBFF || i + 1 == size || !QChar::isLowSurrogate(chars[i + 1].unicode())) {
            return false;
        }
        ++i;
    }
    return true;
}

} // namespace

bool DataFileEncoder::encode(const DataRoot& root) {
    QByteArray whole;
    const bool ok = encode(root, [&whole](QByteArrayView piece) {
        whole.append(piece.data(), piece.size());
        return true;
    });
    m_whole = ok ? whole : QByteArray();
    return ok;
}

bool DataFileEncoder::encode(const DataRoot& root, const Sink& sink, qsizetype pieceSize) {
    m_out = QByteArray(std::max<qsizetype>(pieceSize, 64), Qt::Uninitialized);
    m_data = m_out.data();
    m_size = 0;
    m_sink = &sink;
    m_payloadSize = 0;
    m_crc = Crc32();
    m_whole = QByteArray();
    m_error.clear();
    m_objectCount = 0;
    m_recordNumbers.assign(RecordPool::slotCount(), 0);
    m_objectNumbers.clear();
    m_stringNumbers.clear();
    m_stringsByAddress.clear();
    m_zoneNumbers.clear();
    m_zoneCount = 0;
    m_dayZone = TimeZoneTable::current();
    m_libraryBooks.clear();
    m_nesting = 0;
    m_treeSizes.clear();
    m_totalTreeNodes = 0;

    bool ok = true;
    try {
        writeClassTable();
        writeRoot(root);
        // The counts let the reader size its tables once; it finds them at the end.
        ensure(8);
        DataFileFormat::putLittleEndian32(m_data + m_size, m_objectCount);
        DataFileFormat::putLittleEndian32(m_data + m_size + 4, quint32(m_stringNumbers.size()));
        m_size += 8;
        drain();
    } catch (const Failure& failure) {
        m_error = failure.message;
        ok = false;
    }
    m_out = QByteArray();
    m_data = nullptr;
    m_size = 0;
    m_sink = nullptr;
    m_stringsByAddress.clear();
    m_libraryBooks.clear();
    return ok;
}

void DataFileEncoder::fail(const QString& message) {
    throw Failure{message};
}

void DataFileEncoder::drain() {
    if (m_size == 0) {
        return;
    }
    const QByteArrayView piece(m_data, m_size);
    m_crc.update(piece);
    m_payloadSize += quint64(m_size);
    m_size = 0;
    if (!(*m_sink)(piece)) {
        fail(QString());
    }
}

void DataFileEncoder::makeRoom(qsizetype extra) {
    drain();
    if (extra > m_out.size()) {
        // One item larger than a piece: a very long text.
        m_out.resize(extra);
        m_data = m_out.data();
    }
}

void DataFileEncoder::putBytes(const char* bytes, qsizetype count) {
    ensure(count);
    std::memcpy(m_data + m_size, bytes, std::size_t(count));
    m_size += count;
}

void DataFileEncoder::writeClassTable() {
    putVarint(DataFileFormat::classCount);
    for (const std::string_view name : DataFileFormat::classNames) {
        putVarint(name.size());
        putBytes(name.data(), qsizetype(name.size()));
        putVarint(DataFileFormat::classVersion);
    }
}

bool DataFileEncoder::beginObject(const void* object, ClassId id) {
    const auto known = m_objectNumbers.constFind(object);
    if (known != m_objectNumbers.constEnd()) {
        putTag(Tag::ObjectRef);
        putVarint(known.value());
        return false;
    }
    m_objectNumbers.insert(object, m_objectCount++);
    putTag(Tag::Object);
    putVarint(quint8(id));
    return true;
}

void DataFileEncoder::enterNesting() {
    if (++m_nesting > DataFileFormat::maxNesting) {
        fail(tr("The smart books and conditions of this library nest deeper than %1 levels, more than the data "
                "file can hold.")
                 .arg(DataFileFormat::maxNesting));
    }
}

void DataFileEncoder::writeRoot(const DataRoot& root) {
    if (!root.mainLibrary()) {
        fail(tr("The library has no main library."));
    }
    m_libraryBooks.insert(root.mainLibrary().get());
    for (const BookPtr& book : root.dumbBooks()) {
        m_libraryBooks.insert(book.get());
    }
    for (const SmartBookPtr& book : root.smartBooks()) {
        m_libraryBooks.insert(book.get());
    }
    beginObject(&root, ClassId::DataRoot);
    writeDecimal(root.keshVersion());
    writeBook(root.mainLibrary(), true);

    // Empty entries hold no data; they are left out.
    const auto present = [](const auto& list) {
        return qsizetype(std::count_if(list.begin(), list.end(), [](const auto& item) { return item != nullptr; }));
    };
    putTag(Tag::List);
    putVarint(quint64(present(root.dumbBooks())));
    for (const BookPtr& book : root.dumbBooks()) {
        if (book) {
            writeBook(book, true);
        }
    }
    putTag(Tag::List);
    putVarint(quint64(present(root.smartBooks())));
    for (const SmartBookPtr& book : root.smartBooks()) {
        if (book) {
            writeBook(book, false);
        }
    }
    writeKeywordList(root.keywords());

    const KeywordRuleList& rules = root.keywordRules();
    const qsizetype ruleCount = present(rules);
    const RecurringRecordList& recurring = root.recurringRecords();
    const qsizetype recurringCount = present(recurring);
    const qsizetype budgetCount = present(root.budgets());
    const int fieldCount = int(ruleCount > 0) + int(recurringCount > 0) + int(budgetCount > 0);
    if (fieldCount == 0) {
        return;
    }
    beginFields(quint64(fieldCount));
    if (ruleCount > 0) {
        putVarint(quint8(DataFileFormat::RootField::KeywordRules));
        putTag(Tag::List);
        putVarint(quint64(ruleCount));
        for (const KeywordRulePtr& rule : rules) {
            if (rule) {
                writeKeywordRule(*rule);
            }
        }
    }
    if (recurringCount > 0) {
        putVarint(quint8(DataFileFormat::RootField::RecurringRecords));
        putTag(Tag::List);
        putVarint(quint64(recurringCount));
        for (const RecurringRecordPtr& record : recurring) {
            if (record) {
                writeRecurringRecord(*record);
            }
        }
    }
    // Fields go in the order of their numbers.
    if (budgetCount > 0) {
        putVarint(quint8(DataFileFormat::RootField::Budgets));
        putTag(Tag::List);
        putVarint(quint64(budgetCount));
        for (const BudgetPtr& budget : root.budgets()) {
            if (budget) {
                writeBudget(*budget);
            }
        }
    }
}

void DataFileEncoder::beginFields(quint64 count) {
    putTag(Tag::Fields);
    putVarint(count);
}

void DataFileEncoder::writeKeywordRule(const KeywordRule& rule) {
    beginObject(&rule, ClassId::KeywordRule);
    writeString(rule.name().isNull() ? QStringLiteral("") : rule.name());
    putTag(Tag::Byte);
    putByte(rule.isEnabled() ? 1 : 0);
    writeCondition(rule.conditions());
    writeKeywordList(rule.keywords());
}

void DataFileEncoder::writeRecurringRecord(const RecurringRecord& record) {
    beginObject(&record, ClassId::RecurringRecord);
    if (const std::optional<Amount>& amount = record.amount()) {
        writeDecimal(*amount);
    } else {
        putTag(Tag::Nil);
    }
    writeString(record.comment().isNull() ? QStringLiteral("") : record.comment());
    writeKeywordList(record.keywords());
    putTag(Tag::Byte);
    putByte(quint8(record.includeInStats()));
    const RecurrenceRule& rule = record.rule();
    putTag(Tag::Byte);
    putByte(quint8(rule.unit()));
    writeInteger(rule.interval());
    putTag(Tag::Byte);
    putByte(quint8(rule.monthDay()));
    writeOptionalDay(rule.start());
    writeOptionalDay(rule.until());
    writeInteger(rule.count());
    writeOptionalDay(record.lastEntered());
}

void DataFileEncoder::writeOptionalDay(QDate day) {
    if (day.isValid()) {
        writeDay(day);
    } else {
        putTag(Tag::Nil);
    }
}

void DataFileEncoder::writeBudget(const Budget& budget) {
    beginObject(&budget, ClassId::Budget);
    if (budget.keyword()) {
        writeKeyword(budget.keyword());
    } else {
        putTag(Tag::Nil);
    }
    if (budget.smartBook()) {
        writeBook(budget.smartBook(), false);
    } else {
        putTag(Tag::Nil);
    }
    writeDecimal(budget.amount());
    putTag(Tag::Byte);
    putByte(quint8(budget.period()));
}

void DataFileEncoder::writeBook(const BookPtr& book, bool plainOnly) {
    const auto* smart = dynamic_cast<const SmartBook*>(book.get());
    if (plainOnly && smart) {
        // The reader refuses this too: a smart book's tree must be reachable
        // from the smart-book list, or rings through it would never be freed.
        fail(tr("The smart book “%1” stands among the plain books.").arg(book->bookName()));
    }
    if (!beginObject(book.get(), smart ? ClassId::SmartBook : ClassId::Book)) {
        return;
    }
    enterNesting();
    writeBookBody(*book);
    if (smart) {
        writeCondition(smart->conditions());
    }
    --m_nesting;
}

void DataFileEncoder::writeBookBody(const Book& book) {
    // A deleted book stays for the conditions that name it, so the editor can
    // say which book is gone, but not its records: it still holds records
    // deleted from the library after it, and nothing shows them any more.
    writeRecordList(m_libraryBooks.contains(&book) ? book.records() : IOList());
    writeString(book.bookName());
    const SortDescriptorList& descriptors = book.sortDescriptors();
    putTag(Tag::List);
    putVarint(quint64(descriptors.size()));
    for (const SortDescriptor& descriptor : descriptors) {
        putTag(Tag::SortDescriptor);
        writeString(descriptor.key);
        putByte(descriptor.ascending ? 1 : 0);
        writeString(descriptor.selector);
    }
}

void DataFileEncoder::writeRecordList(const IOList& records) {
    const auto present = std::count_if(records.begin(), records.end(), [](const IOPtr& r) { return r != nullptr; });
    putTag(Tag::List);
    putVarint(quint64(present));
    for (std::size_t i = 0; i < records.size(); ++i) {
        RecordPrefetch::ahead(records, i);
        const IOPtr& record = records[i];
        if (!record) {
            continue;
        }
        const std::uint32_t slot = record->poolSlot();
        if (slot >= m_recordNumbers.size()) {
            m_recordNumbers.resize(std::size_t(slot) + 1, 0);
        }
        if (const quint32 known = m_recordNumbers[slot]) {
            putTag(Tag::ObjectRef);
            putVarint(known - 1);
            continue;
        }
        m_recordNumbers[slot] = ++m_objectCount;
        putTag(Tag::Object);
        putVarint(quint8(ClassId::IO));
        writeRecord(*record);
    }
}

void DataFileEncoder::writeRecord(const IO& record) {
    const CalendarDate entered = record.timeOfEntry();
    if (entered.isValid()) {
        writeDate(entered);
    } else {
        putTag(Tag::Nil);
    }
    const QDate day = record.date();
    if (day.isValid()) {
        writeDay(day);
    } else {
        putTag(Tag::Nil);
    }
    if (const std::optional<Amount> amount = record.amount()) {
        writeDecimal(*amount);
    } else {
        putTag(Tag::Nil);
    }
    writeKeywordList(record.keywords());
    writeString(record.comment());
    putTag(Tag::Byte);
    putByte(quint8(record.includeInStats()));
    if (const QString& id = record.bankId(); !id.isEmpty()) {
        beginFields(1);
        putVarint(quint8(DataFileFormat::RecordField::BankId));
        writeString(id);
    }
}

void DataFileEncoder::writeKeywordList(const KeywordList& keywords) {
    const auto present =
        std::count_if(keywords.begin(), keywords.end(), [](const KeywordPtr& k) { return k != nullptr; });
    putTag(Tag::List);
    putVarint(quint64(present));
    for (const KeywordPtr& keyword : keywords) {
        if (keyword) {
            writeKeyword(keyword);
        }
    }
}

void DataFileEncoder::writeKeyword(const KeywordPtr& keyword) {
    if (beginObject(keyword.get(), ClassId::Keyword)) {
        writeString(keyword->name());
    }
}

void DataFileEncoder::writeCondition(const ConditionPtr& condition) {
    if (!condition) {
        putTag(Tag::Nil);
        return;
    }
    if (!beginObject(condition.get(), classOf(*condition))) {
        return;
    }
    enterNesting();
    const quint32 size = writeConditionBody(*condition);
    --m_nesting;
    if (size > DataFileFormat::maxTreeNodes) {
        fail(tr("A smart book's conditions hold more than %1 parts, more than the data file can hold.")
                 .arg(DataFileFormat::maxTreeNodes));
    }
    m_treeSizes.insert(condition.get(), size);
}

quint32 DataFileEncoder::writeConditionBody(const Condition& condition) {
    writeInteger(condition.conditionTypeCode());
    writeOperand(condition.object());
    writeOperand(condition.object2());
    if (const auto* date = dynamic_cast<const DateCondition*>(&condition)) {
        writeInteger(date->periodID());
        return 1;
    }
    const auto* group = dynamic_cast<const ConditionGroup*>(&condition);
    if (!group) {
        return 1;
    }
    const ConditionList& children = group->children();
    const auto present =
        std::count_if(children.begin(), children.end(), [](const ConditionPtr& c) { return c != nullptr; });
    putTag(Tag::List);
    putVarint(quint64(present));
    // The same sums as the reader's, so that what is written can be read.
    quint32 size = 1;
    for (const ConditionPtr& child : children) {
        if (!child) {
            continue;
        }
        writeCondition(child);
        size = std::min<quint32>(size + m_treeSizes.value(child.get(), 1), DataFileFormat::maxTreeNodes + 1);
    }
    m_totalTreeNodes += size;
    if (m_totalTreeNodes > DataFileFormat::maxTotalTreeNodes) {
        fail(tr("The smart books' conditions hold more than %1 parts, more than the data file can hold.")
                 .arg(DataFileFormat::maxTotalTreeNodes));
    }
    return size;
}

void DataFileEncoder::writeOperand(const ConditionOperand& operand) {
    if (const auto* number = std::get_if<Amount>(&operand)) {
        writeDecimal(*number);
    } else if (const auto* date = std::get_if<CalendarDate>(&operand)) {
        writeDate(*date);
    } else if (const auto* text = std::get_if<QString>(&operand)) {
        // An operand text is always a string; absent is the empty operand.
        if (text->isNull()) {
            writeString(QStringLiteral(""));
        } else {
            writeString(*text);
        }
    } else if (const auto* keyword = std::get_if<KeywordPtr>(&operand)) {
        if (*keyword) {
            writeKeyword(*keyword);
        } else {
            putTag(Tag::Nil);
        }
    } else if (const auto* book = std::get_if<BookPtr>(&operand)) {
        if (*book) {
            writeBook(*book, false);
        } else {
            putTag(Tag::Nil);
        }
    } else {
        putTag(Tag::Nil);
    }
}

void DataFileEncoder::writeString(const QString& text) {
    if (text.isNull()) {
        putTag(Tag::Nil);
        return;
    }
    const QPair<const QChar*, qsizetype> address(text.constData(), text.size());
    std::optional<quint32> known;
    if (const auto byAddress = m_stringsByAddress.constFind(address); byAddress != m_stringsByAddress.constEnd()) {
        known = byAddress.value();
    } else if (const auto byText = m_stringNumbers.constFind(text); byText != m_stringNumbers.constEnd()) {
        known = byText.value();
        m_stringsByAddress.insert(address, *known);
    }
    if (known) {
        putTag(Tag::StringRef);
        putVarint(*known);
        return;
    }
    const auto number = quint32(m_stringNumbers.size());
    m_stringNumbers.insert(text, number);
    m_stringsByAddress.insert(address, number);
    if (fitsUtf8(text)) {
        const QByteArray utf8 = text.toUtf8();
        putTag(Tag::String);
        putVarint(quint64(utf8.size()));
        putBytes(utf8.constData(), utf8.size());
        return;
    }
    putTag(Tag::StringUtf16);
    putVarint(quint64(text.size()));
    ensure(text.size() * 2);
    for (const QChar c : text) {
        m_data[m_size++] = char(c.unicode() & 0xFF);
        m_data[m_size++] = char(c.unicode() >> 8);
    }
}

void DataFileEncoder::writeDecimal(const Amount& value) {
    putTag(Tag::Decimal);
    putSigned(value.mantissa());
    putSigned(value.exponent());
}

void DataFileEncoder::writeInteger(qint32 value) {
    writeDecimal(Amount::fromInt(value));
}

void DataFileEncoder::writeDate(const CalendarDate& date) {
    putTag(Tag::Date);
    writeZone(date.zoneIndex());
    putSigned(date.msecsSinceEpoch());
}

void DataFileEncoder::writeDay(QDate day) {
    // A record's day, stored as midnight of that day in the current zone.
    putTag(Tag::Day);
    writeZone(m_dayZone);
    putSigned(day.toJulianDay() - DataFileFormat::dayOrigin);
}

void DataFileEncoder::writeZone(TimeZoneTable::Index zone) {
    if (zone >= m_zoneNumbers.size()) {
        m_zoneNumbers.resize(std::size_t(zone) + 1, 0);
    }
    if (const quint32 known = m_zoneNumbers[zone]) {
        putVarint(known);
        return;
    }
    m_zoneNumbers[zone] = ++m_zoneCount;
    QByteArray id = TimeZoneTable::id(zone);
    // Zone ids are short ASCII names; anything else behaves as UTC here and is stored so.
    if (!DataFileFormat::isZoneId(id)) {
        id = QByteArrayLiteral("UTC");
    }
    putVarint(0);
    putVarint(quint64(id.size()));
    putBytes(id.constData(), id.size());
}
