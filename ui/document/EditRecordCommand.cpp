#include "EditRecordCommand.h"

EditRecordCommand::EditRecordCommand(LibraryDocument& document, IOPtr record, RecordRevision::Field field, Value value,
                                     const QString& text)
    : DocumentCommand(document, text)
    , m_record(std::move(record))
    , m_field(field)
    , m_new(std::move(value))
    , m_old(valueOf(*m_record, field)) {}

EditRecordCommand::Value EditRecordCommand::valueOf(const IO& record, RecordRevision::Field field) {
    switch (field) {
    case RecordRevision::Date:
        return record.date();
    case RecordRevision::Amount:
        return record.amount();
    case RecordRevision::Comment:
        return record.comment();
    case RecordRevision::IncludeInStats:
        return record.includeInStats();
    case RecordRevision::Keywords:
    case RecordRevision::FieldCount:
        break;
    }
    return {};
}

void EditRecordCommand::store(const Value& value) {
    framed({LibraryDocument::Change::Fields, m_field}, [&] {
        if (const auto* day = std::get_if<QDate>(&value)) {
            m_record->setDate(*day);
        } else if (const auto* amount = std::get_if<std::optional<Amount>>(&value)) {
            m_record->setAmount(*amount);
        } else if (const auto* comment = std::get_if<QString>(&value)) {
            m_record->setComment(*comment);
        } else if (const auto* include = std::get_if<std::int8_t>(&value)) {
            m_record->setIncludeInStats(*include);
        }
        emit document().recordsChanged({m_record}, m_field);
    });
}

void EditRecordCommand::redo() {
    store(m_new);
}

void EditRecordCommand::undo() {
    store(m_old);
}
