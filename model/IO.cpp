#include "IO.h"

#include "Clock.h"
#include "DateUtility.h"
#include "RecordRevision.h"
#include "SearchKey.h"

#include <algorithm>
#include <cstdlib>

IO::IO(Private) {}

IO::~IO() {
    IORegistry::remove(m_slot);
}

IOPtr IO::makeRegistered() {
    auto record = std::make_shared<IO>(Private());
    const IORegistry::Entry entry = IORegistry::add(record);
    record->m_id = entry.id;
    record->m_slot = entry.slot;
    return record;
}

IOPtr IO::create() {
    IOPtr record = makeRegistered();
    record->m_timeOfEntry = CalendarDate::now();
    record->setDate(Clock::today());
    record->m_includeInStats = 1;
    return record;
}

IOPtr IO::create(const std::optional<Amount>& amount, const std::optional<QDateTime>& date,
                 std::optional<KeywordList> keywords, const std::optional<QString>& comment,
                 std::int8_t includeInStats) {
    IOPtr record = makeRegistered();
    record->m_timeOfEntry = CalendarDate::now();
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
    record->m_timeOfEntry = timeOfEntry;
    return record;
}

IOPtr IO::randomIO() {
    IOPtr record = create();
    const int r = std::rand();
    record->setAmountWithDouble(r % 100 - 50);
    record->setDate(DateUtility::dateWithoutHours(Clock::now()));
    record->setComment(QStringLiteral("random"));
    const int r2 = std::rand();
    record->setIncludeInStats(static_cast<std::int8_t>(r2 % 2));
    return record;
}

void IO::noteChange() const {
    if (m_listed) {
        RecordRevision::advance();
    }
}

QDateTime IO::dateTime() const {
    return m_date.startOfDay();
}

void IO::setDate(const QDateTime& date) {
    // The day as the date shows it in its own zone; the time is dropped.
    setDate(date.date());
}

void IO::setDate(QDate day) {
    m_date = day;
    noteChange();
}

std::optional<Amount> IO::amount() const {
    if (!m_hasAmount) {
        return std::nullopt;
    }
    return m_amount;
}

void IO::setAmount(const std::optional<Amount>& amount) {
    m_hasAmount = amount.has_value();
    m_amount = amount.value_or(Amount());
    m_amountDouble = m_amount.toDouble();
    noteChange();
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
    m_comment = comment;
    QString normalized = comment.normalized(QString::NormalizationForm_C);
    m_commentIsNormalized = normalized == comment;
    if (m_commentIsNormalized) {
        m_normalizedComment.reset();
    } else {
        m_normalizedComment = std::make_unique<QString>(std::move(normalized));
    }
    noteChange();
}

void IO::setKeywords(KeywordList keywords) {
    m_keywords = std::move(keywords);
    noteChange();
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
    noteChange();
}

void IO::deleteKeyword(const Keyword* keyword) {
    const auto found = std::find_if(m_keywords.begin(), m_keywords.end(),
                                    [keyword](const KeywordPtr& carried) { return carried.get() == keyword; });
    if (found == m_keywords.end()) {
        return;
    }
    m_keywords.erase(found);
    noteChange();
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
    noteChange();
}

bool IO::includesSearchKey(const QString& key) const {
    return includesSearchKey(SearchKey(key));
}

bool IO::includesSearchKey(const SearchKey& key) const {
    return key.foundIn(normalizedComment());
}

QString IO::description() const {
    const QDateTime day = dateTime();
    const int offsetMinutes = day.offsetFromUtc() / 60;
    const QString dateText = day.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss ")) +
                             QString::asprintf("%c%02d%02d", offsetMinutes < 0 ? '-' : '+',
                                               std::abs(offsetMinutes) / 60, std::abs(offsetMinutes) % 60);
    return QStringLiteral("Amount:'%1' Date:'%2' Keywords:'%3' Comment:'%4' Include:'%5'")
        .arg(QString::asprintf("%lf", amountAsDouble()), dateText, keywordsAsString(), m_comment,
             QString::number(m_includeInStats));
}
