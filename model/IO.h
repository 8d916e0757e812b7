#pragma once

#include "Amount.h"
#include "CalendarDate.h"
#include "Keyword.h"
#include "KeywordSet.h"
#include "RecordPool.h"
#include "RecordRevision.h"
#include "RecordTexts.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

class IO;
class SearchKey;
using IOPtr = std::shared_ptr<IO>;
using IOList = std::vector<IOPtr>;
// Records held without keeping them alive: a drag carries these.
using IOWeakList = std::vector<std::weak_ptr<IO>>;

// One entry of the ledger: an amount (positive incoming, negative outgoing),
// the day it belongs to, the moment it was made, its keywords, a comment and
// whether it counts in the statistics.
class IO {
    struct Private {
        explicit Private() = default;
    };

public:
    static constexpr std::size_t notFound = std::size_t(-1);

    // Made only through the factories, which keep records together in their pool.
    explicit IO(Private);
    ~IO();
    IO(const IO&) = delete;
    IO& operator=(const IO&) = delete;

    // A blank record: made now, dated today, no amount, no keywords, no comment, counted.
    static IOPtr create();
    // Absent values become 0, today, no keywords and "".
    static IOPtr create(const std::optional<Amount>& amount, const std::optional<QDateTime>& date,
                        std::optional<KeywordList> keywords, const std::optional<QString>& comment,
                        std::int8_t includeInStats);
    // A record as the data file rebuilds it: only the time of entry is set.
    static IOPtr createWithTimeOfEntry(const CalendarDate& timeOfEntry);

    // A small number no other live record has, for tables indexed by record.
    std::uint32_t poolSlot() const { return RecordPool::slotOf(this); }

    CalendarDate timeOfEntry() const { return CalendarDate(m_entryMsecs, m_entryZone); }

    // The record's day. Every date given is reduced to its calendar day.
    QDate date() const { return m_day == noDay ? QDate() : QDate::fromJulianDay(m_day); }
    // The day as a date-time: 00:00:00 in the current zone.
    QDateTime dateTime() const;
    void setDate(const QDateTime& date);
    void setDate(QDate day);

    std::optional<Amount> amount() const;
    void setAmount(const std::optional<Amount>& amount);
    // Not-a-number and infinities have no decimal value: the amount stays as it was.
    bool setAmountWithDouble(double value);
    double amountAsDouble() const { return m_amountDouble; }

    const QString& comment() const { return m_texts.comment(); }
    void setComment(const QString& comment);
    // The comment in normalization form C, for searching and sorting.
    QStringView normalizedComment() const { return m_texts.normalizedComment(); }
    // Which pairs of adjacent characters the comment holds (SearchKey::pairMaskOf):
    // a comment that lacks a pair of the key cannot contain the key.
    std::uint32_t commentPairMask() const { return m_commentPairs; }

    // The id the record's bank gave it, or empty. Set when a statement is
    // imported, never edited; an import takes a known id for a duplicate.
    const QString& bankId() const { return m_texts.bankId(); }
    void setBankId(const QString& id);
    // Comment and bank id at once, as another record holds them: records
    // that say the same keep one copy.
    const RecordTexts& texts() const { return m_texts; }
    void setTexts(RecordTexts texts);

    const KeywordList& keywords() const { return m_keywords.list(); }
    void setKeywords(KeywordList keywords);
    // The keywords as another record holds them, shared rather than copied.
    const KeywordSet& keywordSet() const { return m_keywords; }
    void setKeywordSet(KeywordSet keywords);
    // For a record being read, before it stands anywhere: keywords and texts
    // with the masks the reader worked out once for all records sharing them.
    void setReadParts(KeywordSet keywords, std::uint64_t keywordMask, RecordTexts texts, std::uint32_t commentPairs);
    bool includesKeyword(const Keyword* keyword) const;
    bool includesKeyword(const KeywordPtr& keyword) const { return includesKeyword(keyword.get()); }
    bool includesKeywords(const KeywordList& keywords) const;
    // One bit per keyword (by identity, hashed): a record whose mask lacks a
    // bit of `mask` cannot carry all of those keywords. Lets a filter skip
    // most records without reading their keyword lists.
    std::uint64_t keywordMask() const { return m_keywordMask; }
    static std::uint64_t keywordMaskOf(const KeywordList& keywords);
    static std::uint64_t keywordBit(const Keyword* keyword);
    void addKeyword(const KeywordPtr& keyword);
    // Puts the keyword back where it stood (at the end when `index` is past it); nothing if carried.
    void insertKeyword(std::size_t index, const KeywordPtr& keyword);
    // Where the keyword stands in the list, or notFound.
    std::size_t indexOfKeyword(const Keyword* keyword) const;
    void deleteKeyword(const Keyword* keyword);
    void addKeywords(const KeywordList& keywords);
    void deleteKeywords(const KeywordList& keywords);
    QString keywordsAsString() const;

    std::int8_t includeInStats() const { return m_includeInStats; }
    void setIncludeInStats(std::int8_t include);

    bool includesSearchKey(const QString& key) const;
    bool includesSearchKey(const SearchKey& key) const;

    // Set once the record stands in a book. Until then its edits cannot
    // change any book's order, so they do not count as record changes.
    bool isListed() const { return m_listed; }
    void markListed() { m_listed = true; }

private:
    static IOPtr make();
    void setTimeOfEntry(const CalendarDate& moment);
    void noteChange(RecordRevision::Field field) const;
    void keywordsChanged();
    void replaceKeywords(KeywordList keywords);

    static constexpr std::int32_t noDay = std::numeric_limits<std::int32_t>::min();

    // A pass over every record (filtering, totals) reads only these fields:
    // with the shared-pointer header they fill the first 48 bytes of the 80.
    double m_amountDouble = 0.0;
    RecordTexts m_texts;
    std::uint64_t m_keywordMask = 0;
    std::uint32_t m_commentPairs = 0;
    std::int8_t m_includeInStats = 0;
    bool m_hasAmount = false;
    bool m_listed = false;

    // The rest. Comment and keywords are shared with records that carry the
    // same, which keeps a record, header and all, at 80 bytes.
    std::int64_t m_amountMantissa = 0;
    std::int64_t m_entryMsecs = CalendarDate().msecsSinceEpoch();
    std::int32_t m_day = noDay;
    std::int16_t m_amountExponent = 0;
    TimeZoneTable::Index m_entryZone = 0;
    KeywordSet m_keywords;
};
