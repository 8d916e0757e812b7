#include "AmountCondition.h"
#include "AndConditions.h"
#include "BookCondition.h"
#include "DateCondition.h"
#include "OrConditions.h"

#include <gtest/gtest.h>

namespace {

// An exact decimal from its text.
Amount dec(const char* text) {
    return *Amount::fromString(QString::fromLatin1(text));
}

// Answers as told and counts how often it is asked.
class Probe : public Condition {
public:
    explicit Probe(bool answer, BookPtr book = nullptr)
        : m_answer(answer)
        , m_book(std::move(book)) {}
    bool ioMatchesCondition(const IO&) const override { return ++asked, m_answer; }
    BookPtr getBook() const override { return ++askedForBook, m_book; }
    mutable int asked = 0;
    mutable int askedForBook = 0;

private:
    bool m_answer;
    BookPtr m_book;
};

ConditionPtr amountCondition(std::int32_t code, ConditionOperand bound, ConditionOperand upper = {}) {
    auto condition = AmountCondition::create();
    condition->setConditionTypeCode(code);
    condition->setObject(std::move(bound));
    condition->setObject2(std::move(upper));
    return condition;
}

ConditionPtr bookCondition(std::int32_t code, const BookPtr& book) {
    auto condition = BookCondition::create();
    condition->setConditionTypeCode(code);
    condition->setObject(book);
    return condition;
}

struct AmountCase {
    std::int32_t code;
    ConditionOperand bound;
    ConditionOperand upper;
    const char* amount;
    bool matches;
};

class AmountComparison : public ::testing::TestWithParam<AmountCase> {};

TEST_P(AmountComparison, answersByTheStandardComparison) {
    const AmountCase& c = GetParam();
    IOPtr record = IO::create();
    record->setAmount(Amount::fromString(QString::fromUtf8(c.amount)));
    EXPECT_EQ(amountCondition(c.code, c.bound, c.upper)->ioMatchesCondition(*record), c.matches)
        << "code " << c.code << ", amount " << c.amount;
}

const ConditionOperand none;

INSTANTIATE_TEST_SUITE_P(Condition, AmountComparison,
                         ::testing::Values(
                             // Ranges include both bounds; reversed bounds hold nothing.
                             AmountCase{Condition::Between, dec("10.0"), dec("20.0"), "10", true},
                             AmountCase{Condition::Between, dec("10.0"), dec("20.0"), "20", true},
                             AmountCase{Condition::Between, dec("10.0"), dec("20.0"), "20.01", false},
                             AmountCase{Condition::NotBetween, dec("10.0"), dec("20.0"), "9.99", true},
                             AmountCase{Condition::NotBetween, dec("10.0"), dec("20.0"), "20", false},
                             AmountCase{Condition::Between, dec("20.0"), dec("10.0"), "15", false},
                             AmountCase{Condition::NotBetween, dec("20.0"), dec("10.0"), "10", true},
                             AmountCase{Condition::GreaterThan, dec("10.0"), none, "10", false},
                             AmountCase{Condition::LessThan, dec("0.0"), none, "-0.01", true},
                             AmountCase{Condition::IsNot, dec("10.0"), none, "10", false},
                             // Bounds are exact decimals: no binary rounding on either side.
                             AmountCase{Condition::Is, dec("-12.25"), none, "-12.25", true},
                             AmountCase{Condition::Is, dec("0.1"), none, "0.10", true},
                             AmountCase{Condition::LessThan, dec("0.1"), none, "0.1", false},
                             AmountCase{Condition::Is, dec("-0.01"), none, "-0.01", true},
                             AmountCase{Condition::Is, dec("1234567.89"), none, "1234567.89", true},
                             AmountCase{Condition::GreaterThan, dec("1234567.89"), none, "1234567.88", false},
                             AmountCase{Condition::LessThan, dec("1234567.89"), none, "1234567.88", true},
                             AmountCase{Condition::Between, dec("0.1"), dec("1234567.89"), "1234567.89", true},
                             AmountCase{Condition::Between, dec("0.1"), dec("1234567.89"), "1234567.891", false},
                             // Amounts one double cannot tell apart are still told apart.
                             AmountCase{Condition::Is, dec("0.1"), none, "0.10000000000000001", false},
                             AmountCase{Condition::GreaterThan, dec("0.1"), none, "0.10000000000000001", true},
                             AmountCase{Condition::LessThan, dec("-0.1"), none, "-0.10000000000000001", true},
                             AmountCase{Condition::Is, dec("123456789012345678"), none, "123456789012345679", false},
                             AmountCase{Condition::Between, dec("123456789012345678"), dec("123456789012345678"),
                                        "123456789012345678", true},
                             // A missing operand equals every amount.
                             AmountCase{Condition::Is, none, none, "42", true},
                             AmountCase{Condition::GreaterThan, none, none, "42", false},
                             AmountCase{Condition::Between, dec("10.0"), none, "1e9", true},
                             AmountCase{Condition::NotBetween, dec("10.0"), none, "9.99", true},
                             AmountCase{Condition::NotBetween, dec("10.0"), none, "10", false},
                             // Codes an amount does not use.
                             AmountCase{0, dec("10.0"), none, "3", true},
                             AmountCase{Condition::Includes, dec("10.0"), none, "3", true}));

TEST(Condition, plainAndEmptyGroupsAnswerWithoutAsking) {
    const IOPtr record = IO::create();
    const ConditionPtr plain = Condition::create();
    plain->setConditionTypeCode(Condition::LessThan);
    EXPECT_TRUE(plain->ioMatchesCondition(*record));
    EXPECT_EQ(plain->getBook(), nullptr);
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
    auto any = OrConditions::create();
    any->setChildren({no, yes, after});
    EXPECT_TRUE(any->ioMatchesCondition(*record));
    EXPECT_EQ(yes->asked, 2);
    EXPECT_EQ(no->asked, 2);
    EXPECT_EQ(after->asked, 0);

    // An undecided group asks every child, nested groups included.
    auto nested = OrConditions::create();
    nested->setChildren({no, all});
    all->setChildren({yes, after});
    EXPECT_TRUE(nested->ioMatchesCondition(*record));
    EXPECT_EQ(after->asked, 1);
}

TEST(Condition, aGroupNeverHoldsItselfOrNothing) {
    auto outer = AndConditions::create();
    auto inner = OrConditions::create();
    outer->addCondition(inner);
    inner->addCondition(outer);
    inner->setChildren({nullptr, inner, outer, Condition::create()});
    outer->addCondition(nullptr);
    EXPECT_EQ(outer->children(), ConditionList{inner});
    ASSERT_EQ(inner->children().size(), 1u);
    EXPECT_TRUE(outer->ioMatchesCondition(*IO::create()));
}

TEST(Condition, theBookSearchTakesTheFirstBookOfCodeIsInPreOrder) {
    const BookPtr x = Book::create();
    const BookPtr y = Book::create();
    // The first child of an Or names X, whatever the other branch admits.
    auto any = OrConditions::create();
    any->setChildren({bookCondition(Condition::Is, x), amountCondition(Condition::LessThan, dec("0.0"))});
    EXPECT_EQ(any->getBook(), x);

    // And(Or(amount, And(book IsNot Y, book Is X)), book Is Y): X, deeper but earlier.
    auto inner = AndConditions::create();
    inner->setChildren({bookCondition(Condition::IsNot, y), bookCondition(Condition::Is, x)});
    auto middle = OrConditions::create();
    middle->setChildren({amountCondition(Condition::GreaterThan, dec("5.0")), inner});
    auto root = AndConditions::create();
    root->setChildren({middle, bookCondition(Condition::Is, y)});
    EXPECT_EQ(root->getBook(), x);

    // A missing book is no answer, and the children after an answer are not asked.
    auto first = std::make_shared<Probe>(true, y);
    auto second = std::make_shared<Probe>(true, x);
    root->setChildren({bookCondition(Condition::Is, nullptr), bookCondition(Condition::Includes, x), first, second});
    EXPECT_EQ(root->getBook(), y);
    EXPECT_EQ(second->askedForBook, 0);
}

TEST(Condition, copiesAreNewConditionsSharingOperandsAndChildren) {
    const ConditionPtr book = bookCondition(Condition::IsNot, Book::create());
    const ConditionPtr bookCopy = book->copy();
    EXPECT_NE(bookCopy, book);
    EXPECT_EQ(bookCopy->kind(), Condition::Kind::Book);
    EXPECT_EQ(bookCopy->conditionTypeCode(), Condition::IsNot);
    EXPECT_EQ(bookCopy->object(), book->object());
    auto date = DateCondition::create();
    date->setPeriodID(DateCondition::Weeks);
    EXPECT_EQ(std::static_pointer_cast<DateCondition>(date->copy())->periodID(), DateCondition::Weeks);
    auto group = OrConditions::create();
    group->setChildren({date, book});
    const ConditionPtr groupCopy = group->copy();
    EXPECT_EQ(groupCopy->kind(), Condition::Kind::Or);
    EXPECT_EQ(std::static_pointer_cast<OrConditions>(groupCopy)->children(), group->children());
}

} // namespace

// A tree the editor could build twice from the same rows: equal, whatever
// the objects; any one difference makes another tree.
TEST(Condition, treesAreTheSameTestWhenEveryPartIs) {
    const BookPtr trip = Book::create();
    const auto tree = [&trip](std::int32_t dateCode, std::int32_t period, const char* bound, bool swapped) {
        auto date = DateCondition::create();
        date->setConditionTypeCode(dateCode);
        date->setObject(dec("3"));
        date->setPeriodID(period);
        auto either = OrConditions::create();
        ConditionList children{amountCondition(Condition::LessThan, dec(bound)), date};
        if (swapped) {
            std::swap(children[0], children[1]);
        }
        either->setChildren(children);
        auto all = AndConditions::create();
        all->setChildren({bookCondition(Condition::Is, trip), either});
        return all;
    };
    const ConditionPtr original = tree(Condition::WithinLast, DateCondition::Days, "10.5", false);
    EXPECT_TRUE(original->sameAs(*tree(Condition::WithinLast, DateCondition::Days, "10.50", false)));
    EXPECT_FALSE(original->sameAs(*tree(Condition::NotWithinLast, DateCondition::Days, "10.5", false)));
    EXPECT_FALSE(original->sameAs(*tree(Condition::WithinLast, DateCondition::Weeks, "10.5", false)));
    EXPECT_FALSE(original->sameAs(*tree(Condition::WithinLast, DateCondition::Days, "10.51", false)));
    EXPECT_FALSE(original->sameAs(*tree(Condition::WithinLast, DateCondition::Days, "10.5", true)));

    // Books by identity, group kinds, and a child more.
    const auto named = [](const BookPtr& book) {
        return bookCondition(Condition::Is, book);
    };
    const BookPtr twin = Book::create();
    EXPECT_TRUE(named(trip)->sameAs(*named(trip)));
    EXPECT_FALSE(named(trip)->sameAs(*named(twin)));
    auto all = AndConditions::create();
    auto any = OrConditions::create();
    EXPECT_FALSE(all->sameAs(*any));
    all->addCondition(named(trip));
    EXPECT_FALSE(all->sameAs(*AndConditions::create()));
    EXPECT_FALSE(AndConditions::create()->sameAs(*all));
}
