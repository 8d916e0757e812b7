#pragma once

#include "BookListModel.h"
#include "DataRoot.h"
#include "SmartBook.h"

#include <QObject>

class CustomTableView;

// The book list on the left of the main window. Exactly one row is always
// selected: the book whose records the record table and the statistics show.
class BookListController : public QObject {
    Q_OBJECT

public:
    BookListController(DataRootPtr root, BookListModel* model, CustomTableView* bookListView,
                       QObject* parent = nullptr);

    // Reads every row again; the selected book stays selected where it still exists.
    void reloadData();
    // After books left the list (a deletion, an undo, another library): the
    // selected book stays selected; when it went, a book of the same name and
    // kind (from a restored library), or the one in its place.
    void followLibrary();
    BookPtr bookAtRow(int row) const { return m_model->bookAtRow(row); }
    std::size_t rowOfBook(const Book* book) const { return m_model->rowOfBook(book); }
    BookPtr selectedBook() const { return m_selectedBook; }
    // Selects the book's row; nothing happens for a book the library does not list.
    void selectBook(const BookPtr& book);
    // Selects the book and opens its name for typing.
    void editBook(const BookPtr& book);
    // Adds a new plain book to the library, selected and with its name open for typing.
    void addDumbBook(const BookPtr& book);
    // Deletes the selected book without asking; the main library cannot be deleted.
    void deleteSelectedBook();
    // Says what Delete would do with the selected book (deleteStateChanged).
    void announceDeleteState();

signals:
    // Another book is selected (or the selection was asked to start afresh).
    void selectionChanged();
    // Whether the selected book can be deleted, and what Delete would do or why it cannot.
    void deleteStateChanged(bool enabled, const QString& toolTip);
    // A double-click or the context menu asked for a smart book's conditions.
    void smartBookConditionsRequested(const SmartBookPtr& book);

private:
    void selectRow(int row);
    void onSelectionChanged();
    // After the rows were read again: the book that was selected, or the row that took its place.
    void restoreSelection(const BookPtr& before);
    // Where the selected book stands before rows go.
    void noteSelectedRow();
    void bookDoubleClicked(const QModelIndex& index);
    void showBookMenu(const QPoint& at);
    SmartBookPtr smartBookAt(const QModelIndex& index) const;

    DataRootPtr m_root;
    BookListModel* m_model;
    CustomTableView* m_view;
    BookPtr m_selectedBook;
    int m_selectedRow = 0;
};
