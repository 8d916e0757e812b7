#include "AmountCondition.h"
#include "AmountConditionView.h"
#include "AndConditions.h"
#include "BookCondition.h"
#include "Clock.h"
#include "CommentCondition.h"
#include "ConditionControlBox.h"
#include "DataFile.h"
#include "DateCondition.h"
#include "DateConditionView.h"
#include "DateField.h"
#include "EditorFixture.h"
#include "GroupConditionView.h"
#include "KeywordCondition.h"
#include "KeywordConditionView.h"
#include "OrConditions.h"
#include "TreeText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

Amount dec(const char* text) {
    return *Amount::fromString(QString::fromLatin1(text));
}

template <typename Leaf>
std::shared_ptr<Leaf> leaf(std::int32_t code, ConditionOperand object, ConditionOperand object2 = {}) {
    auto condition = Leaf::create();
    condition->setConditionTypeCode(code);
    condition->setObject(std::move(object));
    condition->setObject2(std::move(object2));
    return condition;
}

class ConditionValues : public EditorFixture {
protected:
    ConditionValues() {
        root->addKeyword(food);
        root->addKeyword(travel);
        root->addDumbBook(trips);
    }
    GroupConditionView* rootGroup() const { return static_cast<GroupConditionView*>(controller.rootView()); }

    KeywordPtr food = Keyword::create(QStringLiteral("Food"));
    KeywordPtr travel = Keyword::create(QStringLiteral("Travel"));
    BookPtr trips = Book::create();
};

TEST_F(ConditionValues, EveryKindAndCodeOpensAndStoresAsItWas) {
    trips->setBookName(QStringLiteral("Trips"));
    const CalendarDate may3 = CalendarDate::startOfDay(QDate(2024, 5, 3));
    const CalendarDate june9 = CalendarDate::startOfDay(QDate(2031, 6, 9));
    auto all = OrConditions::create();
    for (const int code : {1, 2, 3, 4}) {
        all->addCondition(leaf<AmountCondition>(code, dec("-1234567.89")));
        all->addCondition(leaf<DateCondition>(code, may3));
    }
    for (const int code : {5, 6}) {
        all->addCondition(leaf<AmountCondition>(code, dec("-0.01"), dec("0.1")));
        all->addCondition(leaf<DateCondition>(code, may3, june9));
    }
    for (const int period : {1, 2, 3}) {
        auto within = leaf<DateCondition>(12 + period % 2 + 1, Amount::fromInt(period * 4));
        within->setPeriodID(period);
        all->addCondition(within);
    }
    for (const int code : {7, 8, 1, 2}) {
        all->addCondition(leaf<KeywordCondition>(code, code % 2 ? travel : food));
    }
    auto nested = AndConditions::create();
    for (const int code : {7, 8, 1, 2, 9, 10, 11, 12}) {
        nested->addCondition(leaf<CommentCondition>(code, QStringLiteral("昼食 %1").arg(code)));
    }
    all->addCondition(nested);
    all->addCondition(leaf<BookCondition>(1, root->mainLibrary()));
    all->addCondition(leaf<BookCondition>(2, trips));
    const SmartBookPtr book = storedBook(all);
    const QString before = treeText(*all);
    EXPECT_TRUE(edit(book, [](ConditionEditWindow& window) { ok(window); }));
    EXPECT_EQ(treeText(*book->conditions()), before);
}

TEST_F(ConditionValues, ExactAmountsHoldFromTheFieldToTheFileAndBack) {
    for (const char* amount : {"0.10", "-0.01", "1234567.89", "1234567.88", "0.11", "-1000"}) {
        const IOPtr record = IO::create(dec(amount), QDateTime(QDate(2024, 5, 3), QTime(9, 0)), {}, QString(), 1);
        root->mainLibrary()->addObject(record);
    }
    const SmartBookPtr book = SmartBook::create();
    ASSERT_TRUE(edit(book, [&](ConditionEditWindow& window) {
        auto* first = static_cast<AmountConditionView*>(rootGroup()->children().front());
        first->controlBox()->orButton()->click();
        first->amountField()->setText(QStringLiteral("0.10"));
        auto* second = static_cast<AmountConditionView*>(rootGroup()->children()[1]);
        second->whatSelector()->setCurrentIndex(4);
        emit second->whatSelector()->activated(4);
        second->amountField()->setText(QStringLiteral("-0.01"));
        second->amountFieldUpperLimit()->setText(QStringLiteral("-0.01"));
        second->controlBox()->orButton()->click();
        auto* third = static_cast<AmountConditionView*>(rootGroup()->children()[2]);
        third->amountField()->setText(QStringLiteral("1,234,567.89"));
        ok(window);
    }));
    const auto matches = [](const SmartBook& smart, const DataRoot& library) {
        QStringList found;
        for (const IOPtr& record : library.mainLibrary()->records()) {
            if (smart.conditions()->ioMatchesCondition(*record)) {
                found.append(record->amount()->toString());
            }
        }
        // All the records share one day, so their order in the library is not the question here.
        found.sort();
        return found;
    };
    QStringList expected{QStringLiteral("0.1"), QStringLiteral("-0.01"), QStringLiteral("1234567.89")};
    expected.sort();
    EXPECT_EQ(matches(*book, *root), expected);

    QTemporaryDir folder;
    DataFile file(folder.filePath(QStringLiteral("Kesh Data")));
    ASSERT_TRUE(file.save(*root)) << file.errorString().toStdString();
    DataFile again(folder.filePath(QStringLiteral("Kesh Data")));
    ASSERT_TRUE(again.load()) << again.errorString().toStdString();
    EXPECT_EQ(matches(*again.root()->smartBooks().front(), *again.root()), expected);
}

TEST_F(ConditionValues, DatesShowFourDigitYearsAndPeriodsCountFromZero) {
    auto period = leaf<DateCondition>(Condition::NotWithinLast, Amount::fromInt(3));
    period->setPeriodID(DateCondition::Weeks);
    const SmartBookPtr book = storedBook(period);
    edit(book, [&](ConditionEditWindow& window) {
        auto* row = static_cast<DateConditionView*>(rootGroup()->children().front());
        EXPECT_EQ(row->periodSelector()->currentIndex(), 1);
        EXPECT_EQ(row->periodField()->value(), 3);
        EXPECT_EQ(row->periodField()->minimum(), 0);
        row->whatSelector()->setCurrentIndex(0);
        emit row->whatSelector()->activated(0);
        row->dateField()->setDate(QDate(1999, 12, 31));
        EXPECT_EQ(row->dateField()->text(), QStringLiteral("12/31/1999"));
        ok(window);
    });
    EXPECT_EQ(treeText(*book->conditions()), QStringLiteral("AND(date1 1999-12-31 00:00)"));
}

TEST_F(ConditionValues, DaysAreTypedWholeAndTextThatIsNoDayIsNotStored) {
    Clock::setFixed(QDateTime(QDate(2026, 12, 9), QTime(12, 0)));
    AlertAnswers answers({QStringLiteral("OK")});
    const SmartBookPtr book = storedBook(leaf<DateCondition>(Condition::Between, CalendarDate()));
    edit(book, [&](ConditionEditWindow& window) {
        auto* row = static_cast<DateConditionView*>(rootGroup()->children().front());
        DateField* from = row->dateField();
        DateField* to = row->dateUpperLimitField();
        from->setFocus();
        from->selectAll();
        QTest::keyClicks(from, QStringLiteral("11/20/2026"));
        to->selectAll();
        QTest::keyClicks(to, QStringLiteral("11/31/2026"));
        ok(window);
        // Nothing stored: the alert names the row and the bound, and the sheet stays.
        ASSERT_EQ(answers.alerts().size(), 1);
        EXPECT_EQ(answers.alerts()[0].objectName, QStringLiteral("conditionRowAlert"));
        EXPECT_EQ(answers.alerts()[0].informativeText,
                  QStringLiteral("Upper limit: “11/31/2026” is not a day. Type one such as 12/9/2026."));
        EXPECT_EQ(controller.window(), &window);
        // A day without its year is the nearest one; no note of a far day on a bound.
        to->selectAll();
        QTest::keyClicks(to, QStringLiteral("12/31"));
        ok(window);
        EXPECT_TRUE(from->note().isEmpty());
    });
    Clock::reset();
    EXPECT_EQ(answers.alerts().size(), 1);
    EXPECT_EQ(treeText(*book->conditions()), QStringLiteral("AND(date5 2026-11-20 00:00~2026-12-31 00:00)"));
}

TEST_F(ConditionValues, ChangingTheKindReplacesTheRowInPlace) {
    const SmartBookPtr book = storedBook([&] {
        auto group = AndConditions::create();
        group->addCondition(leaf<CommentCondition>(Condition::Includes, QStringLiteral("a")));
        group->addCondition(leaf<CommentCondition>(Condition::Includes, QStringLiteral("b")));
        return group;
    }());
    edit(book, [&](ConditionEditWindow& window) {
        auto* first = static_cast<SingleConditionView*>(rootGroup()->children().front());
        first->parameterSelector()->setCurrentIndex(SingleConditionView::Keyword - 1);
        emit first->parameterSelector()->activated(SingleConditionView::Keyword - 1);
        auto* replaced = qobject_cast<KeywordConditionView*>(rootGroup()->children().front());
        ASSERT_TRUE(replaced);
        // The library's keywords in its order, the first "what" item.
        EXPECT_EQ(replaced->keywordSelector()->itemText(0), QStringLiteral("Food"));
        EXPECT_EQ(replaced->keywordSelector()->itemText(1), QStringLiteral("Travel"));
        EXPECT_EQ(replaced->currentWhatID(), Condition::Includes);
        ok(window);
    });
    EXPECT_EQ(treeText(*book->conditions()), QStringLiteral("AND(keyword7 Food,comment7 b)"));
}

TEST_F(ConditionValues, ARefusedAmountIsToldOnceAndLeftSelectedForRetyping) {
    const SmartBookPtr book = SmartBook::create();
    AlertAnswers answers({QStringLiteral("OK")});
    ASSERT_TRUE(edit(book, [&](ConditionEditWindow& window) {
        auto* row = static_cast<AmountConditionView*>(rootGroup()->children().front());
        row->amountField()->setText(QStringLiteral("abc"));
        ok(window);
        ASSERT_EQ(answers.alerts().size(), 1);
        EXPECT_EQ(answers.alerts()[0].informativeText.count(QStringLiteral("abc")), 1)
            << answers.alerts()[0].informativeText.toStdString();
        EXPECT_EQ(row->amountField()->selectedText(), QStringLiteral("abc"));
        QTest::keyClicks(row->amountField(), QStringLiteral("-40"));
        ok(window);
        EXPECT_EQ(answers.alerts().size(), 1);
    }));
    EXPECT_EQ(treeText(*book->conditions()), QStringLiteral("AND(amount1 -40)"));
}

TEST_F(ConditionValues, MissingKeywordOrBookIsShownAndRefusedByRow) {
    const KeywordPtr gone = Keyword::create(QStringLiteral("Gone"));
    auto group = AndConditions::create();
    group->addCondition(leaf<CommentCondition>(Condition::Includes, QStringLiteral("a")));
    group->addCondition(leaf<KeywordCondition>(Condition::Includes, gone));
    const SmartBookPtr book = storedBook(group);
    AlertAnswers answers({QStringLiteral("OK")});
    edit(book, [&](ConditionEditWindow& window) {
        auto* row = static_cast<KeywordConditionView*>(rootGroup()->children()[1]);
        EXPECT_TRUE(row->keywordSelector()->currentText().contains(QStringLiteral("Gone")));
        ok(window);
        // Refused: the sheet stays, and the alert names the row.
        ASSERT_EQ(answers.alerts().size(), 1);
        EXPECT_EQ(answers.alerts()[0].objectName, QStringLiteral("conditionRowAlert"));
        EXPECT_TRUE(answers.alerts()[0].text.contains(QStringLiteral("Row 2")))
            << answers.alerts()[0].text.toStdString();
        EXPECT_EQ(controller.window(), &window);
        // Choosing a keyword of the library lets OK through.
        row->keywordSelector()->setCurrentIndex(2);
        ok(window);
        EXPECT_EQ(answers.alerts().size(), 1);
    });
    EXPECT_EQ(treeText(*book->conditions()), QStringLiteral("AND(comment7 a,keyword7 Travel)"));

    // A library without keywords: the row opens, shows there are none, and OK refuses it.
    const DataRootPtr bare = DataRoot::create();
    LibraryDocument bareDocument(bare);
    ConditionEditWindowController bareEditor(&bareDocument);
    const SmartBookPtr added = SmartBook::create();
    bareEditor.editSmartPlaylist(added);
    QTimer::singleShot(0, [&] {
        auto* first = static_cast<SingleConditionView*>(
            static_cast<GroupConditionView*>(bareEditor.rootView())->children().front());
        emit first->parameterSelector()->activated(SingleConditionView::Keyword - 1);
        bareEditor.okClicked();
        bareEditor.cancelClicked();
    });
    EXPECT_FALSE(bareEditor.openWindowAsSheetOf(&parent));
    EXPECT_EQ(answers.alerts().size(), 2);
    EXPECT_TRUE(bare->smartBooks().empty());
}

TEST_F(ConditionValues, CodesTheEditorDoesNotOfferOpenOnTheFirstItemAndSaySo) {
    auto group = AndConditions::create();
    group->addCondition(leaf<AmountCondition>(Condition::Includes, dec("5")));
    auto noUnit = leaf<DateCondition>(Condition::WithinLast, Amount::fromInt(2));
    noUnit->setPeriodID(9);
    group->addCondition(noUnit);
    const SmartBookPtr book = storedBook(group);
    AlertAnswers answers({QStringLiteral("OK")});
    edit(book, [&](ConditionEditWindow& window) {
        // The alert comes once the sheet shows.
        ASSERT_TRUE(QTest::qWaitFor([&] { return !answers.alerts().isEmpty(); })) << "no alert came within 5 s";
        ASSERT_EQ(answers.alerts().size(), 1);
        EXPECT_EQ(answers.alerts()[0].objectName, QStringLiteral("conditionCodeAlert"));
        EXPECT_TRUE(answers.alerts()[0].informativeText.contains(QStringLiteral("1, 2")));
        auto* amount = static_cast<AmountConditionView*>(rootGroup()->children()[0]);
        EXPECT_EQ(amount->whatSelector()->currentIndex(), 0);
        auto* date = static_cast<DateConditionView*>(rootGroup()->children()[1]);
        EXPECT_EQ(date->periodSelector()->currentIndex(), 0);
        cancel(window);
    });
}

} // namespace
