#include "BookListController.h"

#include "CustomTableView.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMetaObject>

BookListController::BookListController(DataRootPtr root, CustomTableView* bookListView, QObject* parent)
    : QObject(parent)
    , m_root(std::move(root))
    , m_view(bookListView)
    , m_model(new BookListModel(m_root, this)) {
    m_view->setModel(m_model);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::SelectedClicked);
    m_view->setDragEnabled(true);
    m_view->setAcceptDrops(true);
    m_view->setDropIndicatorShown(true);
    m_view->setDragDropMode(QAbstractItemView::DragDrop);
    m_view->setDefaultDropAction(Qt::CopyAction);
    // A drop lands on the row under the pointer; there is nothing between rows.
    m_view->setDragDropOverwriteMode(true);

    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &BookListController::tableViewSelectionDidChange);
    connect(m_view, &CustomTableView::deleteRowsRequested, this, &BookListController::deleteSelectedBook);
    connect(m_model, &BookListModel::bookRenamed, this, &BookListController::bookRenamed);
    connect(m_model, &BookListModel::recordsDropped, this, &BookListController::recordsDropped);

    m_selectedBook = m_root->mainLibrary();
    selectRow(0);
}

void BookListController::selectRow(int row) {
    const QModelIndex index = m_model->index(row, 0);
    if (!index.isValid()) {
        return;
    }
    m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void BookListController::tableViewSelectionDidChange() {
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        // A click into the empty part of the list, or a reload: the list never goes without a book.
        const std::size_t row = rowOfBook(m_selectedBook.get());
        selectRow(row == BookListModel::notFound ? qMin(m_selectedRow, m_model->rowCount() - 1) : int(row));
        return;
    }
    m_selectedRow = rows.first().row();
    const BookPtr book = bookAtRow(m_selectedRow);
    if (book == m_selectedBook) {
        return;
    }
    m_selectedBook = book;
    emit selectionChanged();
}

bool BookListController::reloadRows() {
    const BookPtr before = m_selectedBook;
    m_model->reload();
    const std::size_t row = rowOfBook(before.get());
    if (row != BookListModel::notFound) {
        selectRow(int(row));
        m_selectedRow = int(row);
        return false;
    }
    // The selected book is gone: the row that took its place (or the last one) is selected.
    selectRow(qMin(m_selectedRow, m_model->rowCount() - 1));
    return m_selectedBook != before;
}

void BookListController::reloadData() {
    reloadRows();
}

void BookListController::editBook(const BookPtr& book) {
    const std::size_t row = rowOfBook(book.get());
    if (row == BookListModel::notFound) {
        return;
    }
    selectRow(int(row));
    m_view->setFocus();
    m_view->edit(m_model->index(int(row), 0));
}

void BookListController::showNewBook(const BookPtr& book) {
    reloadData();
    editBook(book);
}

void BookListController::deleteSelectedBook() {
    const BookPtr book = m_selectedBook;
    if (book && book != m_root->mainLibrary()) {
        m_root->deleteBook(book.get());
    }
    // Even with nothing deleted the selection starts afresh, as after any deletion.
    if (!reloadRows()) {
        emit selectionChanged();
    }
}

void BookListController::bookRenamed() {
    m_root->sortLists();
    // Later: the editor that committed the name is still closing.
    QMetaObject::invokeMethod(this, &BookListController::reloadData, Qt::QueuedConnection);
}

void BookListController::recordsDropped(const BookPtr& book) {
    if (book == m_selectedBook) {
        emit dataNeedsReloading();
    }
}
