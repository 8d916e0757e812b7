#include "IO.h"

#include "Clock.h"
#include "RecordPool.h"
#include "RecordRevision.h"
#include "RecordSharingScope.h"
#include "SearchKey.h"

#include <algorithm>

// Every byte here is a megabyte of a lifetime of records.
static_assert(sizeof(void*) != 8 || sizeof(IO) <= 64, "a record grew");

IO::IO(Private) {}

IO::~IO() = default;

IOPtr IO::make() {
    return std::allocate_shared<IO>(RecordAllocator<IO>(), Private());
}

IOPtr IO::create() {
    IOPtr record = make();
    record->setTimeOfEntry(CalendarDate::now());
    record->setDate(Clock::today());
    record->m_includeInStats = 1;
    return record;
}

IOPtr IO::create(const std::optional<Amount>& amount, const std::optional<QDateTime>& date,
                 std::optional<KeywordList> keywords, const std::optional<QString>& comment,
                 std::int8_t includeInStats) {
    IOPtr record = make();
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
    IOPtr record = make();
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

void IO::setComment(const QString& comment) {
    // The same text again keeps the texts shared with other records.
    const QString& current = this->comment();
    if (comment.isNull() != current.isNull() || comment != current) {
        RecordSharingScope* sharing = RecordSharingScope::current();
        m_texts = sharing && bankId().isEmpty() ? sharing->share(comment) : m_texts.withComment(comment);
    }
    m_commentPairs = m_texts.commentPairMask();
    noteChange(RecordRevision::Comment);
}

void IO::setBankId(const QString& id) {
    if (id != bankId()) {
        m_texts = m_texts.withBankId(id);
    }
}

void IO::setTexts(RecordTexts texts) {
    const bool commentChanged = !texts.sharesWith(m_texts);
    m_texts = std::move(texts);
    m_commentPairs = m_texts.commentPairMask();
    if (commentChanged) {
        noteChange(RecordRevision::Comment);
    }
}

void IO::setKeywords(KeywordList keywords) {
    replaceKeywords(std::move(keywords));
}

void IO::replaceKeywords(KeywordList keywords) {
    // A new list, never the shared one changed: other records may hold it.
    RecordSharingScope* sharing = RecordSharingScope::current();
    m_keywords = sharing ? sharing->share(std::move(keywords)) : KeywordSet(std::move(keywords));
    keywordsChanged();
}

void IO::setKeywordSet(KeywordSet keywords) {
    m_keywords = std::move(keywords);
    keywordsChanged();
}

void IO::setReadParts(KeywordSet keywords, std::uint64_t keywordMask, RecordTexts texts, std::uint32_t commentPairs) {
    m_keywords = std::move(keywords);
    m_keywordMask = keywordMask;
    m_texts = std::move(texts);
    m_commentPairs = commentPairs;
}

void IO::keywordsChanged() {
    m_keywordMask = m_keywords.mask();
    noteChange(RecordRevision::Keywords);
}

std::uint64_t IO::keywordBit(const Keyword* keyword) {
    return KeywordSet::bitOf(keyword);
}

std::uint64_t IO::keywordMaskOf(const KeywordList& keywords) {
    return KeywordSet::maskOf(keywords);
}

bool IO::includesKeyword(const Keyword* keyword) const {
    const KeywordList& carried = keywords();
    return std::any_of(carried.begin(), carried.end(),
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
    KeywordList changed = keywords();
    changed.push_back(keyword);
    replaceKeywords(std::move(changed));
}

void IO::insertKeyword(std::size_t index, const KeywordPtr& keyword) {
    if (!keyword || includesKeyword(keyword.get())) {
        return;
    }
    KeywordList changed = keywords();
    changed.insert(changed.begin() + std::ptrdiff_t(std::min(index, changed.size())), keyword);
    replaceKeywords(std::move(changed));
}

std::size_t IO::indexOfKeyword(const Keyword* keyword) const {
    const KeywordList& carried = keywords();
    const auto found = std::find_if(carried.begin(), carried.end(),
                                    [keyword](const KeywordPtr& each) { return each.get() == keyword; });
    return found == carried.end() ? notFound : std::size_t(found - carried.begin());
}

void IO::deleteKeyword(const Keyword* keyword) {
    const std::size_t index = indexOfKeyword(keyword);
    if (index == notFound) {
        return;
    }
    KeywordList changed = keywords();
    changed.erase(changed.begin() + std::ptrdiff_t(index));
    replaceKeywords(std::move(changed));
}

// One new list for the lot; `keywords` may be this record's own list.
void IO::addKeywords(const KeywordList& keywords) {
    KeywordList changed = this->keywords();
    for (const KeywordPtr& keyword : keywords) {
        if (keyword && std::find(changed.begin(), changed.end(), keyword) == changed.end()) {
            changed.push_back(keyword);
        }
    }
    if (changed.size() != this->keywords().size()) {
        replaceKeywords(std::move(changed));
    }
}

void IO::deleteKeywords(const KeywordList& keywords) {
    KeywordList changed = this->keywords();
    const auto kept = std::remove_if(changed.begin(), changed.end(), [&keywords](const KeywordPtr& carried) {
        return std::find(keywords.begin(), keywords.end(), carried) != keywords.end();
    });
    if (kept != changed.end()) {
        changed.erase(kept, changed.end());
        replaceKeywords(std::move(changed));
    }
}

QString IO::keywordsAsString() const {
    const KeywordList& carried = keywords();
    QString result;
    for (std::size_t i = 0; i < carried.size(); ++i) {
        if (i > 0) {
            result += u", ";
        }
        result += carried[i]->name();
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
