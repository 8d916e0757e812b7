#include "IO.h"

#include "Clock.h"
#include "RecordPool.h"
#include "RecordRevision.h"
#include "SearchKey.h"

#include <algorithm>

IO::IO(Private) {}

IO::~IO() {
    IORegistry::remove(registrySlot());
}

IOPtr IO::makeRegistered() {
    auto record = std::allocate_shared<IO>(RecordAllocator<IO>(), Private());
    const IORegistry::Entry entry = IORegistry::add(record);
    record->m_id = entry.id;
    return record;
}

IOPtr IO::create() {
    IOPtr record = makeRegistered();
    record->setTimeOfEntry(CalendarDate::now());
    record->setDate(Clock::today());
    record->m_includeInStats = 1;
    return record;
}

IOPtr IO::create(const std::optional<Amount>& amount, const std::optional<QDateTime>& date,
                 std::optional<KeywordList> keywords, const std::optional<QString>& comment,
                 std::int8_t includeInStats) {
    IOPtr record = makeRegistered();
    record->setTimeOfEntry(CalendarDate::now());
    record->setAmount(amount.value_or(Amount()));
    if (date && date->isValid()) {
        record->setDate(*date);
    } else {
        record->setDate(Clock::today());
    }
    record->setKeywords(keywords ? std::move(*keywords) : KeywordList());
    record->setComment(comment.value_or(QStringLiteral("")));
    record->setIncludeInStats(includeInStats);
    return record;
}

IOPtr IO::createWithTimeOfEntry(const CalendarDate& timeOfEntry) {
    IOPtr record = makeRegistered();
    record->setTimeOfEntry(timeOfEntry);
    return record;
}

void IO::noteChange(RecordRevision::Field field) const {
    if (m_listed) {
        RecordRevision::advance(field);
    }
}

QDateTime IO::dateTime() const {
    return date().startOfDay();
}

void IO::setTimeOfEntry(const CalendarDate& moment) {
    m_entryMsecs = moment.msecsSinceEpoch();
    m_entryZone = moment.zoneIndex();
}

void IO::setDate(const QDateTime& date) {
    // The day as the date shows it in its own zone; the time is dropped.
    setDate(date.date());
}

void IO::setDate(QDate day) {
    const qint64 julian = day.isValid() ? day.toJulianDay() : qint64(noDay);
    // Days beyond a few million years cannot be entered or stored; keep them out.
    m_day = julian > std::numeric_limits<std::int32_t>::min() && julian <= std::numeric_limits<std::int32_t>::max()
                ? static_cast<std::int32_t>(julian)
                : noDay;
    noteChange(RecordRevision::Date);
}

std::optional<Amount> IO::amount() const {
    if (!m_hasAmount) {
        return std::nullopt;
    }
    return Amount::fromParts(m_amountMantissa, m_amountExponent);
}

void IO::setAmount(const std::optional<Amount>& amount) {
    const Amount value = amount.value_or(Amount());
    m_hasAmount = amount.has_value();
    m_amountMantissa = value.mantissa();
    m_amountExponent = static_cast<std::int16_t>(value.exponent());
    m_amountDouble = value.toDouble();
    noteChange(RecordRevision::Amount);
}

bool IO::setAmountWithDouble(double value) {
    const std::optional<Amount> amount = Amount::fromDouble(value);
    if (!amount) {
        return false;
    }
    setAmount(amount);
    return true;
}

namespace {
// Text without a character from U+0300 on (where combining marks begin) is in
// form C already; most comments are, and need no normalizing copy.
bool isPlainlyNormalized(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x300; });
}
} // namespace

void IO::setComment(const QString& comment) {
    m_comment = comment;
    m_commentIsNormalized = isPlainlyNormalized(comment);
    if (!m_commentIsNormalized) {
        QString normalized = comment.normalized(QString::NormalizationForm_C);
        m_commentIsNormalized = normalized == comment;
        if (!m_commentIsNormalized) {
            rare().normalizedComment = std::move(normalized);
        }
    }
    if (m_commentIsNormalized && m_rare) {
        m_rare->normalizedComment = QString();
        dropRareIfEmpty();
    }
    m_commentPairs = SearchKey::pairMaskOf(normalizedComment());
    noteChange(RecordRevision::Comment);
}

IO::Rare& IO::rare() {
    if (!m_rare) {
        m_rare = std::make_unique<Rare>();
    }
    return *m_rare;
}

void IO::dropRareIfEmpty() {
    if (m_rare && m_rare->normalizedComment.isNull() && m_rare->bankId.isNull()) {
        m_rare.reset();
    }
}

const QString& IO::bankId() const {
    static const QString none;
    return m_rare ? m_rare->bankId : none;
}

void IO::setBankId(const QString& id) {
    if (!id.isEmpty()) {
        rare().bankId = id;
    } else if (m_rare) {
        m_rare->bankId = QString();
        dropRareIfEmpty();
    }
}

void IO::setKeywords(KeywordList keywords) {
    m_keywords = std::move(keywords);
    keywordsChanged();
}

void IO::keywordsChanged() {
    m_keywordMask = keywordMaskOf(m_keywords);
    noteChange(RecordRevision::Keywords);
}

std::uint64_t IO::keywordBit(const Keyword* keyword) {
    // Fibonacci hashing of the address picks one of 64 bits.
    const auto address = reinterpret_cast<std::uintptr_t>(keyword) >> 4;
    return std::uint64_t(1) << ((std::uint64_t(address) * 0x9E3779B97F4A7C15ULL) >> 58);
}

std::uint64_t IO::keywordMaskOf(const KeywordList& keywords) {
    std::uint64_t mask = 0;
    for (const KeywordPtr& keyword : keywords) {
        mask |= keywordBit(keyword.get());
    }
    return mask;
}

bool IO::includesKeyword(const Keyword* keyword) const {
    return std::any_of(m_keywords.begin(), m_keywords.end(),
                       [keyword](const KeywordPtr& carried) { return carried.get() == keyword; });
}

bool IO::includesKeywords(const KeywordList& keywords) const {
    return std::all_of(keywords.begin(), keywords.end(),
                       [this](const KeywordPtr& keyword) { return includesKeyword(keyword.get()); });
}

void IO::addKeyword(const KeywordPtr& keyword) {
    if (!keyword || includesKeyword(keyword.get())) {
        return;
    }
    m_keywords.push_back(keyword);
    keywordsChanged();
}

void IO::insertKeyword(std::size_t index, const KeywordPtr& keyword) {
    if (!keyword || includesKeyword(keyword.get())) {
        return;
    }
    m_keywords.insert(m_keywords.begin() + std::ptrdiff_t(std::min(index, m_keywords.size())), keyword);
    keywordsChanged();
}

std::size_t IO::indexOfKeyword(const Keyword* keyword) const {
    const auto found = std::find_if(m_keywords.begin(), m_keywords.end(),
                                    [keyword](const KeywordPtr& carried) { return carried.get() == keyword; });
    return found == m_keywords.end() ? notFound : std::size_t(found - m_keywords.begin());
}

void IO::deleteKeyword(const Keyword* keyword) {
    const auto found = std::find_if(m_keywords.begin(), m_keywords.end(),
                                    [keyword](const KeywordPtr& carried) { return carried.get() == keyword; });
    if (found == m_keywords.end()) {
        return;
    }
    m_keywords.erase(found);
    keywordsChanged();
}

void IO::addKeywords(const KeywordList& keywords) {
    for (const KeywordPtr& keyword : keywords) {
        addKeyword(keyword);
    }
}

void IO::deleteKeywords(const KeywordList& keywords) {
    for (const KeywordPtr& keyword : keywords) {
        deleteKeyword(keyword.get());
    }
}

QString IO::keywordsAsString() const {
    QString result;
    for (std::size_t i = 0; i < m_keywords.size(); ++i) {
        if (i > 0) {
            result += u", ";
        }
        result += m_keywords[i]->name();
    }
    return result;
}

void IO::setIncludeInStats(std::int8_t include) {
    m_includeInStats = include;
    noteChange(RecordRevision::IncludeInStats);
}

bool IO::includesSearchKey(const QString& key) const {
    return includesSearchKey(SearchKey(key));
}

bool IO::includesSearchKey(const SearchKey& key) const {
    return key.foundIn(normalizedComment());
}
