#pragma once

#include "DocumentCommand.h"

// A recurring record added to the library or removed from it; undoing does
// the other. The object survives both, with the last day it entered.
class RecurringRecordPresenceCommand : public DocumentCommand {
public:
    enum class Action { Add, Remove };

    // Added at the end; removed from where it stands.
    RecurringRecordPresenceCommand(LibraryDocument& document, RecurringRecordPtr record, Action action,
                                   const QString& text);

    void redo() override;
    void undo() override;

private:
    void apply(bool present);

    RecurringRecordPtr m_record;
    Action m_action;
    std::size_t m_index;
};
