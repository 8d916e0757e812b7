#pragma once

#include "DocumentCommand.h"
#include "RecordPlacement.h"

// Records go into a book: entered, imported or dropped. Undoing takes out
// exactly these records; redoing puts the same objects back where they were.
class AddRecordsCommand : public DocumentCommand {
public:
    // `records` are not in the book yet.
    AddRecordsCommand(LibraryDocument& document, BookPtr book, IOList records, const QString& text);

    void redo() override;
    void undo() override;

private:
    BookPtr m_book;
    IOList m_records;
    RecordPlacement m_placement;
};
