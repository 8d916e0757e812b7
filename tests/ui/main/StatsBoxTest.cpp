#include "SampleRecords.h"
#include "StatsBoxController.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

// The English singular of the count, as the English plurals file gives it.
class EnglishSingular : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char*, int n) const override {
        if (n != 1 || qstrcmp(context, "StatsBoxController") != 0) {
            return QString();
        }
        return QString::fromUtf8(sourceText).replace(QStringLiteral("records"), QStringLiteral("record"));
    }
    bool isEmpty() const override { return false; }
};

// The statistics box's four labels, filled from a book of the given amounts;
// records of amounts beginning with "!" do not count.
class StatsBoxTest : public ::testing::Test, private UsLocale {
protected:
    StatsBoxTest() { QCoreApplication::installTranslator(&english); }
    ~StatsBoxTest() override { QCoreApplication::removeTranslator(&english); }

    QStringList statsFor(const QList<const char*>& amounts, int decimals = 2) {
        for (const char* amount : amounts) {
            const bool counted = amount[0] != '!';
            book->addObject(
                sampleRecord(counted ? amount : amount + 1, QDate(2024, 1, 1), QString::fromLatin1(amount), counted));
        }
        return refresh(decimals);
    }
    QStringList refresh(int decimals = 2) {
        controller.reloadStats(*book, decimals);
        return {in.text(), out.text(), balance.text(), count.text()};
    }

    EnglishSingular english;
    BookPtr book = Book::create();
    QLabel in;
    QLabel out;
    QLabel balance;
    QLabel count;
    StatsBoxController controller{&in, &out, &balance, &count};
};

TEST_F(StatsBoxTest, sumsKeepTheirCentsAndTheCountCoversTheWholeBook) {
    EXPECT_EQ(statsFor({"100.50", "-30.25", "!7.00"}),
              (QStringList{QStringLiteral("100.50"), QStringLiteral("30.25"), QStringLiteral("70.25"),
                           QStringLiteral("3 records")}));
    EXPECT_TRUE(in.toolTip().isEmpty());

    // A search narrows the sums, and the count says by how much.
    book->reloadFilteredListWithSearchKey(QStringLiteral("100"), {});
    EXPECT_EQ(refresh(), (QStringList{QStringLiteral("100.50"), QStringLiteral("0.00"), QStringLiteral("100.50"),
                                      QStringLiteral("1 of 3 records")}));
    book->reloadFilteredListWithSearchKey(QStringLiteral("nothing"), {});
    EXPECT_EQ(refresh().last(), QStringLiteral("0 of 3 records"));

    // Whole yen stay whole.
    book = Book::create();
    EXPECT_EQ(statsFor({"1200", "-300"}, 0).mid(0, 3),
              (QStringList{QStringLiteral("1,200"), QStringLiteral("300"), QStringLiteral("900")}));
}

TEST_F(StatsBoxTest, oneRecordIsCountedInTheSingular) {
    EXPECT_EQ(statsFor({"5"}).last(), QStringLiteral("1 record"));
    book->reloadFilteredListWithSearchKey(QStringLiteral("6"), {});
    EXPECT_EQ(refresh().last(), QStringLiteral("0 of 1 record"));
}

TEST_F(StatsBoxTest, sumsBeyondWhatADoubleHoldsToTheCentAreMarkedAsRounded) {
    // Every cent still told apart.
    EXPECT_EQ(statsFor({"45035996273704.96"}).first(), QStringLiteral("45,035,996,273,704.96"));
    EXPECT_TRUE(in.toolTip().isEmpty());

    // Past that and past what 64 bits hold: the whole value, marked as rounded.
    book = Book::create();
    const QStringList big = statsFor({"5e18", "5e18", "5e18", "-1"});
    EXPECT_EQ(big.at(0), QStringLiteral("≈ 15,000,000,000,000,000,000.00"));
    EXPECT_EQ(big.at(1), QStringLiteral("1.00"));
    EXPECT_EQ(big.at(2), QStringLiteral("≈ 15,000,000,000,000,000,000.00"));
    EXPECT_TRUE(in.toolTip().contains(QStringLiteral("45,035,996,273,704.96"))) << in.toolTip().toStdString();
    EXPECT_TRUE(out.toolTip().isEmpty());

    // Whole numbers hold exactly up to 2^53.
    book = Book::create();
    EXPECT_EQ(statsFor({"4503599627370496", "4503599627370496"}, 0).first(), QStringLiteral("9,007,199,254,740,992"));
    EXPECT_TRUE(in.toolTip().isEmpty());

    // Beyond what a double holds at all.
    book = Book::create();
    const QStringList endless = statsFor({"1e308", "1e308"});
    EXPECT_EQ(endless.at(0), QStringLiteral("∞"));
    EXPECT_EQ(endless.at(2), QStringLiteral("∞"));
    EXPECT_FALSE(balance.toolTip().isEmpty());
}

} // namespace
