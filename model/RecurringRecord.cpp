#include "RecurringRecord.h"

RecurringRecordPtr RecurringRecord::create() {
    return std::make_shared<RecurringRecord>();
}

RecurringRecordPtr RecurringRecord::fromRecord(const IO& record) {
    RecurringRecordPtr made = create();
    made->setAmount(record.amount());
    made->setComment(record.comment());
    made->setKeywords(record.keywords());
    made->setIncludeInStats(record.includeInStats());
    return made;
}

QDate RecurringRecord::nextDue() const {
    // Before anything was entered, the start day itself is due.
    return m_rule.nextAfter(m_lastEntered.isValid() ? m_lastEntered : m_rule.start().addDays(-1));
}

QList<QDate> RecurringRecord::dueDays(QDate today) const {
    if (!m_rule.isValid() || !today.isValid()) {
        return {};
    }
    return m_rule.daysBetween(m_lastEntered.isValid() ? m_lastEntered : m_rule.start().addDays(-1), today);
}

IOPtr RecurringRecord::makeRecord(QDate day) const {
    return makeRecord(day, CalendarDate::now());
}

IOPtr RecurringRecord::makeRecord(QDate day, const CalendarDate& madeAt) const {
    IOPtr record = IO::createWithTimeOfEntry(madeAt);
    record->setDate(day);
    record->setAmount(m_amount);
    record->setComment(m_comment);
    if (!m_keywords.empty()) {
        record->setKeywords(m_keywords);
    }
    record->setIncludeInStats(m_includeInStats);
    return record;
}
