#include "AmountCondition.h"
#include "AndConditions.h"
#include "BookCondition.h"
#include "DateCondition.h"
#include "KeywordCondition.h"
#include "OrConditions.h"

#include <gtest/gtest.h>

namespace {

// Answers as told and counts how often it is asked.
class Probe : public Condition {
public:
    explicit Probe(bool answer, BookPtr book = nullptr)
        : m_answer(answer)
        , m_book(std::move(book)) {}
    bool ioMatchesCondition(const IO&) const override {
        ++asked;
        return m_answer;
    }
    BookPtr getBook() const override {
        ++askedForBook;
        return m_book;
    }
    mutable int asked = 0;
    mutable int askedForBook = 0;

private:
    bool m_answer;
    BookPtr m_book;
};

IOPtr recordWithAmount(const char* amount) {
    IOPtr record = IO::create();
    record->setAmount(Amount::fromString(QString::fromUtf8(amount)));
    return record;
}

ConditionPtr amountCondition(int code, ConditionOperand bound, ConditionOperand upper = {}) {
    auto condition = AmountCondition::create();
    condition->setConditionTypeCode(code);
    condition->setObject(std::move(bound));
    condition->setObject2(std::move(upper));
    return condition;
}

ConditionPtr bookCondition(int code, const BookPtr& book) {
    auto condition = BookCondition::create();
    condition->setConditionTypeCode(code);
    condition->setObject(book);
    return condition;
}

struct AmountCase {
    int code;
    ConditionOperand bound;
    ConditionOperand upper;
    const char* amount;
    bool matches;
};

class AmountComparison : public ::testing::TestWithParam<AmountCase> {};

TEST_P(AmountComparison, answersByTheStandardComparison) {
    const AmountCase& c = GetParam();
    EXPECT_EQ(amountCondition(c.code, c.bound, c.upper)->ioMatchesCondition(*recordWithAmount(c.amount)), c.matches)
        << "code " << c.code << ", amount " << c.amount;
}

const ConditionOperand none;

INSTANTIATE_TEST_SUITE_P(Condition, AmountComparison,
                         ::testing::Values(
                             // Ranges include both bounds.
                             AmountCase{5, 10.0f, 20.0f, "10", true}, AmountCase{5, 10.0f, 20.0f, "15", true},
                             AmountCase{5, 10.0f, 20.0f, "20", true}, AmountCase{5, 10.0f, 20.0f, "9.99", false},
                             AmountCase{5, 10.0f, 20.0f, "20.01", false}, AmountCase{6, 10.0f, 20.0f, "9.99", true},
                             AmountCase{6, 10.0f, 20.0f, "20.01", true}, AmountCase{6, 10.0f, 20.0f, "10", false},
                             AmountCase{6, 10.0f, 20.0f, "20", false}, AmountCase{5, 7.0f, 7.0f, "7", true},
                             // Reversed bounds: nothing is between, everything is outside.
                             AmountCase{5, 20.0f, 10.0f, "15", false}, AmountCase{5, 20.0f, 10.0f, "20", false},
                             AmountCase{6, 20.0f, 10.0f, "15", true}, AmountCase{6, 20.0f, 10.0f, "10", true},
                             AmountCase{1, 10.0f, none, "10", true}, AmountCase{1, 10.0f, none, "10.01", false},
                             AmountCase{2, 10.0f, none, "10.01", true}, AmountCase{2, 10.0f, none, "10", false},
                             AmountCase{3, 10.0f, none, "10", false}, AmountCase{3, 10.0f, none, "10.01", true},
                             AmountCase{4, 10.0f, none, "10", false}, AmountCase{4, 10.0f, none, "9.99", true},
                             AmountCase{4, 0.0f, none, "-0.01", true}, AmountCase{4, 0.0f, none, "0", false},
                             // Halves and quarters are exact in both types; 0.1 is not a float.
                             AmountCase{1, -12.25f, none, "-12.25", true}, AmountCase{1, 1234.5f, none, "1234.5", true},
                             AmountCase{1, 0.1f, none, "0.1", false}, AmountCase{4, 0.1f, none, "0.1", true},
                             // The same double as the float 0.1, yet a smaller decimal.
                             AmountCase{1, 0.1f, none, "0.100000001490116119", false},
                             AmountCase{4, 0.1f, none, "0.100000001490116119", true},
                             AmountCase{1, 12345.6787109375f, none, "12345.6787109375", true},
                             AmountCase{1, 12345.6787109375f, none, "12345.6787109375001", false},
                             AmountCase{3, 12345.6787109375f, none, "12345.6787109375001", true},
                             AmountCase{3, 16777216.0f, none, "16777217", true},
                             // A missing operand equals every amount.
                             AmountCase{1, none, none, "42", true}, AmountCase{3, none, none, "42", false},
                             AmountCase{4, none, none, "42", false}, AmountCase{5, 10.0f, none, "10", true},
                             AmountCase{5, 10.0f, none, "1e9", true}, AmountCase{5, 10.0f, none, "9.99", false},
                             AmountCase{6, 10.0f, none, "9.99", true}, AmountCase{6, 10.0f, none, "10", false},
                             AmountCase{1, std::numeric_limits<float>::quiet_NaN(), none, "3", true},
                             // Codes an amount does not use match every record.
                             AmountCase{0, 10.0f, none, "3", true}, AmountCase{7, 10.0f, none, "3", true},
                             AmountCase{13, 10.0f, none, "3", true}, AmountCase{-1, 10.0f, none, "3", true}));

TEST(Condition, aPlainConditionMatchesEveryRecordAndNamesNoBook) {
    const ConditionPtr plain = Condition::create();
    EXPECT_EQ(plain->conditionTypeCode(), 0);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(plain->object()));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(plain->object2()));
    plain->setConditionTypeCode(4);
    EXPECT_TRUE(plain->ioMatchesCondition(*IO::create()));
    EXPECT_EQ(plain->getBook(), nullptr);
    EXPECT_EQ(plain->kind(), Condition::Kind::Plain);
}

TEST(Condition, emptyGroupsMatchAllOrNothing) {
    const IOPtr record = IO::create();
    EXPECT_TRUE(AndConditions::create()->ioMatchesCondition(*record));
    EXPECT_FALSE(OrConditions::create()->ioMatchesCondition(*record));
    EXPECT_EQ(AndConditions::create()->getBook(), nullptr);
}

TEST(Condition, groupsStopAtTheDecidingChild) {
    const IOPtr record = IO::create();
    auto yes = std::make_shared<Probe>(true);
    auto no = std::make_shared<Probe>(false);
    auto after = std::make_shared<Probe>(true);

    auto all = AndConditions::create();
    all->setChildren({yes, no, after});
    EXPECT_FALSE(all->ioMatchesCondition(*record));
    EXPECT_EQ(yes->asked, 1);
    EXPECT_EQ(no->asked, 1);
    EXPECT_EQ(after->asked, 0);

    auto any = OrConditions::create();
    any->setChildren({no, yes, after});
    EXPECT_TRUE(any->ioMatchesCondition(*record));
    EXPECT_EQ(no->asked, 2);
    EXPECT_EQ(yes->asked, 2);
    EXPECT_EQ(after->asked, 0);

    // Undecided groups ask every child, in order, nested groups included.
    auto nested = OrConditions::create();
    nested->addCondition(no);
    auto inner = AndConditions::create();
    inner->setChildren({yes, after});
    nested->addCondition(inner);
    EXPECT_TRUE(nested->ioMatchesCondition(*record));
    EXPECT_EQ(after->asked, 1);
    all->setChildren({yes, after});
    EXPECT_TRUE(all->ioMatchesCondition(*record));
    any->setChildren({no, no});
    EXPECT_FALSE(any->ioMatchesCondition(*record));
    EXPECT_EQ(no->asked, 5);
}

TEST(Condition, theBookSearchTakesTheFirstBookOfCodeOneInPreOrder) {
    const BookPtr x = Book::create();
    const BookPtr y = Book::create();
    const BookPtr z = Book::create();

    // The first child of an Or names X: X is the book, whatever the other branch admits.
    auto any = OrConditions::create();
    any->setChildren({bookCondition(1, x), amountCondition(4, 0.0f)});
    EXPECT_EQ(any->getBook(), x);

    // And(Or(amount, And(book 2 Y, book 1 X)), book 1 Z): X, the deeper but earlier one.
    auto inner = AndConditions::create();
    inner->setChildren({bookCondition(2, y), bookCondition(1, x)});
    auto middle = OrConditions::create();
    middle->setChildren({amountCondition(3, 5.0f), inner});
    auto root = AndConditions::create();
    root->setChildren({middle, bookCondition(1, z)});
    EXPECT_EQ(root->getBook(), x);

    // Only code 1 names a book; a missing book is no answer.
    EXPECT_EQ(bookCondition(2, y)->getBook(), nullptr);
    auto missing = BookCondition::create();
    missing->setConditionTypeCode(1);
    root->setChildren({missing, bookCondition(7, y)});
    EXPECT_EQ(root->getBook(), nullptr);

    // Children after the one that answers are not asked.
    auto first = std::make_shared<Probe>(true, y);
    auto second = std::make_shared<Probe>(true, z);
    root->setChildren({std::make_shared<Probe>(true), first, second});
    EXPECT_EQ(root->getBook(), y);
    EXPECT_EQ(first->askedForBook, 1);
    EXPECT_EQ(second->askedForBook, 0);
}

TEST(Condition, copiesShareOperandsAndChildren) {
    const KeywordPtr food = Keyword::create(QStringLiteral("Food"));
    auto keyword = KeywordCondition::create();
    keyword->setConditionTypeCode(7);
    keyword->setObject(food);
    const ConditionPtr keywordCopy = keyword->copy();
    EXPECT_NE(keywordCopy, keyword);
    EXPECT_EQ(keywordCopy->kind(), Condition::Kind::Keyword);
    EXPECT_EQ(keywordCopy->conditionTypeCode(), 7);
    EXPECT_EQ(std::get<KeywordPtr>(keywordCopy->object()), food);

    auto date = DateCondition::create();
    date->setConditionTypeCode(13);
    date->setObject(3.0f);
    date->setPeriodID(2);
    const auto dateCopy = std::dynamic_pointer_cast<DateCondition>(date->copy());
    ASSERT_TRUE(dateCopy);
    EXPECT_EQ(dateCopy->periodID(), 2);
    EXPECT_EQ(std::get<float>(dateCopy->object()), 3.0f);

    const ConditionPtr range = amountCondition(5, 1.0f, 2.0f);
    EXPECT_EQ(std::get<float>(range->copy()->object2()), 2.0f);

    auto group = OrConditions::create();
    group->setChildren({keyword, date});
    const auto groupCopy = std::dynamic_pointer_cast<OrConditions>(group->copy());
    ASSERT_TRUE(groupCopy);
    EXPECT_NE(groupCopy, group);
    EXPECT_EQ(groupCopy->children(), group->children());
    groupCopy->addCondition(range);
    EXPECT_EQ(group->children().size(), 2u);
    EXPECT_EQ(Condition::create()->copy()->kind(), Condition::Kind::Plain);
}

} // namespace
