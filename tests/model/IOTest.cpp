#include "IO.h"
#include "Clock.h"
#include "DateUtility.h"
#include "SearchKey.h"
#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <set>

namespace {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

IOPtr recordWithComment(const char* comment) {
    IOPtr record = IO::create();
    record->setComment(text(comment));
    return record;
}

TEST(Record, aBlankRecordIsDatedTodayCountedAndHasNoAmount) {
    Clock::setFixed(QDateTime(QDate(2024, 3, 15), QTime(14, 35, 10)));
    const IOPtr record = IO::create();
    EXPECT_EQ(record->date(), QDate(2024, 3, 15));
    EXPECT_EQ(record->dateTime().time(), QTime(0, 0));
    EXPECT_FALSE(record->amount());
    EXPECT_EQ(record->amountAsDouble(), 0.0);
    EXPECT_TRUE(record->keywords().empty());
    EXPECT_TRUE(record->comment().isEmpty());
    EXPECT_EQ(record->includeInStats(), 1);
    EXPECT_EQ(record->timeOfEntry().toDateTime(), QDateTime(QDate(2024, 3, 15), QTime(14, 35, 10)));
    Clock::reset();
}

TEST(Record, theInitialiserFillsAbsentValuesWithZeroTodayAndEmpty) {
    Clock::setFixed(QDateTime(QDate(2024, 3, 15), QTime(9, 0)));
    const IOPtr record = IO::create(std::nullopt, std::nullopt, std::nullopt, std::nullopt, 0);
    ASSERT_TRUE(record->amount());
    EXPECT_TRUE(record->amount()->isZero());
    EXPECT_EQ(record->date(), QDate(2024, 3, 15));
    EXPECT_TRUE(record->keywords().empty());
    EXPECT_EQ(record->comment(), QStringLiteral(""));
    EXPECT_EQ(record->includeInStats(), 0);
    Clock::reset();
}

TEST(Record, theDayIsKeptAndTheTimeDroppedInEveryTimeZone) {
    for (const char* zone : {"Europe/Berlin", "Pacific/Auckland", "America/Los_Angeles"}) {
        TestEnvironment::setTimeZone(zone);
        const IOPtr record = IO::create();
        record->setDate(QDateTime(QDate(2024, 3, 15), QTime(14, 35, 10)));
        EXPECT_EQ(record->date(), QDate(2024, 3, 15)) << zone;
        EXPECT_EQ(record->dateTime(), QDateTime(QDate(2024, 3, 15), QTime(0, 0))) << zone;
        // A moment late in the evening in Tokyo is that Tokyo day, wherever we are.
        const QDateTime tokyoEvening(QDate(2024, 3, 15), QTime(23, 30), QTimeZone("Asia/Tokyo"));
        record->setDate(tokyoEvening);
        EXPECT_EQ(record->date(), QDate(2024, 3, 15)) << zone;
        EXPECT_EQ(DateUtility::dateWithoutHours(tokyoEvening), QDateTime(QDate(2024, 3, 15), QTime(0, 0))) << zone;
    }
    TestEnvironment::setTimeZone("UTC");
}

TEST(Record, dateWithReceivedDateAndCurrentTimeTakesTheDayFromTheDateAndTheTimeFromNow) {
    Clock::setFixed(QDateTime(QDate(2024, 6, 1), QTime(8, 15, 30)));
    const QDateTime result =
        DateUtility::dateWithReceivedDateAndCurrentTime(QDateTime(QDate(2020, 2, 29), QTime(23, 0)));
    EXPECT_EQ(result, QDateTime(QDate(2020, 2, 29), QTime(8, 15, 30)));
    Clock::reset();
}

TEST(Record, keywordsAreTestedByIdentityNeverByName) {
    const KeywordPtr food = Keyword::create(QStringLiteral("food"));
    const KeywordPtr travel = Keyword::create(QStringLiteral("travel"));
    const KeywordPtr other = Keyword::create(QStringLiteral("other"));
    const IOPtr record = IO::create();
    record->addKeyword(food);
    record->addKeyword(food);
    EXPECT_EQ(record->keywords().size(), 1u);
    const KeywordPtr foodCopy = food->copy();
    EXPECT_EQ(foodCopy->name(), QStringLiteral("food"));
    EXPECT_FALSE(record->includesKeyword(foodCopy));
    record->addKeyword(foodCopy);
    EXPECT_EQ(record->keywords().size(), 2u);
    record->deleteKeyword(foodCopy.get());
    record->addKeyword(travel);
    EXPECT_EQ(record->keywordsAsString(), QStringLiteral("food, travel"));

    EXPECT_TRUE(record->includesKeywords({}));
    EXPECT_TRUE(record->includesKeywords({travel, food}));
    EXPECT_FALSE(record->includesKeywords({food, other}));

    record->deleteKeywords({food, other});
    EXPECT_EQ(record->keywordsAsString(), QStringLiteral("travel"));
    record->deleteKeyword(travel.get());
    EXPECT_EQ(record->keywordsAsString(), QStringLiteral(""));
}

struct SearchCase {
    const char* comment;
    const char* key;
    bool found;
};

class RecordSearchTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(RecordSearchTest, findsTheKeyAsAContiguousCaseSensitiveSubstring) {
    const SearchCase c = GetParam();
    EXPECT_EQ(recordWithComment(c.comment)->includesSearchKey(text(c.key)), c.found) << c.comment << " / " << c.key;
}

INSTANTIATE_TEST_SUITE_P(
    Record, RecordSearchTest,
    ::testing::Values(SearchCase{"Rent for May", "Rent", true}, SearchCase{"rent for May", "Rent", false},
                      SearchCase{"anything", "", true}, SearchCase{"", "", true}, SearchCase{"", "a", false},
                      SearchCase{"Rent for May", "for M", true}, SearchCase{"Rent for May", "May ", false},
                      SearchCase{"ab", "abc", false}, SearchCase{"Café", "Cafe", false},
                      // Precomposed and combining spellings of é find each other.
                      SearchCase{"Caf\u00e9 au lait", "Cafe\u0301", true},
                      SearchCase{"Cafe\u0301 au lait", "Caf\u00e9 au", true},
                      // Long comments go through the eight-at-a-time path, with the match at every place.
                      SearchCase{"0123456789abcdefghijklmnopqrstuvwxyz", "xyz", true},
                      SearchCase{"0123456789abcdefghijklmnopqrstuvwxyz", "012", true},
                      SearchCase{"0123456789abcdefghijklmnopqrstuvwxyz", "89ab", true},
                      SearchCase{"0123456789abcdefghijklmnopqrstuvwxyz", "xy z", false},
                      SearchCase{"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "aab", true},
                      SearchCase{"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "aab", false},
                      SearchCase{"Lunch with the team", "h", true}, SearchCase{"日本語のコメント", "コメ", true}));

TEST(Record, searchingAnAlreadyNormalizedCommentNeedsNoCopy) {
    const IOPtr record = recordWithComment("plain text");
    EXPECT_EQ(static_cast<const void*>(record->normalizedComment().utf16()),
              static_cast<const void*>(record->comment().utf16()));
    const IOPtr decomposed = recordWithComment("Cafe\u0301");
    EXPECT_EQ(decomposed->comment(), text("Cafe\u0301"));
    EXPECT_EQ(decomposed->normalizedComment(), text("Caf\u00e9"));
}

TEST(Record, amountsAreKeptExactlyAndAbsentStaysAbsent) {
    const IOPtr record = IO::create();
    record->setAmount(Amount::fromString(u"-12.50"));
    EXPECT_EQ(record->amount()->toString(), QStringLiteral("-12.5"));
    EXPECT_EQ(record->amountAsDouble(), -12.5);
    EXPECT_TRUE(record->setAmountWithDouble(0.1));
    EXPECT_EQ(record->amount()->toString(), QStringLiteral("0.1"));
    EXPECT_FALSE(record->setAmountWithDouble(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(record->amount()->toString(), QStringLiteral("0.1"));
    record->setAmount(std::nullopt);
    EXPECT_FALSE(record->amount());
}

TEST(RecordPool, liveRecordsHaveDistinctSmallSlotsAndAFreedSlotServesAgain) {
    IOList records;
    std::set<std::uint32_t> numbers;
    // Enough records to span more than one block of the pool.
    for (int i = 0; i < 60'000; ++i) {
        records.push_back(IO::create());
        numbers.insert(records.back()->poolSlot());
    }
    EXPECT_EQ(numbers.size(), records.size());
    EXPECT_LT(*numbers.rbegin(), RecordPool::slotCount());
    const std::uint32_t freed = records[123]->poolSlot();
    records[123].reset();
    const IOPtr next = IO::create();
    EXPECT_EQ(next->poolSlot(), freed);
}

} // namespace
