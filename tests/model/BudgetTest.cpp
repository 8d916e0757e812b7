#include "Budget.h"
#include "BudgetSpending.h"
#include "CommentCondition.h"
#include "Crc32.h"
#include "DataFileFormat.h"
#include "DataFileReader.h"
#include "DataFileWriter.h"
#include "KeywordCondition.h"
#include "KeywordRule.h"
#include "RecurringRecord.h"
#include "SmartBook.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

using Range = BudgetSpending::Range;

const Range march2026{QDate(2026, 3, 1), QDate(2026, 3, 31)};

IOPtr addRecord(DataRoot& root, int amount, QDate day, const KeywordList& keywords, std::int8_t counted = 1) {
    IOPtr record = IO::create(Amount::fromInt(amount), QDateTime(day, QTime(12, 0)), keywords, QString(), counted);
    root.mainLibrary()->addObject(record);
    return record;
}

BudgetPtr budgetFor(const KeywordPtr& keyword, int amount, Budget::Period period = Budget::Period::Month) {
    BudgetPtr budget = Budget::create();
    budget->setKeyword(keyword);
    budget->setAmount(Amount::fromInt(amount));
    budget->setPeriod(period);
    return budget;
}

struct Library {
    DataRootPtr root = DataRoot::create();
    KeywordPtr food = Keyword::create(QStringLiteral("Food"));
    KeywordPtr travel = Keyword::create(QStringLiteral("Travel"));
    Library() {
        root->addKeyword(food);
        root->addKeyword(travel);
    }
};

QByteArray fileOf(const DataRoot& root) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    DataFileWriter writer;
    EXPECT_TRUE(writer.write(root, &buffer)) << writer.errorString().toStdString();
    return bytes;
}

DataRootPtr read(const QByteArray& bytes) {
    DataFileReader reader;
    EXPECT_TRUE(reader.read(QByteArrayView(bytes))) << reader.errorString().toStdString();
    return reader.root();
}

} // namespace

TEST(BudgetSpending, CountsOutgoingsFromTheFirstToTheLastDayOfTheMonth) {
    Library lib;
    addRecord(*lib.root, -100, QDate(2026, 2, 28), {lib.food});
    addRecord(*lib.root, -200, QDate(2026, 3, 1), {lib.food});
    addRecord(*lib.root, -300, QDate(2026, 3, 31), {lib.food});
    addRecord(*lib.root, -400, QDate(2026, 4, 1), {lib.food});
    const auto figures = BudgetSpending::compute(*lib.root, *budgetFor(lib.food, 1000), march2026);
    EXPECT_EQ(figures.first, QDate(2026, 3, 1));
    EXPECT_EQ(figures.last, QDate(2026, 3, 31));
    EXPECT_DOUBLE_EQ(figures.spent, 500.0);
    EXPECT_DOUBLE_EQ(figures.left, 500.0);
    EXPECT_EQ(figures.records, 2U);
    EXPECT_TRUE(figures.targetHeld);
}

TEST(BudgetSpending, IncomeUncountedAndUndatedRecordsSpendNothing) {
    Library lib;
    addRecord(*lib.root, -300, QDate(2026, 3, 10), {lib.food});
    addRecord(*lib.root, 1000, QDate(2026, 3, 11), {lib.food});    // a refund or salary takes nothing off
    addRecord(*lib.root, -500, QDate(2026, 3, 12), {lib.food}, 0); // not counted in the statistics
    addRecord(*lib.root, -700, QDate(2026, 3, 13), {});            // another keyword's or none
    const auto figures = BudgetSpending::compute(*lib.root, *budgetFor(lib.food, 200), march2026);
    EXPECT_DOUBLE_EQ(figures.spent, 300.0);
    EXPECT_DOUBLE_EQ(figures.left, -100.0);
    EXPECT_DOUBLE_EQ(figures.share(), 1.5);
}

TEST(BudgetSpending, ARecordWithSeveralKeywordsCountsForEachOfTheirBudgets) {
    Library lib;
    addRecord(*lib.root, -120, QDate(2026, 3, 5), {lib.food, lib.travel});
    addRecord(*lib.root, -30, QDate(2026, 3, 6), {lib.travel});
    const BudgetList budgets{budgetFor(lib.food, 100), budgetFor(lib.travel, 1000, Budget::Period::Year)};
    const auto figures = BudgetSpending::compute(*lib.root, budgets, march2026);
    ASSERT_EQ(figures.size(), 2U);
    EXPECT_DOUBLE_EQ(figures[0].spent, 120.0);
    EXPECT_DOUBLE_EQ(figures[1].spent, 150.0);
}

TEST(BudgetSpending, AYearlyBudgetSeenInAMonthMeasuresItsWholeYear) {
    Library lib;
    addRecord(*lib.root, -10, QDate(2025, 12, 31), {lib.travel});
    addRecord(*lib.root, -20, QDate(2026, 1, 1), {lib.travel});
    addRecord(*lib.root, -40, QDate(2026, 12, 31), {lib.travel});
    addRecord(*lib.root, -80, QDate(2027, 1, 1), {lib.travel});
    const BudgetPtr yearly = budgetFor(lib.travel, 300, Budget::Period::Year);
    const auto figures = BudgetSpending::compute(*lib.root, BudgetList{yearly}, march2026).front();
    EXPECT_EQ(figures.first, QDate(2026, 1, 1));
    EXPECT_EQ(figures.last, QDate(2026, 12, 31));
    EXPECT_DOUBLE_EQ(figures.budget, 300.0);
    EXPECT_DOUBLE_EQ(figures.spent, 60.0);

    // A monthly budget seen over a year is budgeted twelve times.
    const Range year = BudgetSpending::rangeOf(BudgetSpending::Span::ThisYear, QDate(2026, 3, 15));
    const auto monthly = BudgetSpending::compute(*lib.root, BudgetList{budgetFor(lib.travel, 25)}, year).front();
    EXPECT_DOUBLE_EQ(monthly.budget, 300.0);
    EXPECT_DOUBLE_EQ(monthly.spent, 60.0);
}

TEST(BudgetSpending, SpansAroundTodayCrossTheYearBoundary) {
    const QDate newYear(2026, 1, 1);
    const Range last = BudgetSpending::rangeOf(BudgetSpending::Span::LastMonth, newYear);
    EXPECT_EQ(last.first, QDate(2025, 12, 1));
    EXPECT_EQ(last.last, QDate(2025, 12, 31));
    const Range leap = BudgetSpending::rangeOf(BudgetSpending::Span::LastMonth, QDate(2024, 3, 31));
    EXPECT_EQ(leap.last, QDate(2024, 2, 29));
    const Range lastYear = BudgetSpending::rangeOf(BudgetSpending::Span::LastYear, newYear);
    EXPECT_EQ(lastYear.first, QDate(2025, 1, 1));
    EXPECT_EQ(lastYear.last, QDate(2025, 12, 31));
}

TEST(BudgetSpending, SmartBookBudgetsFollowTheTreeAndADeletedTargetSpendsNothing) {
    Library lib;
    addRecord(*lib.root, -50, QDate(2026, 3, 3), {lib.food});
    addRecord(*lib.root, -70, QDate(2026, 3, 4), {});
    const SmartBookPtr book = SmartBook::create();
    book->setBookName(QStringLiteral("Groceries"));
    auto hasFood = KeywordCondition::create();
    hasFood->setConditionTypeCode(Condition::Includes);
    hasFood->setObject(lib.food);
    book->setConditions(hasFood);
    lib.root->addSmartBook(book);
    BudgetPtr budget = Budget::create();
    budget->setSmartBook(book);
    budget->setAmount(Amount::fromInt(100));
    EXPECT_DOUBLE_EQ(BudgetSpending::compute(*lib.root, *budget, march2026).spent, 50.0);
    EXPECT_EQ(BudgetSpending::spendingRecords(*lib.root, *budget, march2026).size(), 1U);

    lib.root->deleteBook(book.get());
    const auto gone = BudgetSpending::compute(*lib.root, *budget, march2026);
    EXPECT_FALSE(gone.targetHeld);
    EXPECT_DOUBLE_EQ(gone.spent, 0.0);
    EXPECT_EQ(gone.targetHeld, false);
}

TEST(BudgetFile, BudgetsComeBackWithTheLibrarysOwnKeywordAndBook) {
    Library lib;
    const SmartBookPtr book = SmartBook::create();
    book->setBookName(QStringLiteral("Trips"));
    lib.root->addSmartBook(book);
    BudgetPtr forBook = Budget::create();
    forBook->setSmartBook(book);
    forBook->setAmount(*Amount::fromString(u"300000.25"));
    forBook->setPeriod(Budget::Period::Year);
    lib.root->setBudgets({budgetFor(lib.food, 40000), forBook});

    const DataRootPtr back = read(fileOf(*lib.root));
    ASSERT_TRUE(back);
    ASSERT_EQ(back->budgets().size(), 2U);
    const Budget& food = *back->budgets()[0];
    EXPECT_EQ(food.keyword(), back->keywords().front());
    EXPECT_EQ(food.amount(), Amount::fromInt(40000));
    EXPECT_EQ(food.period(), Budget::Period::Month);
    const Budget& trips = *back->budgets()[1];
    EXPECT_EQ(trips.smartBook(), back->smartBooks().front());
    EXPECT_EQ(trips.amount().toString(), QStringLiteral("300000.25"));
    EXPECT_EQ(trips.period(), Budget::Period::Year);
}

TEST(BudgetFile, ABudgetKeepsItsDeletedKeywordAcrossASave) {
    Library lib;
    lib.root->setBudgets({budgetFor(lib.food, 10)});
    lib.root->removeKeyword(lib.food.get());
    const DataRootPtr back = read(fileOf(*lib.root));
    ASSERT_TRUE(back);
    ASSERT_EQ(back->budgets().size(), 1U);
    ASSERT_TRUE(back->budgets().front()->keyword());
    EXPECT_EQ(back->budgets().front()->keyword()->name(), QStringLiteral("Food"));
    EXPECT_EQ(back->keywords().size(), 1U);
}

TEST(BudgetFile, AnOlderFileReadsWithoutBudgetsAndOneWithoutThemCostsNoByte) {
    Library lib;
    addRecord(*lib.root, -5, QDate(2026, 3, 1), {lib.food});
    QByteArray bytes = fileOf(*lib.root);
    // The same library marked as format 2, which had no fields.
    DataFileFormat::putLittleEndian32(bytes.data() + DataFileFormat::versionOffset, 2);
    DataFileFormat::putLittleEndian32(bytes.data() + DataFileFormat::headerCrcOffset,
                                      Crc32::of(QByteArrayView(bytes.constData(), DataFileFormat::headerCrcOffset)));
    const DataRootPtr older = read(bytes);
    ASSERT_TRUE(older);
    EXPECT_TRUE(older->budgets().empty());

    const qsizetype without = fileOf(*lib.root).size();
    lib.root->setBudgets({budgetFor(lib.food, 10)});
    EXPECT_GT(fileOf(*lib.root).size(), without);
}

// Rules, recurring records and budgets are the library's numbered fields;
// written together they come back together, each where it was.
TEST(BudgetFile, RulesRecurringRecordsAndBudgetsComeBackTogether) {
    Library lib;
    KeywordRulePtr rule = KeywordRule::create(QStringLiteral("Groceries"));
    rule->setKeywords({lib.food});
    lib.root->setKeywordRules({rule});
    RecurringRecordPtr rent = RecurringRecord::create();
    rent->setComment(QStringLiteral("Rent"));
    rent->setAmount(Amount::fromInt(-900));
    RecurrenceRule monthly;
    monthly.setUnit(RecurrenceRule::Unit::Months);
    monthly.setMonthDay(RecurrenceRule::lastDayOfMonth);
    monthly.setStart(QDate(2026, 1, 31));
    rent->setRule(monthly);
    rent->setLastEntered(QDate(2026, 11, 30));
    lib.root->setRecurringRecords({rent});
    lib.root->setBudgets({budgetFor(lib.travel, 300000, Budget::Period::Year)});

    const DataRootPtr back = read(fileOf(*lib.root));
    ASSERT_TRUE(back);
    ASSERT_EQ(back->keywordRules().size(), 1U);
    EXPECT_EQ(back->keywordRules()[0]->name(), QStringLiteral("Groceries"));
    ASSERT_EQ(back->recurringRecords().size(), 1U);
    EXPECT_EQ(back->recurringRecords()[0]->comment(), QStringLiteral("Rent"));
    EXPECT_EQ(back->recurringRecords()[0]->lastEntered(), QDate(2026, 11, 30));
    ASSERT_EQ(back->budgets().size(), 1U);
    EXPECT_EQ(back->budgets()[0]->keyword(), back->keywords()[1]);
    EXPECT_EQ(back->budgets()[0]->period(), Budget::Period::Year);
}
