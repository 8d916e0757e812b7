#pragma once

#include "IO.h"
#include "RecurrenceRule.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

class RecurringRecord;
using RecurringRecordPtr = std::shared_ptr<RecurringRecord>;
using RecurringRecordList = std::vector<RecurringRecordPtr>;

// A record entered again and again: the template (amount, comment, keywords,
// counted in statistics or not) and the rule of its days. It remembers the
// last day up to which its occurrences were entered; only days after it fall
// due, so an occurrence is entered once, however often kesh starts, and a
// clock set back finds nothing due again. Its keywords are the library's own.
class RecurringRecord {
public:
    RecurringRecord() = default;
    RecurringRecord(const RecurringRecord&) = delete;
    RecurringRecord& operator=(const RecurringRecord&) = delete;

    static RecurringRecordPtr create();
    // The template of the record: its amount, comment, keywords and counting.
    static RecurringRecordPtr fromRecord(const IO& record);

    const std::optional<Amount>& amount() const { return m_amount; }
    void setAmount(const std::optional<Amount>& amount) { m_amount = amount; }
    const QString& comment() const { return m_comment; }
    void setComment(const QString& comment) { m_comment = comment; }
    const KeywordList& keywords() const { return m_keywords; }
    void setKeywords(KeywordList keywords) { m_keywords = std::move(keywords); }
    std::int8_t includeInStats() const { return m_includeInStats; }
    void setIncludeInStats(std::int8_t include) { m_includeInStats = include; }
    const RecurrenceRule& rule() const { return m_rule; }
    void setRule(const RecurrenceRule& rule) { m_rule = rule; }

    // Invalid while nothing was entered.
    QDate lastEntered() const { return m_lastEntered; }
    void setLastEntered(QDate day) { m_lastEntered = day; }

    // The first day after the last entered one it falls on; invalid when it has ended.
    QDate nextDue() const;
    // The days after the last entered one up to `today`.
    QList<QDate> dueDays(QDate today) const;
    // A new record of the template on `day`.
    IOPtr makeRecord(QDate day) const;
    // The same, made at `madeAt`: asking the clock and the zone once for many
    // records spares a look at the system's zone files for each.
    IOPtr makeRecord(QDate day, const CalendarDate& madeAt) const;

private:
    std::optional<Amount> m_amount;
    QString m_comment;
    KeywordList m_keywords;
    std::int8_t m_includeInStats = 1;
    RecurrenceRule m_rule;
    QDate m_lastEntered;
};
