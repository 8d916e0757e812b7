#include "WindowParts.h"

#include <QAction>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Three hundred records, one a day, newest first, in a window that shows a
// few dozen of them; the user has scrolled down and selected one record.
class RecordTableFollow : public ::testing::Test, protected WindowParts {
protected:
    RecordTableFollow() {
        const BookPtr& main = root->mainLibrary();
        for (int day = 0; day < 300; ++day) {
            const QString amount = QString::number(day % 7 == 0 ? 1000 + day : -day);
            main->appendObject(
                sampleRecord(qPrintable(amount), QDate(2024, 1, 1).addDays(day), QStringLiteral("record %1").arg(day)));
        }
        show(main);
        window.resize(900, 600);
        window.show();
        table->scrollTo(cell(150, 0), QAbstractItemView::PositionAtTop);
        table->selectionModel()->setCurrentIndex(cell(160, 0),
                                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        chosen = recordModel.recordAtRow(160);
        scroll = table->verticalScrollBar()->value();
    }

    int rowOf(const IOPtr& record) const {
        for (int row = 0; row < recordModel.rowCount(); ++row) {
            if (recordModel.addressAtRow(row) == record.get()) {
                return row;
            }
        }
        return -1;
    }
    IOList selected() const { return records.selectedRecords(); }

    IOPtr chosen;
    int scroll = 0;
};

TEST_F(RecordTableFollow, deletesUndoesAndEditsKeepTheSelectionAndTheScrollWithoutAReset) {
    QSignalSpy resets(&recordModel, &QAbstractItemModel::modelReset);
    const IOPtr above = recordModel.recordAtRow(10);

    document.deleteRecords(root->mainLibrary(), {above});
    settle();
    EXPECT_EQ(recordModel.rowCount(), 299);
    EXPECT_EQ(selected(), IOList{chosen});
    EXPECT_EQ(rowOf(chosen), 159);
    EXPECT_EQ(table->currentIndex().row(), 159);
    EXPECT_EQ(table->verticalScrollBar()->value(), scroll);

    document.undoStack()->undo();
    settle();
    EXPECT_EQ(recordModel.rowCount(), 300);
    EXPECT_EQ(recordModel.recordAtRow(10), above);
    EXPECT_EQ(selected(), IOList{chosen});
    EXPECT_EQ(rowOf(chosen), 160);

    document.setComment(chosen, QStringLiteral("renamed"));
    settle();
    EXPECT_EQ(shown(160, IOTableModel::CommentColumn), QStringLiteral("renamed"));
    EXPECT_EQ(selected(), IOList{chosen});
    EXPECT_EQ(table->verticalScrollBar()->value(), scroll);
    EXPECT_EQ(resets.count(), 0);
}

TEST_F(RecordTableFollow, manyScatteredRowsLeaveAndComeBackAsOneNewLayout) {
    QSignalSpy resets(&recordModel, &QAbstractItemModel::modelReset);
    QSignalSpy layouts(&recordModel, &QAbstractItemModel::layoutChanged);
    IOList doomed;
    for (int row = 0; row < 300; row += 3) {
        if (row != 160) {
            doomed.push_back(recordModel.recordAtRow(row));
        }
    }
    document.deleteRecords(root->mainLibrary(), doomed);
    settle();
    EXPECT_EQ(recordModel.rowCount(), 200);
    EXPECT_EQ(selected(), IOList{chosen});
    EXPECT_EQ(table->currentIndex().row(), rowOf(chosen));

    document.undoStack()->undo();
    settle();
    EXPECT_EQ(recordModel.rowCount(), 300);
    EXPECT_EQ(rowOf(chosen), 160);
    EXPECT_EQ(selected(), IOList{chosen});
    EXPECT_EQ(layouts.count(), 2);
    EXPECT_EQ(resets.count(), 0);
}

TEST_F(RecordTableFollow, theSelectionMovesWithItsRecordsWhenTheOrderOrTheSearchChanges) {
    QSignalSpy resets(&recordModel, &QAbstractItemModel::modelReset);
    table->selectionModel()->select(cell(20, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const IOPtr second = recordModel.recordAtRow(20);

    table->horizontalHeader()->setSortIndicator(IOTableModel::AmountColumn, Qt::AscendingOrder);
    IOList both = selected();
    std::sort(both.begin(), both.end());
    IOList expected{chosen, second};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(both, expected);
    EXPECT_EQ(recordModel.addressAtRow(table->currentIndex().row()), chosen.get());
    EXPECT_EQ(resets.count(), 0);

    // The search keeps the chosen record and drops the other one.
    search(chosen->comment());
    EXPECT_EQ(selected(), IOList{chosen});
    search(QStringLiteral("no such comment"));
    EXPECT_EQ(recordModel.rowCount(), 0);
    EXPECT_TRUE(selected().empty());
    EXPECT_FALSE(window.findChild<QAction*>(QStringLiteral("deleteAction"))->isEnabled());
}

TEST_F(RecordTableFollow, aRecordTakenOutOfTheShownBookLeavesTheRowsInTheSameChange) {
    // A deleted record is gone from the rows before anything else runs: the
    // change may be the last thing that holds it.
    const IOPtr doomed = recordModel.recordAtRow(0);
    document.deleteRecords(root->mainLibrary(), {doomed});
    EXPECT_EQ(recordModel.rowCount(), 299);
    EXPECT_NE(recordModel.addressAtRow(0), doomed.get());
}

} // namespace
