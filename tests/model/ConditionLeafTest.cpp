#include "BookCondition.h"
#include "Clock.h"
#include "CommentCondition.h"
#include "DateCondition.h"
#include "KeywordCondition.h"
#include "TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

IOPtr recordOn(QDate day) {
    IOPtr record = IO::create();
    record->setDate(day);
    return record;
}

IOPtr recordWithComment(const QString& comment) {
    IOPtr record = IO::create();
    record->setComment(comment);
    return record;
}

std::shared_ptr<DateCondition> dateCondition(int code, ConditionOperand object, ConditionOperand object2 = {},
                                             int period = 0) {
    auto condition = DateCondition::create();
    condition->setConditionTypeCode(code);
    condition->setObject(std::move(object));
    condition->setObject2(std::move(object2));
    condition->setPeriodID(period);
    return condition;
}

// Which of the given days a condition admits.
std::vector<QDate> admitted(const Condition& condition, const std::vector<QDate>& days) {
    std::vector<QDate> found;
    for (const QDate& day : days) {
        if (condition.ioMatchesCondition(*recordOn(day))) {
            found.push_back(day);
        }
    }
    return found;
}

class DateConditionTest : public ::testing::Test {
protected:
    void SetUp() override { TestEnvironment::setTimeZone("Europe/Berlin"); }
    void TearDown() override {
        Clock::reset();
        TestEnvironment::setTimeZone("UTC");
    }
    static void setNow(QDate day, QTime time) { Clock::setFixed(QDateTime(day, time)); }
    static QDate march(int day) { return QDate(2024, 3, day); }
};

TEST_F(DateConditionTest, dayDatesCompareByDay) {
    const std::vector<QDate> days = {march(14), march(15), march(16)};
    const CalendarDate ides = CalendarDate::startOfDay(march(15));
    EXPECT_EQ(admitted(*dateCondition(1, ides), days), (std::vector<QDate>{march(15)}));
    EXPECT_EQ(admitted(*dateCondition(2, ides), days), (std::vector<QDate>{march(14), march(16)}));
    EXPECT_EQ(admitted(*dateCondition(3, ides), days), (std::vector<QDate>{march(16)}));
    EXPECT_EQ(admitted(*dateCondition(4, ides), days), (std::vector<QDate>{march(14)}));
    EXPECT_EQ(admitted(*dateCondition(5, ides, ides), days), (std::vector<QDate>{march(15)}));
    EXPECT_EQ(admitted(*dateCondition(6, ides, ides), days), (std::vector<QDate>{march(14), march(16)}));
    const CalendarDate later = CalendarDate::startOfDay(march(16));
    EXPECT_EQ(admitted(*dateCondition(5, ides, later), days), (std::vector<QDate>{march(15), march(16)}));
    EXPECT_TRUE(admitted(*dateCondition(5, later, ides), days).empty());

    // Today's records match "is today" whenever they were entered.
    setNow(march(15), QTime(23, 59));
    EXPECT_TRUE(dateCondition(1, ides)->ioMatchesCondition(*IO::create()));

    // An operand with a time of day lies after the start of its day: the
    // day itself is before it. Midnight in Tokyo is the evening before here.
    const CalendarDate morning = CalendarDate::fromDateTime(QDateTime(march(15), QTime(10, 0)));
    EXPECT_EQ(admitted(*dateCondition(4, morning), days), (std::vector<QDate>{march(14), march(15)}));
    EXPECT_TRUE(admitted(*dateCondition(1, morning), days).empty());
    const CalendarDate tokyo =
        CalendarDate::fromDateTime(QDateTime(march(16), QTime(0, 0), QTimeZone(QByteArrayLiteral("Asia/Tokyo"))));
    EXPECT_EQ(admitted(*dateCondition(3, tokyo), days), (std::vector<QDate>{march(16)}));

    // Missing operands equal every day.
    EXPECT_EQ(admitted(*dateCondition(1, {}), days), days);
    EXPECT_TRUE(admitted(*dateCondition(3, {}), days).empty());
    EXPECT_EQ(admitted(*dateCondition(5, ides), days), (std::vector<QDate>{march(15), march(16)}));
    EXPECT_EQ(admitted(*dateCondition(6, ides), days), (std::vector<QDate>{march(14)}));
    EXPECT_EQ(admitted(*dateCondition(9, ides), days), days);
}

struct PeriodCase {
    const char* name;
    QDateTime now;
    float n;
    int period;
    QDate firstWithin; // the earliest day that code 13 admits; code 14 admits the days before
    bool criticalDayMatchesNeither;
};

class DatePeriod : public ::testing::TestWithParam<PeriodCase> {
protected:
    void SetUp() override { TestEnvironment::setTimeZone("Europe/Berlin"); }
    void TearDown() override {
        Clock::reset();
        TestEnvironment::setTimeZone("UTC");
    }
};

TEST_P(DatePeriod, splitsTheDaysAtTheCriticalMoment) {
    const PeriodCase& c = GetParam();
    Clock::setFixed(c.now);
    const auto within = dateCondition(13, c.n, {}, c.period);
    const auto outside = dateCondition(14, c.n, {}, c.period);
    for (int offset = -3; offset <= 3; ++offset) {
        const IOPtr record = recordOn(c.firstWithin.addDays(offset));
        const bool isWithin = offset >= 0;
        const bool isCriticalDay = offset == -1 && c.criticalDayMatchesNeither;
        EXPECT_EQ(within->ioMatchesCondition(*record), isWithin) << c.name << " day " << offset;
        EXPECT_EQ(outside->ioMatchesCondition(*record), !isWithin && !isCriticalDay) << c.name << " day " << offset;
    }
}

// Berlin time; "now" keeps its time of day in the critical moment.
INSTANTIATE_TEST_SUITE_P(
    DateCondition, DatePeriod,
    ::testing::Values(
        PeriodCase{"one day at 15:00", QDateTime(QDate(2024, 3, 15), QTime(15, 0)), 1.0f, 1, QDate(2024, 3, 15), false},
        PeriodCase{"N 1.9 is N 1", QDateTime(QDate(2024, 3, 15), QTime(15, 0)), 1.9f, 1, QDate(2024, 3, 15), false},
        PeriodCase{"N 0 is after today", QDateTime(QDate(2024, 3, 15), QTime(15, 0)), 0.0f, 1, QDate(2024, 3, 16),
                   false},
        PeriodCase{"negative N", QDateTime(QDate(2024, 3, 15), QTime(15, 0)), -1.0f, 1, QDate(2024, 3, 17), false},
        PeriodCase{"N -0.5 is N 0", QDateTime(QDate(2024, 3, 15), QTime(15, 0)), -0.5f, 1, QDate(2024, 3, 16), false},
        PeriodCase{"at midnight", QDateTime(QDate(2024, 3, 15), QTime(0, 0)), 1.0f, 1, QDate(2024, 3, 15), true},
        PeriodCase{"two weeks", QDateTime(QDate(2024, 3, 15), QTime(15, 0)), 2.0f, 2, QDate(2024, 3, 2), false},
        PeriodCase{"a month over a year end", QDateTime(QDate(2024, 1, 10), QTime(9, 0)), 1.0f, 3, QDate(2023, 12, 11),
                   false},
        // 31 March less a month is the last day of February.
        PeriodCase{"31 March less a month", QDateTime(QDate(2024, 3, 31), QTime(15, 0)), 1.0f, 3, QDate(2024, 3, 1),
                   false},
        PeriodCase{"a year in months from a leap day", QDateTime(QDate(2024, 2, 29), QTime(8, 0)), 12.0f, 3,
                   QDate(2023, 3, 1), false},
        // Across the change to summer time the wall clock is kept.
        PeriodCase{"midnight across summer time", QDateTime(QDate(2024, 4, 1), QTime(0, 0)), 2.0f, 1,
                   QDate(2024, 3, 31), true}),
    [](const ::testing::TestParamInfo<PeriodCase>& info) { return "case" + std::to_string(info.index); });

TEST_F(DateConditionTest, withoutAUnitNoRecordIsWithinOrOutside) {
    setNow(march(15), QTime(15, 0));
    for (int period : {0, 4, -1}) {
        const auto within = dateCondition(13, 5.0f, {}, period);
        EXPECT_FALSE(within->criticalDate()) << period;
        EXPECT_TRUE(admitted(*within, {march(1), march(15), march(30)}).empty()) << period;
        EXPECT_TRUE(admitted(*dateCondition(14, 5.0f, {}, period), {march(1), march(15), march(30)}).empty());
    }
}

TEST_F(DateConditionTest, theCriticalDateFollowsTheClockAtEveryCall) {
    const auto within = dateCondition(13, 1.0f, {}, 1);
    setNow(march(15), QTime(15, 0));
    EXPECT_EQ(within->criticalDate(), QDateTime(march(14), QTime(15, 0)));
    EXPECT_FALSE(within->ioMatchesCondition(*recordOn(march(14))));
    setNow(march(16), QTime(9, 30));
    EXPECT_EQ(within->criticalDate(), QDateTime(march(15), QTime(9, 30)));
    EXPECT_TRUE(within->ioMatchesCondition(*recordOn(march(16))));
    // No number counts as N = 0; absurd numbers stay inside the calendar.
    EXPECT_EQ(dateCondition(13, {}, {}, 1)->criticalDate(), QDateTime(march(16), QTime(9, 30)));
    EXPECT_TRUE(dateCondition(13, 3e38f, {}, 3)->criticalDate()->isValid());
    EXPECT_TRUE(dateCondition(13, -std::numeric_limits<float>::infinity(), {}, 2)->criticalDate()->isValid());
}

TEST(KeywordCondition, testsTheVeryKeywordObject) {
    const KeywordPtr food = Keyword::create(QStringLiteral("Food"));
    const KeywordPtr car = Keyword::create(QStringLiteral("Car"));
    const KeywordPtr foodAgain = Keyword::create(QStringLiteral("Food"));
    const IOPtr onlyFood = IO::create();
    onlyFood->addKeyword(food);
    const IOPtr foodAndCar = IO::create();
    foodAndCar->setKeywords({car, food});
    const IOPtr bare = IO::create();

    const auto answers = [&](int code, const KeywordPtr& keyword) {
        auto condition = KeywordCondition::create();
        condition->setConditionTypeCode(code);
        if (keyword) {
            condition->setObject(keyword);
        }
        return std::vector<bool>{condition->ioMatchesCondition(*onlyFood), condition->ioMatchesCondition(*foodAndCar),
                                 condition->ioMatchesCondition(*bare)};
    };
    EXPECT_EQ(answers(1, food), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(answers(2, food), (std::vector<bool>{false, true, true}));
    EXPECT_EQ(answers(7, food), (std::vector<bool>{true, true, false}));
    EXPECT_EQ(answers(8, food), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(answers(7, car), (std::vector<bool>{false, true, false}));
    // A keyword of the same name is another keyword.
    EXPECT_EQ(answers(7, foodAgain), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(answers(1, foodAgain), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(answers(7, nullptr), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(answers(3, food), (std::vector<bool>{true, true, true}));
}

struct CommentCase {
    int code;
    QString text;
    QString comment;
    bool matches;
};

class CommentTest : public ::testing::TestWithParam<CommentCase> {};

TEST_P(CommentTest, answers) {
    const CommentCase& c = GetParam();
    auto condition = CommentCondition::create();
    condition->setConditionTypeCode(c.code);
    condition->setObject(c.text);
    EXPECT_EQ(condition->ioMatchesCondition(*recordWithComment(c.comment)), c.matches)
        << "code " << c.code << " text '" << c.text.toStdString() << "' comment '" << c.comment.toStdString() << "'";
}

QString operator""_q(const char* text, std::size_t) {
    return QString::fromUtf8(text);
}

INSTANTIATE_TEST_SUITE_P(
    CommentCondition, CommentTest,
    ::testing::Values(
        // The empty text: never included, never a start, always an end.
        CommentCase{7, ""_q, "abc"_q, false}, CommentCase{8, ""_q, "abc"_q, true}, CommentCase{9, ""_q, "abc"_q, false},
        CommentCase{10, ""_q, "abc"_q, true}, CommentCase{11, ""_q, "abc"_q, true},
        CommentCase{12, ""_q, "abc"_q, false}, CommentCase{11, ""_q, ""_q, true}, CommentCase{1, ""_q, ""_q, true},
        CommentCase{1, ""_q, QString(), true}, CommentCase{7, ""_q, QString(), false},
        // Texts longer than the comment.
        CommentCase{11, "a long text"_q, "text"_q, false}, CommentCase{12, "a long text"_q, "text"_q, true},
        CommentCase{9, "a long text"_q, "a long"_q, false}, CommentCase{7, "a long text"_q, "a long"_q, false},
        CommentCase{9, "ab"_q, "abc"_q, true}, CommentCase{9, "ab"_q, "cab"_q, false},
        CommentCase{10, "ab"_q, "cab"_q, true}, CommentCase{7, "ab"_q, "abc"_q, true},
        CommentCase{7, "ab"_q, "cab"_q, true}, CommentCase{8, "ab"_q, "cab"_q, false},
        CommentCase{9, "ab"_q, "cabab"_q, false}, CommentCase{11, "bc"_q, "abc"_q, true},
        CommentCase{11, "bc"_q, "bca"_q, false}, CommentCase{12, "bc"_q, "abc"_q, false},
        // Nothing is folded.
        CommentCase{1, "Rent"_q, "rent"_q, false}, CommentCase{2, "Rent"_q, "rent"_q, true},
        CommentCase{1, "Rent"_q, "Rent"_q, true}, CommentCase{1, "Rent"_q, "Rent "_q, false},
        CommentCase{7, "Rent"_q, "monthly rent"_q, false}, CommentCase{11, "May"_q, "Rent for may"_q, false},
        CommentCase{7, "cafe"_q, "Café"_q, false},
        // Canonically equivalent spellings are the same text.
        CommentCase{7, "Cafe\u0301"_q, "Café au lait"_q, true}, CommentCase{1, "Cafe\u0301"_q, "Café"_q, true},
        CommentCase{9, "Cafe\u0301"_q, "Café au lait"_q, true},
        // Codes a comment does not use.
        CommentCase{3, "x"_q, "abc"_q, true}, CommentCase{4, "x"_q, "abc"_q, true},
        CommentCase{5, "x"_q, "abc"_q, true}, CommentCase{6, "x"_q, "abc"_q, true},
        CommentCase{13, "x"_q, "abc"_q, true}, CommentCase{0, "x"_q, "abc"_q, true}));

TEST(CommentCondition, aMissingTextIsTheEmptyText) {
    auto condition = CommentCondition::create();
    const IOPtr record = recordWithComment(QStringLiteral("abc"));
    EXPECT_FALSE(condition->checkIncludes(*record));
    EXPECT_FALSE(condition->checkStartsWith(*record));
    EXPECT_TRUE(condition->checkEndsWith(*record));
}

TEST(BookCondition, testsMembershipOfTheVeryRecord) {
    const BookPtr book = Book::create();
    const IOPtr inside = IO::create();
    const IOPtr outside = IO::create();
    book->addObject(inside);
    auto condition = BookCondition::create();
    condition->setObject(book);
    condition->setConditionTypeCode(1);
    EXPECT_TRUE(condition->ioMatchesCondition(*inside));
    EXPECT_FALSE(condition->ioMatchesCondition(*outside));
    EXPECT_EQ(condition->getBook(), book);
    condition->setConditionTypeCode(2);
    EXPECT_FALSE(condition->ioMatchesCondition(*inside));
    EXPECT_TRUE(condition->ioMatchesCondition(*outside));
    EXPECT_EQ(condition->getBook(), nullptr);
    condition->setConditionTypeCode(7);
    EXPECT_TRUE(condition->ioMatchesCondition(*outside));

    // A missing book holds no record.
    auto missing = BookCondition::create();
    missing->setConditionTypeCode(1);
    EXPECT_FALSE(missing->ioMatchesCondition(*inside));
    missing->setConditionTypeCode(2);
    EXPECT_TRUE(missing->ioMatchesCondition(*inside));
}

} // namespace
