#include "RecordDrag.h"
#include "SmartBook.h"
#include "WindowParts.h"

#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Library with four records, smart books A and B, plain books Car, House and Travel.
class BookListTest : public ::testing::Test, protected WindowParts {
protected:
    BookListTest() {
        root->mainLibrary()->setBookName(QStringLiteral("Library"));
        for (int i = 0; i < 4; ++i) {
            root->mainLibrary()->addObject(sampleRecord("10", QDate(2024, 1, 1 + i), QStringLiteral("r%1").arg(i)));
        }
        for (const char* name : {"Smart A", "Smart B"}) {
            const SmartBookPtr book = SmartBook::create();
            book->setBookName(QString::fromLatin1(name));
            root->addSmartBook(book);
        }
        for (const char* name : {"Car", "House", "Travel"}) {
            const BookPtr book = Book::create();
            book->setBookName(QString::fromLatin1(name));
            root->addDumbBook(book);
        }
        bookModel.reload();
        books.reloadData();
    }

    const BookPtr& plain(int i) const { return root->dumbBooks().at(std::size_t(i)); }
    QModelIndex rowIndex(int row) const { return bookModel.index(row, 0); }
    void press(Qt::Key key) {
        bookList->setFocus();
        QTest::keyClick(bookList, key);
    }
};

TEST_F(BookListTest, rowsAreTheMainLibraryThenSmartThenPlainBooks) {
    const BookListModel& model = bookModel;
    EXPECT_EQ(model.rowCount(), 6);
    EXPECT_EQ(books.bookAtRow(0), root->mainLibrary());
    EXPECT_EQ(books.bookAtRow(2), root->smartBooks().at(1));
    EXPECT_EQ(books.bookAtRow(3), plain(0));
    EXPECT_EQ(books.rowOfBook(root->mainLibrary().get()), 0u);
    EXPECT_EQ(books.rowOfBook(root->smartBooks().at(1).get()), 2u);
    EXPECT_EQ(books.rowOfBook(Book::create().get()), BookListModel::notFound);
    EXPECT_EQ(model.data(rowIndex(4)).toString(), QStringLiteral("House"));
    for (int row = 0; row < model.rowCount(); ++row) {
        EXPECT_FALSE(model.data(rowIndex(row), Qt::DecorationRole).value<QIcon>().isNull()) << row;
    }
    // The list starts on the main library.
    EXPECT_EQ(books.selectedBook(), root->mainLibrary());
}

TEST_F(BookListTest, renamingKeepsTheBookSelectedWhereverItsNameSortsIt) {
    BookListModel& model = bookModel;
    EXPECT_FALSE(model.flags(rowIndex(0)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.setData(rowIndex(0), QStringLiteral("Mine")));
    EXPECT_EQ(root->mainLibrary()->bookName(), QStringLiteral("Library"));

    const BookPtr travel = plain(2);
    books.editBook(travel);
    EXPECT_EQ(books.selectedBook(), travel);
    EXPECT_TRUE(bookList->isEditing());

    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy moves(&model, &QAbstractItemModel::rowsMoved);
    EXPECT_FALSE(model.setData(rowIndex(5), QString()));
    EXPECT_EQ(travel->bookName(), QStringLiteral("Travel"));
    EXPECT_TRUE(model.setData(rowIndex(5), QStringLiteral("Bicycle")));
    EXPECT_EQ(books.rowOfBook(travel.get()), 3u);
    EXPECT_EQ(books.selectedBook(), travel);
    EXPECT_EQ(bookList->selectedRows(), QList<int>{3});
    EXPECT_EQ(model.data(rowIndex(3)).toString(), QStringLiteral("Bicycle"));

    // Undone, it moves back; the list never starts afresh.
    document.undoStack()->undo();
    EXPECT_EQ(books.rowOfBook(travel.get()), 5u);
    EXPECT_EQ(bookList->selectedRows(), QList<int>{5});
    EXPECT_EQ(moves.count(), 2);
    EXPECT_EQ(resets.count(), 0);
}

TEST_F(BookListTest, exactlyOneRowStaysSelected) {
    QSignalSpy changes(&books, &BookListController::selectionChanged);
    bookList->selectRow(4);
    EXPECT_EQ(books.selectedBook(), plain(1));
    EXPECT_EQ(changes.count(), 1);
    bookList->clearSelection();
    EXPECT_EQ(bookList->selectedRows(), QList<int>{4});
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(BookListTest, eraseKeysDeleteThePlainBookWithoutAskingButNeverTheMainLibrary) {
    QSignalSpy changes(&books, &BookListController::selectionChanged);
    bookList->selectRow(5);
    const BookPtr travel = plain(2);
    press(Qt::Key_Delete);
    EXPECT_EQ(root->dumbBooks().size(), 2u);
    EXPECT_EQ(books.rowOfBook(travel.get()), BookListModel::notFound);
    // The last row went: the one before it takes its place.
    EXPECT_EQ(books.selectedBook(), plain(1));
    EXPECT_EQ(root->mainLibrary()->count(), 4u);

    // Undone, the book takes its row again, without a fresh start of the list.
    QSignalSpy resets(&bookModel, &QAbstractItemModel::modelReset);
    document.undoStack()->undo();
    EXPECT_EQ(books.rowOfBook(travel.get()), 5u);
    EXPECT_EQ(books.selectedBook(), plain(1));
    EXPECT_EQ(resets.count(), 0);

    // The main library cannot go, and nothing else happens either.
    bookList->selectRow(0);
    changes.clear();
    press(Qt::Key_Backspace);
    EXPECT_EQ(root->bookCount(), 6u);
    EXPECT_EQ(books.selectedBook(), root->mainLibrary());
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(BookListTest, recordsDropOnlyOntoPlainBooksAndNeverTwice) {
    BookListModel& model = bookModel;
    const std::unique_ptr<QMimeData> wholeLibrary(model.mimeData({rowIndex(0)}));
    // The drag carries every record of the book, the filtered-out ones too.
    root->mainLibrary()->reloadFilteredListWithSearchKey(QStringLiteral("r1"), {});
    EXPECT_EQ(RecordDrag::records(wholeLibrary.get()).size(), 4u);

    EXPECT_FALSE(model.canDropMimeData(wholeLibrary.get(), Qt::CopyAction, 3, 0, QModelIndex()));
    EXPECT_FALSE(model.canDropMimeData(wholeLibrary.get(), Qt::CopyAction, -1, -1, rowIndex(0)));
    EXPECT_FALSE(model.canDropMimeData(wholeLibrary.get(), Qt::CopyAction, -1, -1, rowIndex(1)));
    EXPECT_FALSE(model.canDropMimeData(wholeLibrary.get(), Qt::MoveAction, -1, -1, rowIndex(3)));
    QMimeData foreign;
    foreign.setData(QStringLiteral("IO"), QByteArray(40, '\1'));
    EXPECT_FALSE(model.canDropMimeData(&foreign, Qt::CopyAction, -1, -1, rowIndex(3)));
    EXPECT_FALSE(model.dropMimeData(&foreign, Qt::CopyAction, -1, -1, rowIndex(3)));
    EXPECT_TRUE(model.canDropMimeData(wholeLibrary.get(), Qt::CopyAction, -1, -1, rowIndex(3)));

    QObject::connect(&books, &BookListController::selectionChanged, [this] { show(books.selectedBook()); });
    QSignalSpy inserted(&recordModel, &QAbstractItemModel::rowsInserted);
    ASSERT_TRUE(model.dropMimeData(wholeLibrary.get(), Qt::CopyAction, -1, -1, rowIndex(3)));
    ASSERT_TRUE(model.dropMimeData(wholeLibrary.get(), Qt::CopyAction, -1, -1, rowIndex(3)));
    EXPECT_EQ(plain(0)->count(), 4u);
    // Not the shown book: the table has nothing to follow.
    EXPECT_EQ(inserted.count(), 0);

    bookList->selectRow(4);
    ASSERT_TRUE(model.dropMimeData(wholeLibrary.get(), Qt::CopyAction, -1, -1, rowIndex(4)));
    EXPECT_EQ(recordModel.rowCount(), 4);
    EXPECT_EQ(inserted.count(), 1);
}

TEST_F(BookListTest, aNewBookIsListedSelectedAndOpenForTyping) {
    const BookPtr book = Book::create();
    books.addDumbBook(book);
    EXPECT_EQ(books.selectedBook(), book);
    EXPECT_EQ(bookModel.data(rowIndex(int(books.rowOfBook(book.get())))).toString(), QStringLiteral("Untitled"));
    EXPECT_TRUE(bookList->isEditing());
}

} // namespace
