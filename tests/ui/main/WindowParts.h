#pragma once

#include "BookListController.h"
#include "BookListModel.h"
#include "IOListController.h"
#include "IOTableModel.h"
#include "LibraryDocument.h"
#include "MainWindow.h"
#include "RecordTableView.h"
#include "SampleRecords.h"
#include "TextSuggestion.h"

#include <QAbstractItemModelTester>

#include <memory>

// The main window with its book list and record table controllers, wired as
// kesh wires them but without the application: a stand-in reload refreshes
// the shown book with `searchKey`, then the rows. Formats are American English.
struct WindowParts : private UsLocale {
    WindowParts() {
        QObject::connect(&records, &IOListController::dataNeedsReloading, [this] { reload(); });
        QObject::connect(&records, &IOListController::deleteStateChanged, &window, &MainWindow::setRecordDeleteState);
        QObject::connect(&books, &BookListController::deleteStateChanged, &window, &MainWindow::setBookDeleteState);
        books.announceDeleteState();
    }

    void show(const BookPtr& book) {
        records.setBook(book);
        reload();
    }
    void reload() {
        ++reloads;
        const BookPtr& book = records.book();
        book->resort();
        book->reloadFilteredListWithSearchKey(searchKey, {});
        records.reloadData();
    }
    QModelIndex cell(int row, int column) const { return recordModel.index(row, column); }
    QString shown(int row, int column) const { return cell(row, column).data().toString(); }

    DataRootPtr root = DataRoot::create();
    TextSuggestion suggestions;
    LibraryDocument document{root};
    BookListModel bookModel{&document};
    IOTableModel recordModel{&document};
    QAbstractItemModelTester bookTester{&bookModel, QAbstractItemModelTester::FailureReportingMode::Fatal};
    QAbstractItemModelTester recordTester{&recordModel, QAbstractItemModelTester::FailureReportingMode::Fatal};
    MainWindow window{&bookModel, &recordModel};
    RecordTableView* table = window.ioListView();
    CustomTableView* bookList = window.bookListView();
    BookListController books{root, &bookModel, bookList};
    IOListController records{root, &recordModel, table, &suggestions};
    QString searchKey;
    int reloads = 0;
};
