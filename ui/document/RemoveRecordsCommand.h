#pragma once

#include "DocumentCommand.h"
#include "RecordPlacement.h"

// Records leave books: the main library's deletion takes them out of every
// book, a plain book's only out of that book. Undoing puts the same record
// objects back into every book they left, at their places.
class RemoveRecordsCommand : public DocumentCommand {
public:
    RemoveRecordsCommand(LibraryDocument& document, std::vector<BookPtr> books, const IOList& records,
                         const QString& text);

    void redo() override;
    void undo() override;

private:
    std::vector<BookPtr> m_books;
    QSet<const IO*> m_records;
    RecordPlacement m_placement;
};
