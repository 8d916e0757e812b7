#include "AmountCondition.h"
#include "AndConditions.h"
#include "AppFixture.h"
#include "BookListController.h"
#include "IOListController.h"
#include "RecordDrag.h"
#include "RecordTableView.h"
#include "SearchFieldController.h"
#include "SmartBook.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

namespace {

// Library, Car (+100.50, -30.25, +7.00 not counted), House (empty), Small (below 50).
class MainWindow : public AppFixture {
protected:
    MainWindow() {
        const DataRootPtr root = library();
        const BookPtr& main = root->mainLibrary();
        main->addObject(sampleRecord("100.50", QDate(2024, 3, 1), QStringLiteral("salary")));
        main->addObject(sampleRecord("-30.25", QDate(2024, 3, 5), QStringLiteral("groceries")));
        main->addObject(sampleRecord("7", QDate(2024, 3, 3), QStringLiteral("refund"), false));
        main->addObject(sampleRecord("-1200", QDate(2024, 3, 4), QStringLiteral("lunch")));
        for (const char* name : {"Car", "House"}) {
            const BookPtr book = Book::create();
            book->setBookName(QString::fromLatin1(name));
            root->addDumbBook(book);
        }
        root->dumbBooks().at(0)->addObjectsFromArray(
            {main->objectAtIndex(0), main->objectAtIndex(2), main->objectAtIndex(3)});
        auto below = AmountCondition::create();
        below->setConditionTypeCode(4);
        below->setObject(Amount::fromInt(50));
        auto all = AndConditions::create();
        all->setChildren({below});
        const SmartBookPtr small = SmartBook::create();
        small->setBookName(QStringLiteral("Small"));
        small->setConditions(all);
        root->addSmartBook(small);
        writeLibrary(*root);

        EXPECT_TRUE(launch());
        books = find<CustomTableView>("bookListView");
        records = find<RecordTableView>("ioListView");
        search = find<QLineEdit>("searchField");
        bookTester = std::make_unique<QAbstractItemModelTester>(books->model(),
                                                                QAbstractItemModelTester::FailureReportingMode::Fatal);
        recordTester = std::make_unique<QAbstractItemModelTester>(
            records->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(app->mainWindow()));
    }

    const DataRoot& root() const { return *app->dataRoot(); }
    BookPtr book(const char* name) const {
        for (std::size_t i = 0; i < root().bookCount(); ++i) {
            if (root().bookAtIndex(i)->bookName() == QLatin1String(name)) {
                return root().bookAtIndex(i);
            }
        }
        return nullptr;
    }
    void select(const char* name) { books->selectRow(int(app->bookListController()->rowOfBook(book(name).get()))); }
    QStringList comments() const {
        QStringList list;
        for (int row = 0; row < records->model()->rowCount(); ++row) {
            list.append(records->model()->index(row, IOTableModel::CommentColumn).data().toString());
        }
        return list;
    }
    QStringList stats() const {
        return {find<QLabel>("incomingsLabel")->text(), find<QLabel>("outgoingsLabel")->text(),
                find<QLabel>("balanceLabel")->text(), find<QLabel>("recordCountLabel")->text()};
    }
    int rowOf(const char* comment) const { return int(comments().indexOf(QString::fromLatin1(comment))); }
    void selectRecords(const QList<int>& rows) {
        records->clearSelection();
        for (const int row : rows) {
            records->selectionModel()->select(records->model()->index(row, 0),
                                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
    QAction* deleteAction() const { return find<QAction>("deleteAction"); }
    // Opens the cell's editor as a double click would and types over its text.
    QWidget* typeInto(int row, int column, const QString& text) {
        const QModelIndex index = records->model()->index(row, column);
        records->setFocus();
        records->setCurrentIndex(index);
        records->edit(index);
        auto* editor = qobject_cast<QLineEdit*>(records->indexWidget(index));
        if (!editor) {
            ADD_FAILURE() << "no text editor";
            return nullptr;
        }
        editor->selectAll();
        QTest::keyClicks(editor, text);
        return editor;
    }

    CustomTableView* books = nullptr;
    RecordTableView* records = nullptr;
    QLineEdit* search = nullptr;
    std::unique_ptr<QAbstractItemModelTester> bookTester;
    std::unique_ptr<QAbstractItemModelTester> recordTester;
};

TEST_F(MainWindow, statisticsSumTheListedRecordsToTheCentAndCountWhatIsListedOfTheBook) {
    EXPECT_EQ(stats(), (QStringList{QStringLiteral("100.50"), QStringLiteral("1,230.25"), QStringLiteral("-1,129.75"),
                                    QStringLiteral("4 records")}));
    select("Car");
    EXPECT_EQ(comments(),
              (QStringList{QStringLiteral("groceries"), QStringLiteral("refund"), QStringLiteral("salary")}));
    // The refund does not count.
    EXPECT_EQ(stats(), (QStringList{QStringLiteral("100.50"), QStringLiteral("30.25"), QStringLiteral("70.25"),
                                    QStringLiteral("3 records")}));
    QTest::keyClicks(search, QStringLiteral("sal"));
    EXPECT_EQ(stats(), (QStringList{QStringLiteral("100.50"), QStringLiteral("0.00"), QStringLiteral("100.50"),
                                    QStringLiteral("1 of 3 records")}));
    QTest::keyClick(search, Qt::Key_Escape);
    EXPECT_EQ(stats().last(), QStringLiteral("3 records"));
}

TEST_F(MainWindow, theSearchNarrowsOnEveryKeystrokeAndANewBookStartsUnfiltered) {
    QSignalSpy keystrokes(app->searchFieldController(), &SearchFieldController::searchKeyChanged);
    QTest::keyClicks(search, QStringLiteral("r"));
    EXPECT_EQ(comments(),
              (QStringList{QStringLiteral("groceries"), QStringLiteral("refund"), QStringLiteral("salary")}));
    QTest::keyClicks(search, QStringLiteral("e"));
    EXPECT_EQ(comments(), QStringList{QStringLiteral("refund")});
    EXPECT_EQ(keystrokes.count(), 2);
    QTest::keyClick(search, Qt::Key_Backspace);
    QTest::keyClick(search, Qt::Key_Backspace);
    EXPECT_EQ(comments().size(), 4);
    // Escape empties the field and shows every record again.
    QTest::keyClicks(search, QStringLiteral("sal"));
    ASSERT_EQ(comments().size(), 1);
    QTest::keyClick(search, Qt::Key_Escape);
    EXPECT_TRUE(search->text().isEmpty());
    EXPECT_EQ(comments().size(), 4);

    QTest::keyClicks(search, QStringLiteral("lunch"));
    select("Car");
    EXPECT_TRUE(search->text().isEmpty());
    EXPECT_TRUE(app->searchFieldController()->searchKey().isEmpty());
    EXPECT_EQ(comments().size(), 3);
}

TEST_F(MainWindow, aSmartBookIsRecomputedWhenSelected) {
    select("Small");
    EXPECT_EQ(comments(),
              (QStringList{QStringLiteral("groceries"), QStringLiteral("lunch"), QStringLiteral("refund")}));
    // Changed while another book is shown: seen at the next selection.
    select("House");
    book("Library")->objectAtIndex(3)->setAmountWithDouble(12);
    select("Small");
    EXPECT_EQ(comments().size(), 4);
}

TEST_F(MainWindow, deleteFollowsTheListWithTheKeyboardAndSaysWhyWhenItCannot) {
    books->setFocus();
    EXPECT_FALSE(deleteAction()->isEnabled());
    EXPECT_TRUE(deleteAction()->toolTip().contains(QStringLiteral("cannot be deleted")));
    select("Car");
    EXPECT_TRUE(deleteAction()->isEnabled());
    EXPECT_TRUE(deleteAction()->toolTip().contains(QStringLiteral("Car")));

    records->setFocus();
    EXPECT_FALSE(deleteAction()->isEnabled());
    selectRecords({0});
    EXPECT_TRUE(deleteAction()->isEnabled());

    // Records of a smart book follow its conditions: nothing to delete there, and the menu says so.
    select("Small");
    records->setFocus();
    selectRecords({0});
    EXPECT_FALSE(deleteAction()->isEnabled());
    EXPECT_TRUE(deleteAction()->toolTip().contains(QStringLiteral("conditions")));
    QTest::keyClick(records, Qt::Key_Delete);
    EXPECT_EQ(comments().size(), 3);
    EXPECT_EQ(records->selectedRows(), QList<int>{0});
    EXPECT_EQ(root().mainLibrary()->count(), 4u);
}

TEST_F(MainWindow, erasedRecordsLeaveTheTableAndTheStatisticsAtOnce) {
    select("Car");
    selectRecords({rowOf("groceries")});
    QTest::keyClick(records, Qt::Key_Backspace);
    EXPECT_EQ(comments(), (QStringList{QStringLiteral("refund"), QStringLiteral("salary")}));
    EXPECT_EQ(stats(), (QStringList{QStringLiteral("100.50"), QStringLiteral("0.00"), QStringLiteral("100.50"),
                                    QStringLiteral("2 records")}));
    // The menu's Delete does the same for the table that has the keyboard.
    selectRecords({rowOf("salary")});
    records->setFocus();
    deleteAction()->trigger();
    EXPECT_EQ(comments(), QStringList{QStringLiteral("refund")});
    EXPECT_TRUE(stats().last().startsWith(QStringLiteral("1 record")));
    EXPECT_TRUE(records->selectedRows().isEmpty());
}

TEST_F(MainWindow, recordsDroppedOntoAPlainBookJoinItOnce) {
    auto* bookModel = books->model();
    const QModelIndex house = bookModel->index(int(app->bookListController()->rowOfBook(book("House").get())), 0);
    selectRecords({rowOf("salary"), rowOf("lunch")});
    const std::unique_ptr<QMimeData> dragged(records->model()->mimeData(records->selectionModel()->selectedIndexes()));
    ASSERT_TRUE(bookModel->dropMimeData(dragged.get(), Qt::CopyAction, -1, -1, house));
    ASSERT_TRUE(bookModel->dropMimeData(dragged.get(), Qt::CopyAction, -1, -1, house));
    EXPECT_EQ(book("House")->count(), 2u);
    EXPECT_EQ(comments().size(), 4);

    // Onto the shown book: the table follows at once.
    select("House");
    const std::unique_ptr<QMimeData> wholeLibrary(bookModel->mimeData({bookModel->index(0, 0)}));
    ASSERT_TRUE(bookModel->dropMimeData(wholeLibrary.get(), Qt::CopyAction, -1, -1, house));
    EXPECT_EQ(comments().size(), 4);
    EXPECT_EQ(stats().last(), QStringLiteral("4 records"));
}

TEST_F(MainWindow, anEditedCommentIsSuggestedAndLeavesAListItNoLongerMatches) {
    QTest::keyClicks(search, QStringLiteral("gro"));
    ASSERT_EQ(comments(), QStringList{QStringLiteral("groceries")});
    QWidget* editor = typeInto(0, IOTableModel::CommentColumn, QStringLiteral("market"));
    ASSERT_TRUE(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([this] { return comments().isEmpty(); })) << "the table still showed records after 5 s";
    EXPECT_TRUE(app->commentSuggestion().array().contains(QStringLiteral("market")));
    EXPECT_EQ(stats().at(1), QStringLiteral("0.00"));
}

TEST_F(MainWindow, anEditedAmountIsSummedAtOnce) {
    const IOPtr lunch = book("Library")->filteredObjectAtIndex(std::size_t(rowOf("lunch")));
    QWidget* editor = typeInto(rowOf("lunch"), IOTableModel::AmountColumn, QStringLiteral("-1,250.75"));
    ASSERT_TRUE(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([this] { return stats().at(1) == QStringLiteral("1,281.00"); }))
        << "the outgoings did not become 1,281.00 within 5 s";
    EXPECT_EQ(lunch->amount(), Amount::fromString(u"-1250.75"));
}

TEST_F(MainWindow, headerClicksSortTheShownBookWhichKeepsItsOrder) {
    QHeaderView* header = records->horizontalHeader();
    const auto click = [header](int column) {
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    };
    click(IOTableModel::AmountColumn);
    EXPECT_EQ(book("Library")->sortDescriptors(), (SortDescriptorList{SortDescriptor{QStringLiteral("amount"), true}}));
    EXPECT_EQ(comments().first(), QStringLiteral("lunch"));
    click(IOTableModel::DateColumn);
    EXPECT_EQ(book("Library")->sortDescriptors(),
              (SortDescriptorList{SortDescriptor{QStringLiteral("date"), false},
                                  SortDescriptor{QStringLiteral("timeOfEntry"), false}}));
    click(IOTableModel::DateColumn);
    EXPECT_EQ(comments().first(), QStringLiteral("salary"));

    select("Car");
    EXPECT_EQ(comments().first(), QStringLiteral("groceries"));
    select("Library");
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    EXPECT_EQ(comments().first(), QStringLiteral("salary"));
}

TEST_F(MainWindow, booksAreMadeRenamedAndDeletedFromTheList) {
    find<QAction>("newBookAction")->trigger();
    const BookPtr made = app->bookListController()->selectedBook();
    EXPECT_EQ(made->bookName(), QStringLiteral("Untitled"));
    EXPECT_TRUE(books->isEditing());
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_TRUE(editor);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("Boat"));
    QTest::keyClick(editor, Qt::Key_Return);
    // Sorted in among the plain books, still the selected one.
    EXPECT_TRUE(QTest::qWaitFor([this] { return books->selectedRows() == QList<int>{2}; }))
        << "the new book was not selected within 5 s";
    EXPECT_EQ(made->bookName(), QStringLiteral("Boat"));
    EXPECT_EQ(app->bookListController()->rowOfBook(made.get()), 2u);
    EXPECT_EQ(app->bookListController()->selectedBook(), made);
    EXPECT_EQ(books->selectedRows(), QList<int>{2});

    select("Car");
    books->setFocus();
    QTest::keyClick(books, Qt::Key_Delete);
    EXPECT_EQ(book("Car"), nullptr);
    // The row that took its place is shown.
    EXPECT_EQ(app->bookListController()->selectedBook(), book("House"));
    EXPECT_TRUE(comments().isEmpty());
    EXPECT_EQ(root().mainLibrary()->count(), 4u);

    // The library itself stays, and so does what the table shows.
    select("Library");
    QTest::keyClicks(search, QStringLiteral("sal"));
    books->setFocus();
    QTest::keyClick(books, Qt::Key_Delete);
    EXPECT_EQ(app->bookListController()->selectedBook(), root().mainLibrary());
    EXPECT_EQ(root().bookCount(), 4u);
    EXPECT_EQ(comments(), QStringList{QStringLiteral("salary")});
}

TEST_F(MainWindow, tabLeavesTheBookListWithoutChangingTheBook) {
    select("Car");
    QTest::keyClicks(search, QStringLiteral("sal"));
    books->setFocus();
    QTest::keyClick(books, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(app->bookListController()->selectedBook(), book("Car"));
    QTest::keyClick(books, Qt::Key_Tab);
    EXPECT_FALSE(books->hasFocus());
    EXPECT_EQ(app->bookListController()->selectedBook(), book("Car"));
    EXPECT_EQ(search->text(), QStringLiteral("sal"));
}

} // namespace
