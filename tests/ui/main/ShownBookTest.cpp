#include "AmountCondition.h"
#include "AndConditions.h"
#include "BookCondition.h"
#include "SmartBook.h"
#include "WindowParts.h"

#include <QHeaderView>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// Five records of the main library, every other day, newest first, shown in the table; a
// smart book of the spending, and a plain book with none of them yet.
class ShownBookTest : public ::testing::Test, protected WindowParts {
protected:
    ShownBookTest() {
        const BookPtr& main = root->mainLibrary();
        main->addObject(sampleRecord("100", QDate(2024, 3, 1), QStringLiteral("salary")));
        main->addObject(sampleRecord("-30.25", QDate(2024, 3, 3), QStringLiteral("groceries")));
        main->addObject(sampleRecord("-12", QDate(2024, 3, 5), QStringLiteral("lunch")));
        main->addObject(sampleRecord("7", QDate(2024, 3, 7), QStringLiteral("refund")));
        main->addObject(sampleRecord("-4.5", QDate(2024, 3, 9), QStringLiteral("coffee")));
        auto spending = AmountCondition::create();
        spending->setConditionTypeCode(Condition::LessThan);
        spending->setObject(Amount::fromInt(0));
        smart->setBookName(QStringLiteral("Spending"));
        smart->setConditions(spending);
        root->addSmartBook(smart);
        plain->setBookName(QStringLiteral("Plain"));
        root->addDumbBook(plain);
        show(main);
    }

    // What the table and whoever follows the shown book hear from now on.
    struct Heard {
        explicit Heard(const WindowParts& parts)
            : changed(&parts.recordModel, &QAbstractItemModel::dataChanged)
            , inserted(&parts.recordModel, &QAbstractItemModel::rowsInserted)
            , removed(&parts.recordModel, &QAbstractItemModel::rowsRemoved)
            , layouts(&parts.recordModel, &QAbstractItemModel::layoutChanged)
            , resets(&parts.recordModel, &QAbstractItemModel::modelReset)
            , refreshed(&parts.shownBook, &ShownBook::refreshed)
            , figures(&parts.shownBook, &ShownBook::figuresChanged) {}
        QSignalSpy changed, inserted, removed, layouts, resets, refreshed, figures;
    };

    int rowOf(const QString& comment) const {
        for (int row = 0; row < recordModel.rowCount(); ++row) {
            if (recordModel.addressAtRow(row)->comment() == comment) {
                return row;
            }
        }
        return -1;
    }
    IOPtr record(const QString& comment) const { return recordModel.recordAtRow(rowOf(comment)); }

    SmartBookPtr smart = SmartBook::create();
    BookPtr plain = Book::create();
};

TEST_F(ShownBookTest, aCellEditReadsOneRowAgainAndRefreshesNothing) {
    const Heard heard(*this);
    ASSERT_TRUE(recordModel.setData(cell(2, IOTableModel::AmountColumn), QStringLiteral("-13.75")));
    settle();
    ASSERT_EQ(heard.changed.count(), 1);
    const auto first = heard.changed.first().at(0).value<QModelIndex>();
    const auto last = heard.changed.first().at(1).value<QModelIndex>();
    EXPECT_EQ(first.row(), 2);
    EXPECT_EQ(last.row(), 2);
    EXPECT_EQ(shown(2, IOTableModel::AmountColumn), QStringLiteral("-13.75"));
    EXPECT_EQ(heard.layouts.count() + heard.resets.count() + heard.refreshed.count(), 0);
    // The sums follow, once.
    EXPECT_EQ(heard.figures.count(), 1);

    // Undo reads the same row again, and nothing more.
    document.undoStack()->undo();
    settle();
    EXPECT_EQ(heard.changed.count(), 2);
    EXPECT_EQ(shown(2, IOTableModel::AmountColumn), QStringLiteral("-12.00"));
    EXPECT_EQ(heard.layouts.count() + heard.resets.count() + heard.refreshed.count(), 0);
}

TEST_F(ShownBookTest, aSmartBookIsChosenAgainOnlyForAFieldItsConditionsRead) {
    show(smart);
    ASSERT_EQ(recordModel.rowCount(), 3);
    const Heard heard(*this);

    document.setComment(record(QStringLiteral("lunch")), QStringLiteral("lunch out"));
    document.setIncludeInStats(record(QStringLiteral("coffee")), 0);
    settle();
    EXPECT_EQ(heard.refreshed.count(), 0);
    EXPECT_EQ(heard.changed.count(), 2);

    // Spending no more: one pass, and the record leaves the rows.
    document.setAmount(record(QStringLiteral("coffee")), Amount::fromInt(5));
    EXPECT_EQ(heard.refreshed.count(), 0) << "chosen again before the change was done";
    settle();
    EXPECT_EQ(heard.refreshed.count(), 1);
    EXPECT_EQ(recordModel.rowCount(), 2);
    EXPECT_EQ(rowOf(QStringLiteral("coffee")), -1);

    // New conditions, or a record entered into the library: one pass each.
    document.setConditions(smart, Condition::create());
    settle();
    EXPECT_EQ(heard.refreshed.count(), 2);
    EXPECT_EQ(recordModel.rowCount(), 5);
    document.enterRecord(sampleRecord("-1", QDate(2024, 3, 10), QStringLiteral("tea")));
    settle();
    EXPECT_EQ(heard.refreshed.count(), 3);
    EXPECT_EQ(recordModel.rowCount(), 6);
    EXPECT_EQ(heard.resets.count(), 0);
}

TEST_F(ShownBookTest, aSmartBookNamingABookFollowsWhatThatBookHolds) {
    auto tree = AndConditions::create();
    auto inPlain = BookCondition::create();
    inPlain->setConditionTypeCode(Condition::Is);
    inPlain->setObject(plain);
    tree->addCondition(inPlain);
    smart->setConditions(tree);
    show(smart);
    ASSERT_EQ(recordModel.rowCount(), 0);
    const Heard heard(*this);

    document.addRecordsToBook(plain, {root->mainLibrary()->objectAtIndex(0)});
    settle();
    EXPECT_EQ(recordModel.rowCount(), 1);
    // Deleted, the book holds nothing for the smart book.
    document.deleteBook(plain);
    settle();
    EXPECT_EQ(recordModel.rowCount(), 0);
    EXPECT_EQ(heard.refreshed.count(), 2);
}

TEST_F(ShownBookTest, enteredRecordsTakeTheirRowsAndDeletedOnesComeBackWithUndo) {
    const Heard heard(*this);
    document.enterRecord(sampleRecord("-2", QDate(2024, 3, 8), QStringLiteral("bus")));
    ASSERT_EQ(heard.inserted.count(), 1);
    EXPECT_EQ(heard.inserted.first().at(1).toInt(), 1);
    EXPECT_EQ(heard.inserted.first().at(2).toInt(), 1);
    EXPECT_EQ(shown(1, IOTableModel::CommentColumn), QStringLiteral("bus"));

    const IOList doomed{record(QStringLiteral("salary")), record(QStringLiteral("lunch"))};
    document.deleteRecords(root->mainLibrary(), doomed);
    EXPECT_EQ(heard.removed.count(), 2);
    EXPECT_EQ(recordModel.rowCount(), 4);
    document.undoStack()->undo();
    EXPECT_EQ(heard.inserted.count(), 3);
    EXPECT_EQ(recordModel.rowCount(), 6);
    EXPECT_EQ(rowOf(QStringLiteral("salary")), 5);
    EXPECT_EQ(rowOf(QStringLiteral("lunch")), 3);
    settle();
    EXPECT_EQ(heard.layouts.count() + heard.resets.count() + heard.refreshed.count(), 0);
    // The sums follow each change as it is done, once for all the books a delete touched.
    EXPECT_EQ(heard.figures.count(), 3);
}

TEST_F(ShownBookTest, aSearchOrAnOrderIsOneNewLayoutThatEditsKeepUpWith) {
    search(QStringLiteral("c"));
    ASSERT_EQ(recordModel.rowCount(), 3);
    const Heard heard(*this);

    // The search reads comments: a record that no longer matches leaves, one entered that matches comes.
    document.setComment(record(QStringLiteral("groceries")), QStringLiteral("market"));
    document.enterRecord(sampleRecord("-3", QDate(2024, 3, 10), QStringLiteral("cake")));
    EXPECT_EQ(heard.inserted.count(), 0);
    settle();
    EXPECT_EQ(heard.refreshed.count(), 1);
    EXPECT_EQ(heard.layouts.count(), 1);
    EXPECT_EQ(recordModel.rowCount(), 3);
    EXPECT_EQ(rowOf(QStringLiteral("market")), -1);
    EXPECT_EQ(rowOf(QStringLiteral("cake")), 0);

    // Sorted by amount, an amount moves its record; a day no longer does.
    table->horizontalHeader()->setSortIndicator(IOTableModel::AmountColumn, Qt::AscendingOrder);
    EXPECT_EQ(heard.refreshed.count(), 2);
    EXPECT_EQ(heard.layouts.count(), 2);
    EXPECT_EQ(rowOf(QStringLiteral("cake")), 2);
    document.setDate(record(QStringLiteral("cake")), QDate(2023, 1, 1));
    settle();
    EXPECT_EQ(heard.refreshed.count(), 2);
    document.setAmount(record(QStringLiteral("cake")), Amount::fromInt(-20));
    settle();
    EXPECT_EQ(heard.refreshed.count(), 3);
    EXPECT_EQ(rowOf(QStringLiteral("cake")), 0);
    EXPECT_EQ(heard.resets.count(), 0);
}

} // namespace
