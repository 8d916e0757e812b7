#include "KeywordReport.h"
#include "CommentReport.h"

#include <gtest/gtest.h>

namespace {

IOPtr record(QDate day, const char* amount, KeywordList keywords, const char* comment = "", bool counted = true) {
    IOPtr r = IO::create();
    r->setDate(day);
    r->setAmount(Amount::fromString(QString::fromLatin1(amount)));
    r->setKeywords(std::move(keywords));
    r->setComment(QString::fromUtf8(comment));
    r->setIncludeInStats(counted ? 1 : 0);
    return r;
}

// One line per row: "Food 80 x3 [50 30]"; "-" for no keyword.
std::vector<std::string> printed(const KeywordReport& report) {
    std::vector<std::string> lines;
    for (const KeywordReport::Row& row : report.rows()) {
        QStringList months;
        for (double sum : row.months) {
            months << QString::number(sum);
        }
        lines.push_back(QStringLiteral("%1 %2 x%3 [%4]")
                            .arg(row.keyword ? row.keyword->name() : QStringLiteral("-"))
                            .arg(row.amount)
                            .arg(row.count)
                            .arg(months.join(u' '))
                            .toStdString());
    }
    return lines;
}

// Food and Car, one dinner with both, one spending without a keyword, a
// salary, an uncounted purchase, and records on the edges of March.
class Reports : public ::testing::Test {
protected:
    KeywordPtr food = Keyword::create(QStringLiteral("Food"));
    KeywordPtr car = Keyword::create(QStringLiteral("Car"));
    IOList records = {
        record(QDate(2024, 2, 29), "-5", {food}, "Baker"),
        record(QDate(2024, 3, 1), "-50", {food}, "Grocer"),
        record(QDate(2024, 3, 15), "-20", {food, car}, "Drive-in"),
        record(QDate(2024, 3, 20), "-40", {car}, "Fuel"),
        record(QDate(2024, 3, 31), "-10", {}, "Grocer"),
        record(QDate(2024, 3, 25), "2000", {}, "Salary"),
        record(QDate(2024, 3, 26), "-999", {car}, "Fuel", false),
        record(QDate(2024, 4, 1), "-7", {food}, "Grocer"),
    };
    const DayRange march{QDate(2024, 3, 1), QDate(2024, 3, 31)};
};

TEST_F(Reports, aRecordWithSeveralKeywordsCountsInEachButOnceInTheTotal) {
    const KeywordReport report(records, march, ReportSide::Spending);
    const std::vector<std::string> expected = {"Food 70 x2 [70]", "Car 60 x2 [60]", "- 10 x1 [10]"};
    EXPECT_EQ(printed(report), expected);
    EXPECT_DOUBLE_EQ(report.total(), 120);
    EXPECT_EQ(report.recordCount(), 4u);
    EXPECT_EQ(report.recordsInSeveral(), 1u);
    EXPECT_DOUBLE_EQ(report.countedInSeveral(), 20);
    // Rows add up to the total and what was counted twice.
    double rows = 0;
    for (const auto& row : report.rows()) {
        rows += row.amount;
    }
    EXPECT_DOUBLE_EQ(rows, report.total() + report.countedInSeveral());
    EXPECT_DOUBLE_EQ(report.share(report.rows().front()), 70.0 / 120.0);
    EXPECT_DOUBLE_EQ(report.rows().front().average(), 35);
}

TEST_F(Reports, uncountedRecordsAndTheOtherSideStayOut) {
    const KeywordReport income(records, march, ReportSide::Income);
    EXPECT_EQ(printed(income), std::vector<std::string>{"- 2000 x1 [2000]"});
    EXPECT_EQ(income.uncountedRecords(), 1u);
    const KeywordReport all(records, DayRange(), ReportSide::Spending);
    EXPECT_DOUBLE_EQ(all.total(), 132);
}

TEST_F(Reports, theRangeHoldsBothItsEdgeDaysAndNothingBeyond) {
    const KeywordReport lastDayOfFebruary(records, DayRange(QDate(2024, 2, 29), QDate(2024, 2, 29)),
                                          ReportSide::Spending);
    EXPECT_EQ(printed(lastDayOfFebruary), std::vector<std::string>{"Food 5 x1 [5]"});
    const KeywordReport reversed(records, DayRange(QDate(2024, 3, 31), QDate(2024, 3, 1)), ReportSide::Spending);
    EXPECT_DOUBLE_EQ(reversed.total(), 120);
    const KeywordReport nothing(records, DayRange(QDate(2023, 1, 1), QDate(2023, 1, 31)), ReportSide::Spending);
    EXPECT_TRUE(nothing.isEmpty());
    EXPECT_EQ(nothing.months().size(), 1u);
}

TEST_F(Reports, monthsRunFromTheFirstToTheLastWithEmptyOnesBetween) {
    records.push_back(record(QDate(2024, 6, 3), "-3", {car}));
    const KeywordReport report(records, DayRange(), ReportSide::Spending);
    ASSERT_EQ(report.months().size(), 5u);
    EXPECT_EQ(report.months().front(), QDate(2024, 2, 1));
    EXPECT_EQ(report.months().back(), QDate(2024, 6, 1));
    const std::vector<double> totals = {5, 120, 7, 0, 3};
    EXPECT_EQ(report.monthTotals(), totals);
    EXPECT_EQ(printed(report).front(), "Food 82 x4 [5 70 7 0 0]");
    // A bounded range shows all of its months, also those without records.
    const KeywordReport year(records, DayRange::preset(DayRange::Preset::ThisYear, QDate(2024, 5, 5)),
                             ReportSide::Spending);
    EXPECT_EQ(year.months().size(), 12u);
}

TEST_F(Reports, strayDatesCenturiesApartKeepOnlyTheirMonths) {
    records.push_back(record(QDate(1524, 3, 3), "-1", {car}));
    const KeywordReport report(records, DayRange(), ReportSide::Spending);
    ASSERT_EQ(report.months().size(), 4u);
    EXPECT_EQ(report.months().front(), QDate(1524, 3, 1));
    EXPECT_DOUBLE_EQ(report.monthTotals()[2], 120);
}

TEST(DayRangePresets, areCalendarMonthsAndYearsAroundToday) {
    const QDate today(2024, 3, 31);
    const auto range = [&](DayRange::Preset preset) {
        const DayRange r = DayRange::preset(preset, today);
        return (r.first().toString(Qt::ISODate) + u' ' + r.last().toString(Qt::ISODate)).toStdString();
    };
    EXPECT_EQ(range(DayRange::Preset::ThisMonth), "2024-03-01 2024-03-31");
    EXPECT_EQ(range(DayRange::Preset::LastMonth), "2024-02-01 2024-02-29");
    EXPECT_EQ(range(DayRange::Preset::ThisYear), "2024-01-01 2024-12-31");
    EXPECT_EQ(range(DayRange::Preset::Last12Months), "2023-04-01 2024-03-31");
    EXPECT_TRUE(DayRange::preset(DayRange::Preset::All, today).isAll());
    EXPECT_EQ(DayRange::preset(DayRange::Preset::LastMonth, QDate(2024, 1, 10)).first(), QDate(2023, 12, 1));
    EXPECT_TRUE(DayRange().contains(QDate()));
    EXPECT_FALSE(DayRange(today, today).contains(QDate()));
}

TEST_F(Reports, commentsArePayeesLargestFirst) {
    const CommentReport report(records, DayRange(), ReportSide::Spending, 2);
    ASSERT_EQ(report.rows().size(), 2u);
    EXPECT_EQ(report.rows()[0].comment, QStringLiteral("Grocer"));
    EXPECT_DOUBLE_EQ(report.rows()[0].amount, 67);
    EXPECT_EQ(report.rows()[0].count, 3u);
    EXPECT_EQ(report.rows()[1].comment, QStringLiteral("Fuel"));
    EXPECT_DOUBLE_EQ(report.rows()[1].amount, 40);
    EXPECT_EQ(report.otherComments(), 2u);
    EXPECT_DOUBLE_EQ(report.total(), 132);
}

TEST(CommentReportForms, commentsThatReadTheSameInFormCAreOnePayee) {
    const IOList records = {record(QDate(2024, 1, 1), "-1", {}, "Caf\u00e9"),
                            record(QDate(2024, 1, 2), "-2", {}, "Cafe\u0301")};
    const CommentReport report(records, DayRange(), ReportSide::Spending);
    ASSERT_EQ(report.rows().size(), 1u);
    EXPECT_DOUBLE_EQ(report.rows()[0].amount, 3);
}

TEST(CommentReportForms, oneCommentIsOnePayeeWhetherItsRecordsShareTheirTextsOrNot) {
    // Imported records keep their own texts (each its bank id); typed ones share.
    IOList records;
    for (int i = 0; i < 6000; ++i) {
        records.push_back(record(QDate(2024, 1, 1), "-1", {}, i % 3 ? "Grocer" : "Fuel"));
        if (i % 2) {
            records.back()->setBankId(QString::number(i));
        }
    }
    records.push_back(record(QDate(2024, 1, 1), "-1", {}));
    records.back()->setTexts(records.front()->texts()); // "Fuel", shared
    const CommentReport report(records, DayRange(), ReportSide::Spending);
    ASSERT_EQ(report.rows().size(), 2u);
    EXPECT_EQ(report.rows()[0].comment, QStringLiteral("Grocer"));
    EXPECT_EQ(report.rows()[0].count, 4000u);
    EXPECT_EQ(report.rows()[1].count, 2001u);
    EXPECT_EQ(report.recordCount(), 6001u);
}

} // namespace
