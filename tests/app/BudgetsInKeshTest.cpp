#include "BudgetTableModel.h"
#include "BudgetsWindow.h"
#include "Clock.h"
#include "EntryFixture.h"

#include <QAction>

namespace {

class BudgetsInKesh : public EntryFixture {
protected:
    BudgetsInKesh() { Clock::setFixed(QDateTime(QDate(2024, 3, 20), QTime(12, 0))); }
    ~BudgetsInKesh() override { Clock::reset(); }

    BudgetPtr addBudget(const KeywordPtr& keyword, const SmartBookPtr& book) {
        BudgetPtr budget = Budget::create();
        if (book) {
            budget->setSmartBook(book);
        } else {
            budget->setKeyword(keyword);
        }
        budget->setAmount(Amount::fromInt(50));
        EXPECT_TRUE(app->document()->addBudget(budget));
        return budget;
    }
    static QStringList sorted(QStringList list) {
        list.sort();
        return list;
    }
};

} // namespace

TEST_F(BudgetsInKesh, aKeywordsBudgetShowsTheMainLibrarySearchedForTheKeyword) {
    const BudgetPtr food = addBudget(keyword(0), nullptr);
    find<QAction>("budgetsWindowAction")->trigger();
    auto* window = find<BudgetsWindow>("budgetsWindow");
    ASSERT_TRUE(window && window->isVisible());
    ASSERT_EQ(window->model()->rowCount(), 1);
    EXPECT_DOUBLE_EQ(window->model()->figuresAt(0).spent, 52.0);

    app->bookListController()->selectBook(root().dumbBooks().front());
    emit window->recordsRequested(food);
    EXPECT_EQ(app->windows()->shownBook()->book(), root().mainLibrary());
    EXPECT_EQ(sorted(shownComments()), QStringList({QStringLiteral("lunch"), QStringLiteral("train")}));
    EXPECT_TRUE(find<QWidget>("keywordSearchBar")->isVisibleTo(app->mainWindow()));
}

TEST_F(BudgetsInKesh, aSmartBooksBudgetSelectsTheBook) {
    const SmartBookPtr book = SmartBook::create();
    book->setBookName(QStringLiteral("Everything"));
    book->setConditions(Condition::create());
    app->document()->addSmartBook(book);
    app->bookListController()->selectBook(root().mainLibrary());
    const BudgetPtr budget = addBudget(nullptr, book);
    app->windows()->showBudgets();
    emit app->windows()->budgetsWindow()->recordsRequested(budget);
    EXPECT_EQ(app->windows()->shownBook()->book(), book);
}
