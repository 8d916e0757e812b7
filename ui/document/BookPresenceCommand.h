#pragma once

#include "DocumentCommand.h"

// A book added to the library or deleted from it; undoing does the other.
// The book object itself, with its records and conditions, survives both.
class BookPresenceCommand : public DocumentCommand {
public:
    enum class Action { Add, Delete };

    BookPresenceCommand(LibraryDocument& document, BookPtr book, Action action, const QString& text);

    void redo() override;
    void undo() override;

private:
    void add();
    void remove();

    BookPtr m_book;
    Action m_action;
    // The library drops a deleted smart book's tree; it comes back with the book.
    ConditionPtr m_conditions;
    // Where the book stood in its list when it was taken out; a book of the
    // same name keeps its place beside it.
    std::size_t m_index = DataRoot::notFound;
};
