#include "BookCondition.h"
#include "Clock.h"
#include "CommentCondition.h"
#include "DateCondition.h"
#include "KeywordCondition.h"
#include "TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

// An exact decimal from its text.
Amount dec(const char* text) {
    return *Amount::fromString(QString::fromLatin1(text));
}

std::shared_ptr<DateCondition> dateCondition(std::int32_t code, ConditionOperand object, ConditionOperand object2 = {},
                                             std::int32_t period = 0) {
    auto condition = DateCondition::create();
    condition->setConditionTypeCode(code);
    condition->setObject(std::move(object));
    condition->setObject2(std::move(object2));
    condition->setPeriodID(period);
    return condition;
}

bool admits(const Condition& condition, QDate day) {
    IOPtr record = IO::create();
    record->setDate(day);
    return condition.ioMatchesCondition(*record);
}

QDate march(int day) {
    return QDate(2024, 3, day);
}

// Which of 14, 15 and 16 March a condition admits.
std::vector<int> admittedDays(const Condition& condition) {
    std::vector<int> days;
    for (int day : {14, 15, 16}) {
        if (admits(condition, march(day))) {
            days.push_back(day);
        }
    }
    return days;
}

class BerlinTime : public ::testing::Test {
protected:
    void SetUp() override { TestEnvironment::setTimeZone("Europe/Berlin"); }
    void TearDown() override {
        Clock::reset();
        TestEnvironment::setTimeZone("UTC");
    }
};

class DateConditionTest : public BerlinTime {};

TEST_F(DateConditionTest, dayDatesCompareChronologicallyWithTheStartOfTheRecordsDay) {
    using Days = std::vector<int>;
    const CalendarDate ides = CalendarDate::startOfDay(march(15));
    EXPECT_EQ(admittedDays(*dateCondition(Condition::Is, ides)), Days{15});
    EXPECT_EQ(admittedDays(*dateCondition(Condition::IsNot, ides)), (Days{14, 16}));
    EXPECT_EQ(admittedDays(*dateCondition(Condition::GreaterThan, ides)), Days{16});
    EXPECT_EQ(admittedDays(*dateCondition(Condition::LessThan, ides)), Days{14});
    EXPECT_EQ(admittedDays(*dateCondition(Condition::Between, ides, ides)), Days{15});
    EXPECT_EQ(admittedDays(*dateCondition(Condition::NotBetween, ides, ides)), (Days{14, 16}));
    // An operand later in a day lies after that day's start.
    const CalendarDate morning = CalendarDate::fromDateTime(QDateTime(march(15), QTime(10, 0)));
    EXPECT_EQ(admittedDays(*dateCondition(Condition::LessThan, morning)), (Days{14, 15}));
    EXPECT_EQ(admittedDays(*dateCondition(Condition::Is, morning)), Days{});
    // Midnight in Tokyo is the afternoon before here.
    const CalendarDate tokyo = CalendarDate::fromDateTime(QDateTime(march(16), QTime(0, 0), QTimeZone("Asia/Tokyo")));
    EXPECT_EQ(admittedDays(*dateCondition(Condition::GreaterThan, tokyo)), Days{16});
    // Missing operands equal every day.
    EXPECT_EQ(admittedDays(*dateCondition(Condition::GreaterThan, {})), Days{});
    EXPECT_EQ(admittedDays(*dateCondition(Condition::Between, ides)), (Days{15, 16}));
    EXPECT_EQ(admittedDays(*dateCondition(Condition::NotBetween, ides)), Days{14});
    EXPECT_EQ(admittedDays(*dateCondition(Condition::StartsWith, ides)), (Days{14, 15, 16}));
}

struct PeriodCase {
    QDateTime now;
    const char* n;
    std::int32_t period;
    QDate firstWithin; // the first day WithinLast admits; NotWithinLast admits the days before
    bool criticalDayMatchesNeither;
};

class DatePeriod : public BerlinTime, public ::testing::WithParamInterface<PeriodCase> {};

TEST_P(DatePeriod, splitsTheDaysAtTheCriticalMoment) {
    const PeriodCase& c = GetParam();
    Clock::setFixed(c.now);
    const auto within = dateCondition(Condition::WithinLast, dec(c.n), {}, c.period);
    const auto outside = dateCondition(Condition::NotWithinLast, dec(c.n), {}, c.period);
    for (int offset = -3; offset <= 3; ++offset) {
        const QDate day = c.firstWithin.addDays(offset);
        const bool neither = offset == -1 && c.criticalDayMatchesNeither;
        EXPECT_EQ(admits(*within, day), offset >= 0) << day.toString().toStdString();
        EXPECT_EQ(admits(*outside, day), offset < 0 && !neither) << day.toString().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    DateCondition, DatePeriod,
    ::testing::Values(
        PeriodCase{QDateTime(march(15), QTime(15, 0)), "1.0", DateCondition::Days, march(15), false},
        PeriodCase{QDateTime(march(15), QTime(15, 0)), "1.9", DateCondition::Days, march(15), false},
        // The exact decimal is truncated, not its nearest double (2.0 and -1.0).
        PeriodCase{QDateTime(march(15), QTime(15, 0)), "1.99999999999999999", DateCondition::Days, march(15), false},
        PeriodCase{QDateTime(march(15), QTime(15, 0)), "-0.99999999999999999", DateCondition::Days, march(16), false},
        PeriodCase{QDateTime(march(15), QTime(15, 0)), "2e-400", DateCondition::Weeks, march(16), false},
        PeriodCase{QDateTime(march(15), QTime(15, 0)), "0.0", DateCondition::Days, march(16), false},
        PeriodCase{QDateTime(march(15), QTime(15, 0)), "-1.0", DateCondition::Days, march(17), false},
        PeriodCase{QDateTime(march(15), QTime(0, 0)), "1.0", DateCondition::Days, march(15), true},
        PeriodCase{QDateTime(march(15), QTime(15, 0)), "2.0", DateCondition::Weeks, march(2), false},
        // 31 March less a month is the last day of February.
        PeriodCase{QDateTime(march(31), QTime(15, 0)), "1.0", DateCondition::Months, march(1), false},
        PeriodCase{QDateTime(QDate(2024, 1, 10), QTime(9, 0)), "1.0", DateCondition::Months, QDate(2023, 12, 11),
                   false},
        // Across the change to summer time the wall clock is kept.
        PeriodCase{QDateTime(QDate(2024, 4, 1), QTime(0, 0)), "2.0", DateCondition::Days, march(31), true}));

TEST_F(DateConditionTest, theCriticalDateFollowsTheClockAndNeedsAUnit) {
    const auto within = dateCondition(Condition::WithinLast, dec("1.0"), {}, DateCondition::Days);
    Clock::setFixed(QDateTime(march(15), QTime(15, 0)));
    EXPECT_EQ(within->criticalDate(), QDateTime(march(14), QTime(15, 0)));
    Clock::setFixed(QDateTime(march(16), QTime(9, 30)));
    EXPECT_EQ(within->criticalDate(), QDateTime(march(15), QTime(9, 30)));
    EXPECT_TRUE(admits(*within, march(16)));
    // No number is N = 0; absurd numbers stay inside the calendar.
    EXPECT_EQ(dateCondition(Condition::WithinLast, {}, {}, DateCondition::Days)->criticalDate(),
              QDateTime(march(16), QTime(9, 30)));
    EXPECT_TRUE(
        dateCondition(Condition::WithinLast, dec("3e38"), {}, DateCondition::Months)->criticalDate()->isValid());
    for (int period : {0, 4}) {
        EXPECT_FALSE(dateCondition(Condition::WithinLast, dec("5.0"), {}, period)->criticalDate());
        EXPECT_EQ(admittedDays(*dateCondition(Condition::WithinLast, dec("5.0"), {}, period)), std::vector<int>{});
        EXPECT_EQ(admittedDays(*dateCondition(Condition::NotWithinLast, dec("5.0"), {}, period)), std::vector<int>{});
    }
}

TEST(KeywordCondition, testsTheVeryKeywordObject) {
    const KeywordPtr food = Keyword::create(QStringLiteral("Food"));
    const KeywordPtr car = Keyword::create(QStringLiteral("Car"));
    const IOPtr onlyFood = IO::create();
    onlyFood->addKeyword(food);
    const IOPtr foodAndCar = IO::create();
    foodAndCar->setKeywords({food, car});
    const auto answers = [&](std::int32_t code, const KeywordPtr& keyword) {
        auto condition = KeywordCondition::create();
        condition->setConditionTypeCode(code);
        condition->setObject(keyword);
        return std::vector<bool>{condition->ioMatchesCondition(*onlyFood), condition->ioMatchesCondition(*foodAndCar),
                                 condition->ioMatchesCondition(*IO::create())};
    };
    EXPECT_EQ(answers(Condition::Is, food), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(answers(Condition::IsNot, food), (std::vector<bool>{false, true, true}));
    EXPECT_EQ(answers(Condition::Includes, food), (std::vector<bool>{true, true, false}));
    EXPECT_EQ(answers(Condition::DoesNotInclude, food), (std::vector<bool>{false, false, true}));
    // A keyword of the same name is another keyword.
    EXPECT_EQ(answers(Condition::Includes, Keyword::create(QStringLiteral("Food"))),
              (std::vector<bool>{false, false, false}));
    EXPECT_EQ(answers(Condition::Is, nullptr), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(answers(Condition::GreaterThan, food), (std::vector<bool>{true, true, true}));
}

struct CommentCase {
    std::int32_t code;
    const char* text;
    const char* comment; // null: the record has no comment
    bool matches;
};

class CommentTest : public ::testing::TestWithParam<CommentCase> {};

TEST_P(CommentTest, answers) {
    const CommentCase& c = GetParam();
    auto condition = CommentCondition::create();
    condition->setConditionTypeCode(c.code);
    condition->setObject(QString::fromUtf8(c.text));
    const IOPtr record = IO::create();
    if (c.comment) {
        record->setComment(QString::fromUtf8(c.comment));
    }
    EXPECT_EQ(condition->ioMatchesCondition(*record), c.matches)
        << "code " << c.code << " text '" << c.text << "' comment '" << (c.comment ? c.comment : "(none)") << "'";
}

INSTANTIATE_TEST_SUITE_P(
    CommentCondition, CommentTest,
    ::testing::Values(
        // The empty text is never included and never a start, but always an end.
        CommentCase{Condition::Includes, "", "abc", false}, CommentCase{Condition::DoesNotInclude, "", "abc", true},
        CommentCase{Condition::StartsWith, "", "abc", false}, CommentCase{Condition::EndsWith, "", "abc", true},
        CommentCase{Condition::DoesNotEndWith, "", "", false}, CommentCase{Condition::Is, "", "", true},
        CommentCase{Condition::EndsWith, "a long text", "text", false},
        CommentCase{Condition::DoesNotEndWith, "a long text", "text", true},
        CommentCase{Condition::StartsWith, "ab", "abc", true}, CommentCase{Condition::StartsWith, "ab", "cab", false},
        CommentCase{Condition::DoesNotStartWith, "ab", "cab", true},
        CommentCase{Condition::Includes, "ab", "cab", true}, CommentCase{Condition::StartsWith, "ab", "cabab", false},
        CommentCase{Condition::EndsWith, "bc", "abc", true},
        // Nothing is folded, but canonically equivalent spellings are the same text.
        CommentCase{Condition::Is, "Rent", "rent", false}, CommentCase{Condition::IsNot, "Rent", "rent", true},
        CommentCase{Condition::Is, "Rent", "Rent", true}, CommentCase{Condition::Includes, "cafe", "Café", false},
        CommentCase{Condition::EndsWith, "May", "Rent for may", false},
        CommentCase{Condition::Includes, "Cafe\u0301", "Café au lait", true},
        CommentCase{Condition::Is, "Cafe\u0301", "Café", true},
        // No comment counts as the empty comment, which the empty text ends.
        CommentCase{Condition::EndsWith, "", nullptr, true}, CommentCase{Condition::DoesNotEndWith, "", nullptr, false},
        CommentCase{Condition::Includes, "", nullptr, false}, CommentCase{Condition::DoesNotInclude, "", nullptr, true},
        CommentCase{Condition::StartsWith, "", nullptr, false},
        CommentCase{Condition::DoesNotStartWith, "", nullptr, true}, CommentCase{Condition::Is, "", nullptr, true},
        CommentCase{Condition::IsNot, "", nullptr, false}, CommentCase{Condition::EndsWith, "x", nullptr, false},
        CommentCase{Condition::Includes, "x", nullptr, false},
        CommentCase{Condition::DoesNotStartWith, "x", nullptr, true},
        // Codes a comment does not use.
        CommentCase{Condition::GreaterThan, "x", "abc", true}, CommentCase{Condition::NotBetween, "x", "abc", true},
        CommentCase{Condition::WithinLast, "x", "abc", true}));

TEST(BookCondition, aMissingBookHoldsNoRecord) {
    auto condition = BookCondition::create();
    condition->setConditionTypeCode(Condition::Is);
    EXPECT_FALSE(condition->ioMatchesCondition(*IO::create()));
    condition->setConditionTypeCode(Condition::IsNot);
    EXPECT_TRUE(condition->ioMatchesCondition(*IO::create()));
}

} // namespace
