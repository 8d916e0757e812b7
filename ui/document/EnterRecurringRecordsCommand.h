#pragma once

#include "DocumentCommand.h"
#include "RecordPlacement.h"
#include "RecurringRecord.h"

// The occurrences due go into the main library, and each recurring record
// moves its last entered day, in one change: undoing takes out exactly these
// records and gives back the days before, so that they fall due again.
class EnterRecurringRecordsCommand : public DocumentCommand {
public:
    struct Moved {
        RecurringRecordPtr record;
        QDate lastEntered; // the other day: after while undone, before while done
    };

    // `records` are not in the library yet.
    EnterRecurringRecordsCommand(LibraryDocument& document, IOList records, std::vector<Moved> moved,
                                 const QString& text);

    void redo() override;
    void undo() override;

private:
    void swapDays();

    IOList m_records;
    std::vector<Moved> m_moved;
    RecordPlacement m_placement;
};
