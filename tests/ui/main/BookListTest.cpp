#include "BookListController.h"
#include "CustomTableView.h"
#include "RecordDrag.h"
#include "SampleRecords.h"
#include "SmartBook.h"

#include <QAbstractItemModelTester>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class BookListTest : public ::testing::Test {
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
        view.resize(300, 400);
        tester = std::make_unique<QAbstractItemModelTester>(controller.model(),
                                                            QAbstractItemModelTester::FailureReportingMode::Fatal);
    }

    const BookPtr& plain(int i) const { return root->dumbBooks().at(std::size_t(i)); }
    QModelIndex rowIndex(int row) const { return controller.model()->index(row, 0); }
    void press(Qt::Key key) {
        view.setFocus();
        QTest::keyClick(&view, key);
    }

    DataRootPtr root = DataRoot::create();
    CustomTableView view;
    BookListController controller{root, &view};
    std::unique_ptr<QAbstractItemModelTester> tester;
};

TEST_F(BookListTest, rowsAreTheMainLibraryThenSmartThenPlainBooks) {
    BookListModel& model = *controller.model();
    EXPECT_EQ(model.rowCount(), 6);
    EXPECT_EQ(controller.bookAtRow(0), root->mainLibrary());
    EXPECT_EQ(controller.bookAtRow(2), root->smartBooks().at(1));
    EXPECT_EQ(controller.bookAtRow(3), plain(0));
    EXPECT_EQ(controller.rowOfBook(root->mainLibrary().get()), 0u);
    EXPECT_EQ(controller.rowOfBook(root->smartBooks().at(1).get()), 2u);
    EXPECT_EQ(controller.rowOfBook(Book::create().get()), BookListModel::notFound);
    EXPECT_EQ(model.data(rowIndex(4)).toString(), QStringLiteral("House"));
    for (int row = 0; row < model.rowCount(); ++row) {
        EXPECT_FALSE(model.data(rowIndex(row), Qt::DecorationRole).value<QIcon>().isNull()) << row;
    }
    // The list starts on the main library.
    EXPECT_EQ(controller.selectedBook(), root->mainLibrary());
}

TEST_F(BookListTest, renamingKeepsTheBookSelectedWhereverItsNameSortsIt) {
    BookListModel& model = *controller.model();
    EXPECT_FALSE(model.flags(rowIndex(0)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.setData(rowIndex(0), QStringLiteral("Mine")));
    EXPECT_EQ(root->mainLibrary()->bookName(), QStringLiteral("Library"));

    const BookPtr travel = plain(2);
    controller.editBook(travel);
    EXPECT_EQ(controller.selectedBook(), travel);
    EXPECT_TRUE(view.isEditing());

    EXPECT_FALSE(model.setData(rowIndex(5), QString()));
    EXPECT_EQ(travel->bookName(), QStringLiteral("Travel"));
    EXPECT_TRUE(model.setData(rowIndex(5), QStringLiteral("Bicycle")));
    QCoreApplication::processEvents();
    EXPECT_EQ(controller.rowOfBook(travel.get()), 3u);
    EXPECT_EQ(controller.selectedBook(), travel);
    EXPECT_EQ(view.selectedRows(), QList<int>{3});
}

TEST_F(BookListTest, exactlyOneRowStaysSelected) {
    QSignalSpy changes(&controller, &BookListController::selectionChanged);
    view.selectRow(4);
    EXPECT_EQ(controller.selectedBook(), plain(1));
    EXPECT_EQ(changes.count(), 1);
    view.clearSelection();
    EXPECT_EQ(view.selectedRows(), QList<int>{4});
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(BookListTest, eraseKeysDeleteThePlainBookWithoutAskingButNeverTheMainLibrary) {
    QSignalSpy changes(&controller, &BookListController::selectionChanged);
    view.selectRow(5);
    const BookPtr travel = plain(2);
    press(Qt::Key_Delete);
    EXPECT_EQ(root->dumbBooks().size(), 2u);
    EXPECT_EQ(controller.rowOfBook(travel.get()), BookListModel::notFound);
    // The last row went: the one before it takes its place.
    EXPECT_EQ(controller.selectedBook(), plain(1));
    EXPECT_EQ(root->mainLibrary()->count(), 4u);

    view.selectRow(0);
    changes.clear();
    press(Qt::Key_Backspace);
    EXPECT_EQ(root->bookCount(), 5u);
    EXPECT_EQ(controller.selectedBook(), root->mainLibrary());
    // Still a fresh start for the rest of the window.
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(BookListTest, recordsDropOnlyOntoPlainBooksAndNeverTwice) {
    BookListModel& model = *controller.model();
    const std::unique_ptr<QMimeData> wholeLibrary(model.mimeData({rowIndex(0)}));
    // The drag carries every record of the book, the filtered-out ones too.
    root->mainLibrary()->reloadFilteredListWithSearchKey(QStringLiteral("r1"), {});
    EXPECT_EQ(RecordDrag::recordIds(wholeLibrary.get())->size(), 4);

    EXPECT_FALSE(model.canDropMimeData(wholeLibrary.get(), Qt::CopyAction, 3, 0, QModelIndex()));
    EXPECT_FALSE(model.canDropMimeData(wholeLibrary.get(), Qt::CopyAction, -1, -1, rowIndex(0)));
    EXPECT_FALSE(model.canDropMimeData(wholeLibrary.get(), Qt::CopyAction, -1, -1, rowIndex(1)));
    EXPECT_FALSE(model.canDropMimeData(wholeLibrary.get(), Qt::MoveAction, -1, -1, rowIndex(3)));
    QMimeData foreign;
    foreign.setData(QStringLiteral("IO"), QByteArray(40, '\1'));
    EXPECT_FALSE(model.canDropMimeData(&foreign, Qt::CopyAction, -1, -1, rowIndex(3)));
    EXPECT_FALSE(model.dropMimeData(&foreign, Qt::CopyAction, -1, -1, rowIndex(3)));
    EXPECT_TRUE(model.canDropMimeData(wholeLibrary.get(), Qt::CopyAction, -1, -1, rowIndex(3)));

    QSignalSpy reloads(&controller, &BookListController::dataNeedsReloading);
    ASSERT_TRUE(model.dropMimeData(wholeLibrary.get(), Qt::CopyAction, -1, -1, rowIndex(3)));
    ASSERT_TRUE(model.dropMimeData(wholeLibrary.get(), Qt::CopyAction, -1, -1, rowIndex(3)));
    EXPECT_EQ(plain(0)->count(), 4u);
    // Not the selected book: nothing to refresh.
    EXPECT_EQ(reloads.count(), 0);

    view.selectRow(4);
    ASSERT_TRUE(model.dropMimeData(wholeLibrary.get(), Qt::CopyAction, -1, -1, rowIndex(4)));
    EXPECT_EQ(reloads.count(), 1);
}

TEST_F(BookListTest, aNewBookIsListedSelectedAndOpenForTyping) {
    const BookPtr book = Book::create();
    root->addDumbBook(book);
    controller.showNewBook(book);
    EXPECT_EQ(controller.selectedBook(), book);
    EXPECT_EQ(controller.model()->data(rowIndex(int(controller.rowOfBook(book.get())))).toString(),
              QStringLiteral("Untitled"));
    EXPECT_TRUE(view.isEditing());
}

} // namespace
