#pragma once

#include "DocumentCommand.h"
#include "RecurringRecord.h"

// A recurring record given another template or rule; undoing gives back
// what it had. The last day it entered stays: what was entered stays entered.
class EditRecurringRecordCommand : public DocumentCommand {
public:
    struct Values {
        std::optional<Amount> amount;
        QString comment;
        KeywordList keywords;
        std::int8_t includeInStats = 1;
        RecurrenceRule rule;
        bool operator==(const Values& other) const = default;
    };
    static Values valuesOf(const RecurringRecord& record);

    EditRecurringRecordCommand(LibraryDocument& document, RecurringRecordPtr record, Values values,
                               const QString& text);

    void redo() override { swap(); }
    void undo() override { swap(); }

private:
    void swap();

    RecurringRecordPtr m_record;
    // What the record does not hold while the command is done, or undone.
    Values m_other;
};
