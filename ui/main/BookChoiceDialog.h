#pragma once

#include "Book.h"

#include <QDialog>

class QListWidget;
class QPushButton;

// Records › Add to Book…: the plain books to add the selected records to,
// the way dropping them on a book does, for those who work from the keyboard.
// Typing a name's first letters picks the book; Return adds.
class BookChoiceDialog : public QDialog {
    Q_OBJECT

public:
    BookChoiceDialog(std::vector<BookPtr> books, int recordCount, QWidget* parent = nullptr);

    // The book chosen when the dialog was accepted; null otherwise.
    BookPtr chosenBook() const;

private:
    std::vector<BookPtr> m_books;
    QListWidget* m_list = nullptr;
    QPushButton* m_addButton = nullptr;
};
