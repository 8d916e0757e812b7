#include "StatementImportPlan.h"
#include "AmountCondition.h"
#include "AndConditions.h"
#include "CommentCondition.h"
#include "KeywordCondition.h"
#include "KeywordRuleMatcher.h"

#include <gtest/gtest.h>

namespace {

using Status = StatementImportPlan::Status;

StatementTransaction transaction(int day, const char* amount, const char* comment, const char* id = "") {
    return {day, QDate(2026, 5, day),    *Amount::fromString(QString::fromLatin1(amount)), QString::fromUtf8(comment),
            {},  QString::fromLatin1(id)};
}

IOPtr addRecord(DataRoot& root, int day, const char* amount, const char* comment, const char* id = "") {
    IOPtr record = IO::create(Amount::fromString(QString::fromLatin1(amount)), QDateTime(QDate(2026, 5, day), QTime()),
                              {}, QString::fromUtf8(comment), 1);
    record->setBankId(QString::fromLatin1(id));
    root.mainLibrary()->addObject(record);
    return record;
}

std::vector<Status> statuses(const StatementImportPlan& plan) {
    std::vector<Status> all;
    for (std::size_t i = 0; i < plan.rowCount(); ++i) {
        all.push_back(plan.status(i));
    }
    return all;
}

ConditionPtr commentIncludes(const char* text) {
    ConditionPtr leaf = CommentCondition::create();
    leaf->setConditionTypeCode(Condition::Includes);
    leaf->setObject(QString::fromUtf8(text));
    return leaf;
}

} // namespace

TEST(StatementImportPlan, AKnownBankIdIsADuplicateWhateverItsDayOrAmount) {
    const DataRootPtr root = DataRoot::create();
    addRecord(*root, 1, "-10", "Bakery", "A#1");
    addRecord(*root, 9, "-7", "Bakery", "A#9");
    const StatementImportPlan plan({transaction(20, "-99", "Changed by the bank", "A#1"),
                                    // Same day, amount and comment, but the bank tells them apart.
                                    transaction(9, "-7", "Bakery", "A#10"),
                                    // The same id twice in one file is one transaction.
                                    transaction(11, "-3", "Kiosk", "A#11"), transaction(11, "-3", "Kiosk", "A#11")},
                                   {}, *root);
    EXPECT_EQ(statuses(plan),
              (std::vector<Status>{Status::Duplicate, Status::Ready, Status::Ready, Status::Duplicate}));
    EXPECT_EQ(plan.importedCount(), 2u);
}

TEST(StatementImportPlan, WithoutIdsEachRecordStandsForOneRowAndNearDaysAreOnlyPossible) {
    const DataRootPtr root = DataRoot::create();
    addRecord(*root, 10, "-4.5", "Coffee");
    addRecord(*root, 20, "-30", "Fuel");
    addRecord(*root, 1, "-8", "Cinema");
    const StatementImportPlan plan({transaction(10, "-4.50", "Coffee"), transaction(10, "-4.5", "Coffee"),
                                    transaction(23, "-30", "Fuel"), transaction(5, "-8", "Cinema"),
                                    transaction(20, "-30", "fuel")},
                                   {}, *root);
    // Two identical rows against one record: one is the record, the other a new one.
    EXPECT_EQ(statuses(plan), (std::vector<Status>{Status::Duplicate, Status::Ready, Status::PossibleDuplicate,
                                                   Status::Ready, Status::Ready}));
    EXPECT_EQ(plan.duplicateCount(), 1u);
    EXPECT_EQ(plan.possibleDuplicateCount(), 1u);
    // Possible duplicates go in unless the user says otherwise; duplicates stay out unless ticked.
    EXPECT_FALSE(plan.isImported(0));
    EXPECT_TRUE(plan.isImported(2));
    StatementImportPlan decided = plan;
    decided.setImported(0, true);
    decided.setImported(2, false);
    decided.setImported(1, false);
    EXPECT_EQ(decided.importedCount(), 4u);
}

TEST(StatementImportPlan, RecordsCarryIdsKeywordsByNameAndTheRulesKeywords) {
    const DataRootPtr root = DataRoot::create();
    const KeywordPtr food = Keyword::create(QStringLiteral("Food"));
    const KeywordPtr deleted = Keyword::create(QStringLiteral("Treats"));
    root->addKeyword(food);
    KeywordRulePtr rule = KeywordRule::create(QStringLiteral("Sweets"));
    rule->setConditions(commentIncludes("Bakery"));
    rule->setKeywords({food, deleted});
    root->setKeywordRules({rule});

    StatementTransaction bakery = transaction(2, "-3", "Bakery", "X#1");
    bakery.keywords = {QStringLiteral("Food"), QStringLiteral("New")};
    const StatementImportPlan plan({bakery, transaction(3, "5", "Refund")}, {}, *root);
    const StatementImportPlan::Batch batch = plan.makeRecords(*root);
    ASSERT_EQ(batch.records.size(), 2u);
    const IO& first = *batch.records[0];
    EXPECT_EQ(first.bankId(), QStringLiteral("X#1"));
    EXPECT_EQ(first.keywords(), (KeywordList{food, batch.newKeywords[0], deleted}));
    EXPECT_EQ(batch.newKeywords, (KeywordList{batch.newKeywords[0], deleted}));
    EXPECT_EQ(batch.newKeywords[0]->name(), QStringLiteral("New"));
    EXPECT_TRUE(batch.records[1]->keywords().empty());
    EXPECT_TRUE(plan.makeRecords(*root, false).newKeywords.size() == 1u);
}

TEST(KeywordRuleMatcher, EnabledRulesInOrderAndTheKeywordsTheyWouldAdd) {
    const DataRootPtr root = DataRoot::create();
    const KeywordPtr food = Keyword::create(QStringLiteral("Food"));
    const KeywordPtr big = Keyword::create(QStringLiteral("Big"));
    root->addKeyword(food);
    root->addKeyword(big);
    KeywordRulePtr bakery = KeywordRule::create(QStringLiteral("Bakery"));
    bakery->setConditions(commentIncludes("Bakery"));
    bakery->setKeywords({food});
    KeywordRulePtr large = KeywordRule::create(QStringLiteral("Large"));
    ConditionPtr amount = AmountCondition::create();
    amount->setConditionTypeCode(Condition::LessThan);
    amount->setObject(Amount::fromInt(-100));
    large->setConditions(amount);
    large->setKeywords({big, food});
    KeywordRulePtr off = KeywordRule::create(QStringLiteral("Off"));
    off->setConditions(AndConditions::create());
    off->setKeywords({big});
    off->setEnabled(false);
    // A rule on a keyword the transaction already carries.
    KeywordRulePtr tagged = KeywordRule::create(QStringLiteral("Tagged"));
    ConditionPtr hasFood = KeywordCondition::create();
    hasFood->setConditionTypeCode(Condition::Includes);
    hasFood->setObject(food);
    tagged->setConditions(hasFood);
    tagged->setKeywords({big});
    root->setKeywordRules({bakery, large, off, tagged, KeywordRule::create(QStringLiteral("Empty"))});

    const KeywordRuleMatcher matcher(*root);
    const auto both = matcher.match(QDate(2026, 5, 1), Amount::fromInt(-150), QStringLiteral("Bakery Lux"), {});
    EXPECT_EQ(both.rules, (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(both.keywords, (KeywordList{food, big}));
    const auto carried =
        matcher.match(QDate(2026, 5, 1), Amount::fromInt(-5), QStringLiteral("Bakery"), {QStringLiteral("Food")});
    EXPECT_EQ(carried.rules, (std::vector<std::size_t>{0, 3}));
    EXPECT_EQ(carried.keywords, (KeywordList{big}));
    EXPECT_TRUE(matcher.match(QDate(2026, 5, 1), Amount::fromInt(-5), QStringLiteral("bakery"), {}).isEmpty());
}
