#include "BookCondition.h"
#include "Clock.h"
#include "CommentCondition.h"
#include "DateCondition.h"
#include "KeywordCondition.h"
#include "TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

std::shared_ptr<DateCondition> dateCondition(int code, ConditionOperand object, ConditionOperand object2 = {},
                                             int period = 0) {
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
    EXPECT_EQ(admittedDays(*dateCondition(1, ides)), Days{15});
    EXPECT_EQ(admittedDays(*dateCondition(2, ides)), (Days{14, 16}));
    EXPECT_EQ(admittedDays(*dateCondition(3, ides)), Days{16});
    EXPECT_EQ(admittedDays(*dateCondition(4, ides)), Days{14});
    EXPECT_EQ(admittedDays(*dateCondition(5, ides, ides)), Days{15});
    EXPECT_EQ(admittedDays(*dateCondition(6, ides, ides)), (Days{14, 16}));
    // An operand later in a day lies after that day's start.
    const CalendarDate morning = CalendarDate::fromDateTime(QDateTime(march(15), QTime(10, 0)));
    EXPECT_EQ(admittedDays(*dateCondition(4, morning)), (Days{14, 15}));
    EXPECT_EQ(admittedDays(*dateCondition(1, morning)), Days{});
    // Midnight in Tokyo is the afternoon before here.
    const CalendarDate tokyo = CalendarDate::fromDateTime(QDateTime(march(16), QTime(0, 0), QTimeZone("Asia/Tokyo")));
    EXPECT_EQ(admittedDays(*dateCondition(3, tokyo)), Days{16});
    // Missing operands equal every day.
    EXPECT_EQ(admittedDays(*dateCondition(3, {})), Days{});
    EXPECT_EQ(admittedDays(*dateCondition(5, ides)), (Days{15, 16}));
    EXPECT_EQ(admittedDays(*dateCondition(6, ides)), Days{14});
    EXPECT_EQ(admittedDays(*dateCondition(9, ides)), (Days{14, 15, 16}));
}

struct PeriodCase {
    QDateTime now;
    float n;
    int period;
    QDate firstWithin; // the first day code 13 admits; code 14 admits the days before
    bool criticalDayMatchesNeither;
};

class DatePeriod : public BerlinTime, public ::testing::WithParamInterface<PeriodCase> {};

TEST_P(DatePeriod, splitsTheDaysAtTheCriticalMoment) {
    const PeriodCase& c = GetParam();
    Clock::setFixed(c.now);
    const auto within = dateCondition(13, c.n, {}, c.period);
    const auto outside = dateCondition(14, c.n, {}, c.period);
    for (int offset = -3; offset <= 3; ++offset) {
        const QDate day = c.firstWithin.addDays(offset);
        const bool neither = offset == -1 && c.criticalDayMatchesNeither;
        EXPECT_EQ(admits(*within, day), offset >= 0) << day.toString().toStdString();
        EXPECT_EQ(admits(*outside, day), offset < 0 && !neither) << day.toString().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    DateCondition, DatePeriod,
    ::testing::Values(PeriodCase{QDateTime(march(15), QTime(15, 0)), 1.0f, 1, march(15), false},
                      PeriodCase{QDateTime(march(15), QTime(15, 0)), 1.9f, 1, march(15), false},
                      PeriodCase{QDateTime(march(15), QTime(15, 0)), 0.0f, 1, march(16), false},
                      PeriodCase{QDateTime(march(15), QTime(15, 0)), -1.0f, 1, march(17), false},
                      PeriodCase{QDateTime(march(15), QTime(0, 0)), 1.0f, 1, march(15), true},
                      PeriodCase{QDateTime(march(15), QTime(15, 0)), 2.0f, 2, march(2), false},
                      // 31 March less a month is the last day of February.
                      PeriodCase{QDateTime(march(31), QTime(15, 0)), 1.0f, 3, march(1), false},
                      PeriodCase{QDateTime(QDate(2024, 1, 10), QTime(9, 0)), 1.0f, 3, QDate(2023, 12, 11), false},
                      // Across the change to summer time the wall clock is kept.
                      PeriodCase{QDateTime(QDate(2024, 4, 1), QTime(0, 0)), 2.0f, 1, march(31), true}));

TEST_F(DateConditionTest, theCriticalDateFollowsTheClockAndNeedsAUnit) {
    const auto within = dateCondition(13, 1.0f, {}, 1);
    Clock::setFixed(QDateTime(march(15), QTime(15, 0)));
    EXPECT_EQ(within->criticalDate(), QDateTime(march(14), QTime(15, 0)));
    Clock::setFixed(QDateTime(march(16), QTime(9, 30)));
    EXPECT_EQ(within->criticalDate(), QDateTime(march(15), QTime(9, 30)));
    EXPECT_TRUE(admits(*within, march(16)));
    // No number is N = 0; absurd numbers stay inside the calendar.
    EXPECT_EQ(dateCondition(13, {}, {}, 1)->criticalDate(), QDateTime(march(16), QTime(9, 30)));
    EXPECT_TRUE(dateCondition(13, 3e38f, {}, 3)->criticalDate()->isValid());
    for (int period : {0, 4}) {
        EXPECT_FALSE(dateCondition(13, 5.0f, {}, period)->criticalDate());
        EXPECT_EQ(admittedDays(*dateCondition(13, 5.0f, {}, period)), std::vector<int>{});
        EXPECT_EQ(admittedDays(*dateCondition(14, 5.0f, {}, period)), std::vector<int>{});
    }
}

TEST(KeywordCondition, testsTheVeryKeywordObject) {
    const KeywordPtr food = Keyword::create(QStringLiteral("Food"));
    const KeywordPtr car = Keyword::create(QStringLiteral("Car"));
    const IOPtr onlyFood = IO::create();
    onlyFood->addKeyword(food);
    const IOPtr foodAndCar = IO::create();
    foodAndCar->setKeywords({food, car});
    const auto answers = [&](int code, const KeywordPtr& keyword) {
        auto condition = KeywordCondition::create();
        condition->setConditionTypeCode(code);
        condition->setObject(keyword);
        return std::vector<bool>{condition->ioMatchesCondition(*onlyFood), condition->ioMatchesCondition(*foodAndCar),
                                 condition->ioMatchesCondition(*IO::create())};
    };
    EXPECT_EQ(answers(1, food), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(answers(2, food), (std::vector<bool>{false, true, true}));
    EXPECT_EQ(answers(7, food), (std::vector<bool>{true, true, false}));
    EXPECT_EQ(answers(8, food), (std::vector<bool>{false, false, true}));
    // A keyword of the same name is another keyword.
    EXPECT_EQ(answers(7, Keyword::create(QStringLiteral("Food"))), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(answers(1, nullptr), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(answers(3, food), (std::vector<bool>{true, true, true}));
}

struct CommentCase {
    int code;
    const char* text;
    const char* comment;
    bool matches;
};

class CommentTest : public ::testing::TestWithParam<CommentCase> {};

TEST_P(CommentTest, answers) {
    const CommentCase& c = GetParam();
    auto condition = CommentCondition::create();
    condition->setConditionTypeCode(c.code);
    condition->setObject(QString::fromUtf8(c.text));
    const IOPtr record = IO::create();
    record->setComment(QString::fromUtf8(c.comment));
    EXPECT_EQ(condition->ioMatchesCondition(*record), c.matches)
        << "code " << c.code << " text '" << c.text << "' comment '" << c.comment << "'";
}

INSTANTIATE_TEST_SUITE_P(
    CommentCondition, CommentTest,
    ::testing::Values(
        // The empty text is never included and never a start, but always an end.
        CommentCase{7, "", "abc", false}, CommentCase{8, "", "abc", true}, CommentCase{9, "", "abc", false},
        CommentCase{11, "", "abc", true}, CommentCase{12, "", "", false}, CommentCase{1, "", "", true},
        CommentCase{11, "a long text", "text", false}, CommentCase{12, "a long text", "text", true},
        CommentCase{9, "ab", "abc", true}, CommentCase{9, "ab", "cab", false}, CommentCase{10, "ab", "cab", true},
        CommentCase{7, "ab", "cab", true}, CommentCase{9, "ab", "cabab", false}, CommentCase{11, "bc", "abc", true},
        // Nothing is folded, but canonically equivalent spellings are the same text.
        CommentCase{1, "Rent", "rent", false}, CommentCase{2, "Rent", "rent", true},
        CommentCase{1, "Rent", "Rent", true}, CommentCase{7, "cafe", "Café", false},
        CommentCase{11, "May", "Rent for may", false}, CommentCase{7, "Cafe\u0301", "Café au lait", true},
        CommentCase{1, "Cafe\u0301", "Café", true},
        // Codes a comment does not use.
        CommentCase{3, "x", "abc", true}, CommentCase{6, "x", "abc", true}, CommentCase{13, "x", "abc", true}));

TEST(BookCondition, aMissingBookHoldsNoRecord) {
    auto condition = BookCondition::create();
    condition->setConditionTypeCode(1);
    EXPECT_FALSE(condition->ioMatchesCondition(*IO::create()));
    condition->setConditionTypeCode(2);
    EXPECT_TRUE(condition->ioMatchesCondition(*IO::create()));
}

} // namespace
