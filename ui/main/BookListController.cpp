#include "BookListController.h"

#include "CustomTableView.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

BookListController::BookListController(DataRootPtr root, BookListModel* model, CustomTableView* bookListView,
                                       QObject* parent)
    : QObject(parent)
    , m_root(std::move(root))
    , m_model(model)
    , m_view(bookListView) {
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &BookListController::onSelectionChanged);
    connect(m_view, &CustomTableView::deleteRowsRequested, this, &BookListController::deleteSelectedBook);
    connect(m_model, &QAbstractItemModel::rowsAboutToBeRemoved, this, &BookListController::noteSelectedRow);
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, &BookListController::noteSelectedRow);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &BookListController::followLibrary);
    connect(m_model, &QAbstractItemModel::modelReset, this, &BookListController::followLibrary);
    // A renamed book is named in what Delete would do.
    connect(m_model, &QAbstractItemModel::dataChanged, this, &BookListController::announceDeleteState);
    connect(m_view, &QAbstractItemView::doubleClicked, this, &BookListController::bookDoubleClicked);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, &BookListController::showBookMenu);

    m_selectedBook = m_root->mainLibrary();
    selectRow(0);
    announceDeleteState();
}

void BookListController::selectRow(int row) {
    const QModelIndex index = m_model->index(row, 0);
    if (!index.isValid()) {
        return;
    }
    m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void BookListController::onSelectionChanged() {
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
    announceDeleteState();
    emit selectionChanged();
}

void BookListController::announceDeleteState() {
    if (m_selectedBook == m_root->mainLibrary()) {
        emit deleteStateChanged(false, tr("The library holds every record and cannot be deleted."));
    } else {
        emit deleteStateChanged(
            true, tr("Deletes the book “%1”. Its records stay in the library.").arg(m_selectedBook->bookName()));
    }
}

void BookListController::restoreSelection(const BookPtr& before) {
    const std::size_t row = rowOfBook(before.get());
    if (row != BookListModel::notFound) {
        selectRow(int(row));
        m_selectedRow = int(row);
        return;
    }
    // Another library took the place of this one (a restore, or its undo): the book of the same name there.
    if (before && m_selectedRow > 0) {
        for (int other = 1; other < m_model->rowCount(); ++other) {
            const BookPtr book = bookAtRow(other);
            if (book->bookName() == before->bookName() && book->isSmart() == before->isSmart()) {
                selectRow(other);
                m_selectedRow = other;
                return;
            }
        }
    }
    // The selected book is gone: the row that took its place (or the last one) is selected.
    selectRow(qMin(m_selectedRow, m_model->rowCount() - 1));
}

void BookListController::noteSelectedRow() {
    const std::size_t row = rowOfBook(m_selectedBook.get());
    if (row != BookListModel::notFound) {
        m_selectedRow = int(row);
    }
}

void BookListController::followLibrary() {
    restoreSelection(m_selectedBook);
    announceDeleteState();
}

void BookListController::reloadData() {
    const BookPtr before = m_selectedBook;
    m_model->reload();
    restoreSelection(before);
    // A renamed book is named in what Delete would do.
    announceDeleteState();
}

void BookListController::selectBook(const BookPtr& book) {
    const std::size_t row = rowOfBook(book.get());
    if (row != BookListModel::notFound) {
        selectRow(int(row));
    }
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

void BookListController::addDumbBook(const BookPtr& book) {
    m_model->addDumbBook(book);
    editBook(book);
}

void BookListController::deleteSelectedBook() {
    const BookPtr book = m_selectedBook;
    if (!book || book == m_root->mainLibrary()) {
        QApplication::beep();
        return;
    }
    // The row that takes its place is selected as the row goes, and the window follows it.
    m_model->deleteBook(book);
}

SmartBookPtr BookListController::smartBookAt(const QModelIndex& index) const {
    const BookPtr book = index.isValid() ? m_model->bookAtRow(index.row()) : nullptr;
    return book && book->isSmart() ? std::static_pointer_cast<SmartBook>(book) : nullptr;
}

void BookListController::bookDoubleClicked(const QModelIndex& index) {
    const SmartBookPtr book = smartBookAt(index);
    if (!book) {
        return;
    }
    // After the click is over: the name editor the double-click opened gives way to the sheet.
    QTimer::singleShot(0, this, [this, book, row = QPersistentModelIndex(index)] {
        if (QWidget* nameEditor = row.isValid() ? m_view->indexWidget(row) : nullptr) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(nameEditor, &escape);
        }
        emit smartBookConditionsRequested(book);
    });
}

void BookListController::showBookMenu(const QPoint& at) {
    const SmartBookPtr book = smartBookAt(m_view->indexAt(at));
    if (!book) {
        return;
    }
    QMenu menu(m_view);
    menu.setObjectName(QStringLiteral("bookContextMenu"));
    QAction* edit = menu.addAction(tr("Edit Conditions…"));
    edit->setObjectName(QStringLiteral("editConditionsMenuAction"));
    connect(edit, &QAction::triggered, this, [this, book] { emit smartBookConditionsRequested(book); });
    menu.exec(m_view->viewport()->mapToGlobal(at));
}
