#include "LocalizedText.h"
#include "SampleRecords.h"
#include "StatsBoxController.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace {

// The statistics box's four labels, filled from a book of the given amounts.
class StatsBoxTest : public ::testing::Test, private UsLocale {
protected:
    QStringList statsFor(const QList<const char*>& amounts) {
        const BookPtr book = Book::create();
        for (const char* amount : amounts) {
            book->addObject(sampleRecord(amount, QDate(2024, 1, 1), QStringLiteral("x")));
        }
        controller.reloadStats(*book);
        return {in.text(), out.text(), balance.text()};
    }

    QLabel in;
    QLabel out;
    QLabel balance;
    QLabel count;
    StatsBoxController controller{&in, &out, &balance, &count};
};

TEST_F(StatsBoxTest, smallSumsAreExactWholeNumbersWithTheBooksCount) {
    EXPECT_EQ(statsFor({"100.50", "-30.25"}),
              (QStringList{QStringLiteral("100"), QStringLiteral("30"), QStringLiteral("70")}));
    EXPECT_EQ(count.text(), QStringLiteral("2 ") + LocalizedText::lookup(QStringLiteral("Records")));
    EXPECT_TRUE(in.toolTip().isEmpty());
}

TEST_F(StatsBoxTest, sumsNearTheLimitsShowInFullAndSayWhereTheyAreRounded) {
    // Every amount exact, the sum 2^53 exactly: still exact.
    EXPECT_EQ(statsFor({"4503599627370496", "4503599627370496"}).first(), QStringLiteral("9,007,199,254,740,992"));
    EXPECT_TRUE(in.toolTip().isEmpty());

    // Past 2^53 and past what 64 bits hold: the whole value, marked as rounded.
    const QStringList big = statsFor({"5e18", "5e18", "5e18", "-1"});
    EXPECT_EQ(big.at(0), QStringLiteral("≈ 15,000,000,000,000,000,000"));
    EXPECT_EQ(big.at(1), QStringLiteral("1"));
    EXPECT_EQ(big.at(2), QStringLiteral("≈ 15,000,000,000,000,000,000"));
    EXPECT_FALSE(in.toolTip().isEmpty());
    EXPECT_TRUE(out.toolTip().isEmpty());

    // Beyond what a double holds at all.
    const QStringList endless = statsFor({"1e308", "1e308"});
    EXPECT_EQ(endless.at(0), QStringLiteral("∞"));
    EXPECT_EQ(endless.at(2), QStringLiteral("∞"));
    EXPECT_FALSE(balance.toolTip().isEmpty());
}

} // namespace
