#include "LibraryDocument.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

class Budgets : public ::testing::Test {
public:
    Budgets() {
        root = DataRoot::create();
        food = Keyword::create(QStringLiteral("Food"));
        travel = Keyword::create(QStringLiteral("Travel"));
        root->setKeywords({food, travel});
        document = std::make_unique<LibraryDocument>(root);
    }

    BudgetPtr budget(const KeywordPtr& keyword, int amount) {
        BudgetPtr made = Budget::create();
        made->setKeyword(keyword);
        made->setAmount(Amount::fromInt(amount));
        return made;
    }

    QStringList names() const {
        QStringList list;
        for (const BudgetPtr& b : root->budgets()) {
            list << b->targetName() + u' ' + b->amount().toString() +
                        (b->period() == Budget::Period::Year ? QStringLiteral("/y") : QStringLiteral("/m"));
        }
        return list;
    }

    DataRootPtr root;
    KeywordPtr food;
    KeywordPtr travel;
    std::unique_ptr<LibraryDocument> document;
};

} // namespace

TEST_F(Budgets, AddEditAndRemoveAreStepsThatUndoAndRedo) {
    QSignalSpy changes(document.get(), &LibraryDocument::budgetsChanged);
    const BudgetPtr first = budget(food, 40000);
    ASSERT_TRUE(document->addBudget(first));
    ASSERT_TRUE(document->addBudget(budget(travel, 300000)));
    EXPECT_EQ(names(), QStringList({QStringLiteral("Food 40000/m"), QStringLiteral("Travel 300000/m")}));

    ASSERT_TRUE(document->editBudget(first, travel, nullptr, Amount::fromInt(500), Budget::Period::Year));
    EXPECT_EQ(names().front(), QStringLiteral("Travel 500/y"));
    document->removeBudget(first);
    EXPECT_EQ(names(), QStringList({QStringLiteral("Travel 300000/m")}));
    EXPECT_EQ(changes.count(), 4);

    document->undoStack()->undo();
    EXPECT_EQ(names().front(), QStringLiteral("Travel 500/y"));
    document->undoStack()->undo();
    EXPECT_EQ(names().front(), QStringLiteral("Food 40000/m"));
    EXPECT_EQ(root->budgets().front(), first);
    document->undoStack()->undo();
    document->undoStack()->undo();
    EXPECT_TRUE(root->budgets().empty());
    for (int i = 0; i < 4; ++i) {
        document->undoStack()->redo();
    }
    EXPECT_EQ(names(), QStringList({QStringLiteral("Travel 300000/m")}));
}

TEST_F(Budgets, WhatChangesNothingMakesNoStep) {
    const BudgetPtr first = budget(food, 10);
    EXPECT_FALSE(document->addBudget(Budget::create())); // for nothing
    ASSERT_TRUE(document->addBudget(first));
    EXPECT_FALSE(document->addBudget(first)); // already there
    EXPECT_FALSE(document->editBudget(first, food, nullptr, Amount::fromInt(10), Budget::Period::Month));
    EXPECT_FALSE(document->editBudget(first, nullptr, nullptr, Amount::fromInt(10), Budget::Period::Month));
    document->removeBudget(budget(food, 10)); // not the library's
    EXPECT_EQ(document->undoStack()->count(), 1);
}

TEST_F(Budgets, ADeletedKeywordKeepsItsBudgetAndUndoMakesItWhole) {
    const BudgetPtr first = budget(food, 10);
    document->addBudget(first);
    document->deleteKeywords({food});
    ASSERT_EQ(root->budgets().size(), 1U);
    EXPECT_EQ(first->keyword(), food);
    document->undoStack()->undo();
    EXPECT_EQ(root->keywords().front(), food);
    EXPECT_EQ(first->keyword(), food);
}

TEST_F(Budgets, ReplacingTheLibraryTradesTheBudgetsToo) {
    document->addBudget(budget(food, 10));
    const DataRootPtr other = DataRoot::create();
    const KeywordPtr rent = Keyword::create(QStringLiteral("Rent"));
    other->setKeywords({rent});
    other->setBudgets({budget(rent, 900)});
    document->replaceLibrary(*other, QStringLiteral("Restore"));
    EXPECT_EQ(names(), QStringList({QStringLiteral("Rent 900/m")}));
    document->undoStack()->undo();
    EXPECT_EQ(names(), QStringList({QStringLiteral("Food 10/m")}));
}
