#include "RenameBookCommand.h"

RenameBookCommand::RenameBookCommand(LibraryDocument& document, BookPtr book, QString name, const QString& text)
    : DocumentCommand(document, text)
    , m_book(std::move(book))
    , m_new(std::move(name))
    , m_old(m_book->bookName()) {}

void RenameBookCommand::rename(const QString& name) {
    framed({LibraryDocument::Change::Books}, [&] {
        m_book->setBookName(name);
        root().sortLists();
        emit document().bookRenamed(m_book);
    });
}

void RenameBookCommand::redo() {
    rename(m_new);
}

void RenameBookCommand::undo() {
    rename(m_old);
}
