#include "BudgetsWindow.h"
#include "AlertAnswers.h"
#include "BudgetBarDelegate.h"
#include "BudgetTableModel.h"
#include "Clock.h"
#include "LibraryDocument.h"
#include "WhenModal.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class BudgetsWindowTest : public ::testing::Test {
public:
    BudgetsWindowTest() {
        Clock::setFixed(QDateTime(QDate(2026, 3, 15), QTime(12, 0)));
        root = DataRoot::create();
        food = Keyword::create(QStringLiteral("Food"));
        root->setKeywords({food});
        spending = addRecord(-300, QDate(2026, 3, 31));
        addRecord(-1000, QDate(2026, 2, 28));
        document = std::make_unique<LibraryDocument>(root);
        window = std::make_unique<BudgetsWindow>(document.get());
        tester = std::make_unique<QAbstractItemModelTester>(window->model());
        window->setAmountDecimals(2);
        window->show();
    }
    ~BudgetsWindowTest() override { Clock::reset(); }

    IOPtr addRecord(int amount, QDate day) {
        IOPtr record =
            IO::create(Amount::fromInt(amount), QDateTime(day, QTime(9, 0)), KeywordList{food}, QString(), 1);
        root->mainLibrary()->addObject(record);
        return record;
    }

    void addBudget(int amount) {
        BudgetPtr budget = Budget::create();
        budget->setKeyword(food);
        budget->setAmount(Amount::fromInt(amount));
        ASSERT_TRUE(document->addBudget(budget));
    }

    QString cell(int row, int column) const { return window->model()->index(row, column).data().toString(); }
    QString figure(double value) const { return LedgerFormat().formatSum(value, 2); }

    DataRootPtr root;
    KeywordPtr food;
    IOPtr spending;
    std::unique_ptr<LibraryDocument> document;
    std::unique_ptr<BudgetsWindow> window;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

} // namespace

TEST_F(BudgetsWindowTest, FiguresFollowRecordEditsKeywordRenamesAndThePeriodChosen) {
    addBudget(400);
    ASSERT_EQ(window->model()->rowCount(), 1);
    EXPECT_EQ(cell(0, BudgetTableModel::BudgetColumn), figure(400));
    EXPECT_EQ(cell(0, BudgetTableModel::SpentColumn), figure(300));
    EXPECT_EQ(cell(0, BudgetTableModel::LeftColumn), figure(100));

    document->setAmount(spending, Amount::fromInt(-450));
    EXPECT_EQ(cell(0, BudgetTableModel::SpentColumn), figure(450));
    EXPECT_EQ(cell(0, BudgetTableModel::LeftColumn), figure(-50));
    document->undoStack()->undo();
    EXPECT_EQ(cell(0, BudgetTableModel::SpentColumn), figure(300));

    document->renameKeyword(food, QStringLiteral("Groceries"));
    EXPECT_TRUE(cell(0, BudgetTableModel::NameColumn).contains(QStringLiteral("Groceries")));

    window->setSpan(BudgetSpending::Span::LastMonth);
    EXPECT_EQ(cell(0, BudgetTableModel::SpentColumn), figure(1000));
    window->setSpan(BudgetSpending::Span::ThisYear);
    EXPECT_EQ(cell(0, BudgetTableModel::BudgetColumn), figure(4800));
    EXPECT_EQ(cell(0, BudgetTableModel::SpentColumn), figure(1300));
}

TEST_F(BudgetsWindowTest, ADeletedKeywordsBudgetStaysMarkedAndTheBarWarnsPastTheBudget) {
    addBudget(200);
    const QModelIndex bar = window->model()->index(0, BudgetTableModel::BarColumn);
    EXPECT_DOUBLE_EQ(bar.data(BudgetTableModel::ShareRole).toDouble(), 1.5);
    const QPalette palette = window->palette();
    EXPECT_EQ(BudgetBarDelegate::barColor(palette, 1.5), BudgetBarDelegate::warningColor(palette));
    EXPECT_EQ(BudgetBarDelegate::barColor(palette, 1.0), palette.color(QPalette::Highlight));

    document->deleteKeywords({food});
    ASSERT_EQ(window->model()->rowCount(), 1);
    EXPECT_FALSE(window->model()->figuresAt(0).targetHeld);
    EXPECT_TRUE(cell(0, BudgetTableModel::NameColumn).contains(QStringLiteral("Food")));
    EXPECT_EQ(cell(0, BudgetTableModel::SpentColumn), figure(0));
    document->undoStack()->undo();
    EXPECT_TRUE(window->model()->figuresAt(0).targetHeld);
    EXPECT_EQ(cell(0, BudgetTableModel::SpentColumn), figure(300));
}

TEST_F(BudgetsWindowTest, NewEditAndDeleteGoThroughTheDialogAndTheUndoStack) {
    auto* newButton = window->findChild<QPushButton*>(QStringLiteral("newBudgetButton"));
    ASSERT_TRUE(newButton);
    {
        // A negative amount is refused and the dialog stays open.
        AlertAnswers answers({QStringLiteral("OK")});
        whenModal<QDialog>([](QDialog* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("amountField"))->setText(QStringLiteral("-5"));
            dialog->accept();
            EXPECT_TRUE(dialog->isVisible());
            dialog->findChild<QLineEdit*>(QStringLiteral("amountField"))->setText(QStringLiteral("250"));
            dialog->accept();
        });
        newButton->click();
        EXPECT_EQ(Alert::shownAlerts().size(), 1);
    }
    ASSERT_EQ(root->budgets().size(), 1U);
    EXPECT_EQ(root->budgets().front()->amount(), Amount::fromInt(250));
    EXPECT_EQ(root->budgets().front()->keyword(), food);
    ASSERT_EQ(window->selectedBudget(), root->budgets().front());

    whenModal<QDialog>([](QDialog* dialog) {
        dialog->findChild<QComboBox*>(QStringLiteral("periodComboBox"))->setCurrentIndex(1);
        dialog->accept();
    });
    window->findChild<QPushButton*>(QStringLiteral("editBudgetButton"))->click();
    EXPECT_EQ(root->budgets().front()->period(), Budget::Period::Year);

    window->findChild<QPushButton*>(QStringLiteral("deleteBudgetButton"))->click();
    EXPECT_TRUE(root->budgets().empty());
    EXPECT_EQ(window->model()->rowCount(), 0);
    document->undoStack()->undo();
    EXPECT_EQ(window->model()->rowCount(), 1);
}

TEST_F(BudgetsWindowTest, ClickingABudgetAsksForItsRecords) {
    addBudget(400);
    QSignalSpy asked(window.get(), &BudgetsWindow::recordsRequested);
    auto* table = window->findChild<QTableView*>(QStringLiteral("budgetTable"));
    const QRect cellRect = table->visualRect(window->model()->index(0, BudgetTableModel::NameColumn));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cellRect.center());
    ASSERT_EQ(asked.count(), 1);
    EXPECT_EQ(asked.front().front().value<BudgetPtr>(), root->budgets().front());
}
