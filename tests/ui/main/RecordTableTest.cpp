#include "CustomTableView.h"
#include "IOListController.h"
#include "RecordDrag.h"
#include "SampleRecords.h"
#include "SmartBook.h"
#include "TextSuggestion.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

QList<double> amountsOf(const IOList& records) {
    QList<double> amounts;
    for (const IOPtr& record : records) {
        amounts.append(record->amountAsDouble());
    }
    return amounts;
}

// The table with a stand-in for the application's reload: refresh the book, then the rows.
class RecordTableTest : public ::testing::Test, private UsLocale {
protected:
    RecordTableTest() {
        const BookPtr& main = root->mainLibrary();
        main->addObject(sampleRecord("100.50", QDate(2024, 3, 1), QStringLiteral("salary")));
        main->addObject(sampleRecord("-30.25", QDate(2024, 3, 5), QStringLiteral("groceries")));
        main->addObject(sampleRecord("7", QDate(2024, 3, 3), QStringLiteral("refund"), false));
        main->addObject(sampleRecord("-12", QDate(2024, 3, 4), QStringLiteral("lunch")));
        plain->setBookName(QStringLiteral("Plain"));
        root->addDumbBook(plain);
        // Salary and refund.
        plain->addObjectsFromArray({main->objectAtIndex(3), main->objectAtIndex(2)});
        view.resize(700, 400);
        QObject::connect(&controller, &IOListController::dataNeedsReloading, [this] { reload(); });
        tester = std::make_unique<QAbstractItemModelTester>(controller.model(),
                                                            QAbstractItemModelTester::FailureReportingMode::Fatal);
        show(root->mainLibrary());
    }

    void show(const BookPtr& book) {
        controller.setBook(book);
        reload();
    }
    void reload() {
        ++reloads;
        const BookPtr& book = controller.book();
        book->resort();
        book->reloadFilteredListWithSearchKey(searchKey, {});
        controller.reloadData();
    }
    QModelIndex cell(int row, int column) const { return controller.model()->index(row, column); }
    QString shown(int row, int column) const { return cell(row, column).data().toString(); }
    void selectRows(const QList<int>& rows) {
        view.clearSelection();
        for (const int row : rows) {
            view.selectionModel()->select(cell(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }

    DataRootPtr root = DataRoot::create();
    BookPtr plain = Book::create();
    TextSuggestion suggestions;
    CustomTableView view;
    IOListController controller{root, &suggestions, &view};
    std::unique_ptr<QAbstractItemModelTester> tester;
    QString searchKey;
    int reloads = 0;
};

TEST_F(RecordTableTest, rowsShowTheBooksFilteredListInLocaleFormats) {
    IOTableModel& model = *controller.model();
    ASSERT_EQ(model.rowCount(), 4);
    // Newest first: the default order of every book.
    EXPECT_EQ(shown(0, IOTableModel::DateColumn), QStringLiteral("3/5/2024"));
    EXPECT_EQ(shown(0, IOTableModel::AmountColumn), QStringLiteral("-30.25"));
    EXPECT_EQ(shown(0, IOTableModel::CommentColumn), QStringLiteral("groceries"));
    EXPECT_EQ(cell(2, IOTableModel::IncludeInStatsColumn).data(Qt::CheckStateRole).value<Qt::CheckState>(),
              Qt::Unchecked);
    EXPECT_FALSE(model.flags(cell(0, IOTableModel::KeywordsColumn)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.flags(cell(0, IOTableModel::DateColumn)) & Qt::ItemIsEditable);

    searchKey = QStringLiteral("un");
    reload();
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(shown(1, IOTableModel::CommentColumn), QStringLiteral("refund"));
}

TEST_F(RecordTableTest, aBadAmountChangesNothingAndSaysWhy) {
    QSignalSpy refused(controller.model(), &IOTableModel::editRefused);
    const IOPtr record = controller.model()->recordAtRow(0);
    EXPECT_FALSE(controller.model()->setData(cell(0, IOTableModel::AmountColumn), QStringLiteral("12,5")));
    ASSERT_EQ(refused.count(), 1);
    EXPECT_TRUE(refused.at(0).at(0).toString().contains(QStringLiteral("12,5")));
    EXPECT_EQ(record->amount(), Amount::fromString(u"-30.25"));

    EXPECT_TRUE(controller.model()->setData(cell(0, IOTableModel::AmountColumn), QStringLiteral("-1,030.25")));
    EXPECT_EQ(record->amount(), Amount::fromString(u"-1030.25"));
}

TEST_F(RecordTableTest, editsReachTheRecordAndOnlyCommentsTheSuggestions) {
    const IOPtr record = controller.model()->recordAtRow(1); // lunch, March 4
    selectRows({1});
    ASSERT_TRUE(controller.model()->setData(cell(1, IOTableModel::AmountColumn), QStringLiteral("-13")));
    EXPECT_TRUE(suggestions.array().isEmpty());
    ASSERT_TRUE(controller.model()->setData(cell(1, IOTableModel::CommentColumn), QStringLiteral("lunch out")));
    EXPECT_EQ(suggestions.array(), QStringList{QStringLiteral("lunch out")});

    // The reload comes after the editor has closed; the record moves with its new date and stays selected.
    const int before = reloads;
    ASSERT_TRUE(controller.model()->setData(cell(1, IOTableModel::DateColumn), QDate(2024, 2, 1)));
    EXPECT_EQ(reloads, before);
    QCoreApplication::processEvents();
    EXPECT_GT(reloads, before);
    EXPECT_EQ(controller.model()->recordAtRow(3), record);
    EXPECT_EQ(controller.selectedRecords(), IOList{record});

    ASSERT_TRUE(
        controller.model()->setData(cell(3, IOTableModel::IncludeInStatsColumn), Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_EQ(record->includeInStats(), 0);
}

TEST_F(RecordTableTest, headerSortsTheBookWithTheDateRule) {
    const BookPtr& main = root->mainLibrary();
    controller.model()->sort(IOTableModel::AmountColumn, Qt::AscendingOrder);
    EXPECT_EQ(main->sortDescriptors(), (SortDescriptorList{SortDescriptor{QStringLiteral("amount"), true}}));
    EXPECT_EQ(amountsOf(main->records()), (QList<double>{-30.25, -12, 7, 100.5}));

    controller.model()->sort(IOTableModel::DateColumn, Qt::AscendingOrder);
    EXPECT_EQ(main->sortDescriptors(), (SortDescriptorList{SortDescriptor{QStringLiteral("date"), true},
                                                           SortDescriptor{QStringLiteral("timeOfEntry"), true}}));
    EXPECT_EQ(amountsOf(main->records()), (QList<double>{100.5, 7, -12, -30.25}));

    // Each book keeps its own order; the header follows the shown book.
    show(plain);
    EXPECT_EQ(view.horizontalHeader()->sortIndicatorSection(), int(IOTableModel::DateColumn));
    EXPECT_EQ(view.horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    show(main);
    EXPECT_EQ(view.horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
}

TEST_F(RecordTableTest, deletingRemovesFromTheLibraryOrFromTheBookButNeverFromASmartBook) {
    const BookPtr& main = root->mainLibrary();
    const IOPtr salary = controller.model()->recordAtRow(3);
    const IOPtr lunch = controller.model()->recordAtRow(1);
    selectRows({1, 3});
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_Backspace);
    EXPECT_EQ(amountsOf(main->records()), (QList<double>{-30.25, 7}));
    // Gone from every book that held it.
    EXPECT_FALSE(plain->includesObject(salary));
    EXPECT_FALSE(main->includesObject(lunch));
    EXPECT_TRUE(view.selectedRows().isEmpty());

    show(plain);
    selectRows({0});
    QTest::keyClick(&view, Qt::Key_Delete);
    EXPECT_EQ(plain->count(), 0u);
    EXPECT_EQ(main->count(), 2u);

    const SmartBookPtr smart = SmartBook::create();
    smart->setRecords(main->records());
    show(smart);
    selectRows({0, 1});
    const int before = reloads;
    QTest::keyClick(&view, Qt::Key_Delete);
    EXPECT_EQ(smart->count(), 2u);
    EXPECT_EQ(main->count(), 2u);
    EXPECT_EQ(reloads, before + 1);
}

TEST_F(RecordTableTest, eraseKeysLeaveACellThatIsBeingEditedAlone) {
    QSignalSpy requests(&view, &CustomTableView::deleteRowsRequested);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.edit(cell(0, IOTableModel::CommentColumn));
    auto* editor = view.findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setFocus();
    editor->end(false);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_Delete);
    EXPECT_EQ(requests.count(), 0);
    EXPECT_EQ(editor->text(), QStringLiteral("grocerie"));
    EXPECT_EQ(root->mainLibrary()->count(), 4u);
}

TEST_F(RecordTableTest, dragsCarryTheRowsRecordsAndDropsNeverReachTheMainLibrary) {
    IOTableModel& model = *controller.model();
    const std::unique_ptr<QMimeData> data(model.mimeData({cell(2, 0), cell(0, 1), cell(2, 2)}));
    const QList<IORegistry::Id> expected{model.recordAtRow(0)->recordId(), model.recordAtRow(2)->recordId()};
    EXPECT_EQ(RecordDrag::recordIds(data.get()), expected);
    EXPECT_FALSE(model.canDropMimeData(data.get(), Qt::CopyAction, -1, -1, QModelIndex()));

    show(plain);
    ASSERT_TRUE(model.dropMimeData(data.get(), Qt::CopyAction, 0, 0, QModelIndex()));
    ASSERT_TRUE(model.dropMimeData(data.get(), Qt::CopyAction, 0, 0, QModelIndex()));
    // Groceries joins; the refund was there already.
    EXPECT_EQ(plain->count(), 3u);
    EXPECT_EQ(model.rowCount(), 3);
}

} // namespace
