#pragma once

#include "DocumentCommand.h"

// A book's new name; the book lists are sorted by name again.
class RenameBookCommand : public DocumentCommand {
public:
    RenameBookCommand(LibraryDocument& document, BookPtr book, QString name, const QString& text);

    void redo() override;
    void undo() override;

private:
    void rename(const QString& name);

    BookPtr m_book;
    QString m_new;
    QString m_old;
};
