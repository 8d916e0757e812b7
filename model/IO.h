#pragma once

#include "Amount.h"
#include "CalendarDate.h"
#include "IORegistry.h"
#include "Keyword.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class IO;
class SearchKey;
using IOPtr = std::shared_ptr<IO>;
using IOList = std::vector<IOPtr>;

// One entry of the ledger: an amount (positive incoming, negative outgoing),
// the day it belongs to, the moment it was made, its keywords, a comment and
// whether it counts in the statistics.
class IO {
    struct Private {
        explicit Private() = default;
    };

public:
    // Made only through the factories, which register the record.
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
    // A sample record with random values.
    static IOPtr randomIO();

    // The live record with this id, or nothing.
    static IOPtr find(IORegistry::Id id) { return IORegistry::find(id); }
    IORegistry::Id recordId() const { return m_id; }
    std::uint32_t registrySlot() const { return m_slot; }

    const CalendarDate& timeOfEntry() const { return m_timeOfEntry; }

    // The record's day. Every date given is reduced to its calendar day.
    QDate date() const { return m_date; }
    // The day as a date-time: 00:00:00 in the current zone.
    QDateTime dateTime() const;
    void setDate(const QDateTime& date);
    void setDate(QDate day);

    std::optional<Amount> amount() const;
    void setAmount(const std::optional<Amount>& amount);
    // Not-a-number and infinities have no decimal value: the amount stays as it was.
    bool setAmountWithDouble(double value);
    double amountAsDouble() const { return m_amountDouble; }

    const QString& comment() const { return m_comment; }
    void setComment(const QString& comment);
    // The comment in normalization form C, for searching and sorting.
    QStringView normalizedComment() const {
        return m_commentIsNormalized ? QStringView(m_comment) : QStringView(*m_normalizedComment);
    }

    const KeywordList& keywords() const { return m_keywords; }
    void setKeywords(KeywordList keywords);
    bool includesKeyword(const Keyword* keyword) const;
    bool includesKeyword(const KeywordPtr& keyword) const { return includesKeyword(keyword.get()); }
    bool includesKeywords(const KeywordList& keywords) const;
    void addKeyword(const KeywordPtr& keyword);
    void deleteKeyword(const Keyword* keyword);
    void addKeywords(const KeywordList& keywords);
    void deleteKeywords(const KeywordList& keywords);
    QString keywordsAsString() const;

    std::int8_t includeInStats() const { return m_includeInStats; }
    void setIncludeInStats(std::int8_t include);

    bool includesSearchKey(const QString& key) const;
    bool includesSearchKey(const SearchKey& key) const;

    QString description() const;

    // Set once the record stands in a book. Until then its edits cannot
    // change any book's order, so they do not count as record changes.
    bool isListed() const { return m_listed; }
    void markListed() { m_listed = true; }

private:
    void noteChange() const;

    static IOPtr makeRegistered();

    // Fields read by every filtering and totalling pass come first, to share a cache line.
    double m_amountDouble = 0.0;
    std::int8_t m_includeInStats = 0;
    bool m_hasAmount = false;
    bool m_listed = false;
    bool m_commentIsNormalized = true;
    QString m_comment;
    KeywordList m_keywords;
    // Only for a comment that is not already in form C.
    std::unique_ptr<QString> m_normalizedComment;
    QDate m_date;
    Amount m_amount;
    CalendarDate m_timeOfEntry;
    IORegistry::Id m_id = 0;
    std::uint32_t m_slot = 0;
};
