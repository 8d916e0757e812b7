#pragma once

#include "DocumentCommand.h"

#include <variant>

// One field of one record gets a new value; undoing gives the old one back.
class EditRecordCommand : public DocumentCommand {
public:
    using Value = std::variant<QDate, std::optional<Amount>, QString, std::int8_t>;

    EditRecordCommand(LibraryDocument& document, IOPtr record, RecordRevision::Field field, Value value,
                      const QString& text);

    void redo() override;
    void undo() override;

    static Value valueOf(const IO& record, RecordRevision::Field field);

private:
    void store(const Value& value);

    IOPtr m_record;
    RecordRevision::Field m_field;
    Value m_new;
    Value m_old;
};
