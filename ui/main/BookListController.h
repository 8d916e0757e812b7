#pragma once

#include "BookListModel.h"
#include "DataRoot.h"

#include <QObject>

class CustomTableView;

// The book list on the left of the main window. Exactly one row is always
// selected: the book whose records the record table and the statistics show.
class BookListController : public QObject {
    Q_OBJECT

public:
    BookListController(DataRootPtr root, CustomTableView* bookListView, QObject* parent = nullptr);

    CustomTableView* bookListView() const { return m_view; }
    BookListModel* model() const { return m_model; }

    // Reads every row again; the selected book stays selected where it still exists.
    void reloadData();
    BookPtr bookAtRow(int row) const { return m_model->bookAtRow(row); }
    std::size_t rowOfBook(const Book* book) const { return m_model->rowOfBook(book); }
    BookPtr selectedBook() const { return m_selectedBook; }
    // Selects the book and opens its name for typing.
    void editBook(const BookPtr& book);
    // A new book was added to the library: list it, select it, open its name.
    void showNewBook(const BookPtr& book);
    // Deletes the selected book, unless it is the main library; no confirmation.
    void deleteSelectedBook();

signals:
    // Another book is selected (or the selection was asked to start afresh).
    void selectionChanged();
    // Records were dropped onto the selected book.
    void dataNeedsReloading();

private:
    void selectRow(int row);
    void tableViewSelectionDidChange();
    // Returns whether the selected book changed.
    bool reloadRows();
    void bookRenamed();
    void recordsDropped(const BookPtr& book);

    DataRootPtr m_root;
    CustomTableView* m_view;
    BookListModel* m_model;
    BookPtr m_selectedBook;
    int m_selectedRow = 0;
};
