#pragma once

#include "BookListController.h"
#include "BookListModel.h"
#include "IOListController.h"
#include "IOTableModel.h"
#include "LibraryDocument.h"
#include "MainWindow.h"
#include "RecordTableView.h"
#include "SampleRecords.h"
#include "ShownBook.h"
#include "TextSuggestion.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>

#include <memory>

// The main window with its book list and record table controllers and the
// shown book, wired as kesh wires them but without the application.
// Formats are American English.
struct WindowParts : private UsLocale {
    WindowParts() {
        QObject::connect(&shownBook, &ShownBook::refreshed, [this] { ++refreshes; });
        QObject::connect(&records, &IOListController::deleteStateChanged, &window, &MainWindow::setRecordDeleteState);
        QObject::connect(&books, &BookListController::deleteStateChanged, &window, &MainWindow::setBookDeleteState);
        books.announceDeleteState();
    }

    // As selecting the book in the book list does: shown unfiltered.
    void show(const BookPtr& book) { shownBook.setBook(book); }
    void search(const QString& key) { shownBook.setSearchKey(key); }
    // Records were put into books behind the document's back, as a fixture
    // does: the shown book is read afresh.
    void reread() {
        const QString key = shownBook.searchKey();
        shownBook.setBook(shownBook.book());
        shownBook.setSearchKey(key);
    }
    // What a change of the document left for later has happened.
    static void settle() { QCoreApplication::processEvents(); }
    QModelIndex cell(int row, int column) const { return recordModel.index(row, column); }
    QString shown(int row, int column) const { return cell(row, column).data().toString(); }

    DataRootPtr root = DataRoot::create();
    TextSuggestion suggestions;
    LibraryDocument document{root};
    ShownBook shownBook{&document};
    BookListModel bookModel{&document};
    IOTableModel recordModel{&document};
    QAbstractItemModelTester bookTester{&bookModel, QAbstractItemModelTester::FailureReportingMode::Fatal};
    QAbstractItemModelTester recordTester{&recordModel, QAbstractItemModelTester::FailureReportingMode::Fatal};
    MainWindow window{&bookModel, &recordModel};
    RecordTableView* table = window.ioListView();
    CustomTableView* bookList = window.bookListView();
    BookListController books{root, &bookModel, bookList};
    IOListController records{root, &shownBook, &recordModel, table, &suggestions};
    int refreshes = 0;
};
