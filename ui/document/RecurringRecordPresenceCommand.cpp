#include "RecurringRecordPresenceCommand.h"

RecurringRecordPresenceCommand::RecurringRecordPresenceCommand(LibraryDocument& document, RecurringRecordPtr record,
                                                               Action action, const QString& text)
    : DocumentCommand(document, text)
    , m_record(std::move(record))
    , m_action(action)
    , m_index(action == Action::Remove ? root().indexOfRecurringRecord(m_record.get())
                                       : root().recurringRecords().size()) {}

void RecurringRecordPresenceCommand::apply(bool present) {
    framed({LibraryDocument::Change::RecurringRecords}, [&] {
        if (present) {
            root().insertRecurringRecord(m_index, m_record);
        } else {
            root().removeRecurringRecord(m_record.get());
        }
        emit document().recurringRecordsChanged();
    });
}

void RecurringRecordPresenceCommand::redo() {
    apply(m_action == Action::Add);
}

void RecurringRecordPresenceCommand::undo() {
    apply(m_action != Action::Add);
}
