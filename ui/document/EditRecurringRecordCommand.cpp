#include "EditRecurringRecordCommand.h"

EditRecurringRecordCommand::Values EditRecurringRecordCommand::valuesOf(const RecurringRecord& record) {
    return {record.amount(), record.comment(), record.keywords(), record.includeInStats(), record.rule()};
}

EditRecurringRecordCommand::EditRecurringRecordCommand(LibraryDocument& document, RecurringRecordPtr record,
                                                       Values values, const QString& text)
    : DocumentCommand(document, text)
    , m_record(std::move(record))
    , m_other(std::move(values)) {}

void EditRecurringRecordCommand::swap() {
    framed({LibraryDocument::Change::RecurringRecords}, [this] {
        Values leaving = valuesOf(*m_record);
        m_record->setAmount(m_other.amount);
        m_record->setComment(m_other.comment);
        m_record->setKeywords(m_other.keywords);
        m_record->setIncludeInStats(m_other.includeInStats);
        m_record->setRule(m_other.rule);
        m_other = std::move(leaving);
        emit document().recurringRecordsChanged();
    });
}
