#include "PeriodTotals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

using Period = PeriodTotals::Period;

IOPtr record(QDate day, const char* amount, bool counted = true) {
    IOPtr r = IO::create();
    r->setDate(day);
    r->setAmount(Amount::fromString(QString::fromLatin1(amount)));
    r->setIncludeInStats(counted ? 1 : 0);
    return r;
}

// One line per period: "2024-01-01 +100.5 -30.25 =70.25 (2)".
std::vector<std::string> printed(const PeriodTotals& totals) {
    std::vector<std::string> lines;
    for (const PeriodTotals::Totals& t : totals.periods()) {
        lines.push_back(QStringLiteral("%1 +%2 -%3 =%4 (%5)")
                            .arg(t.start.toString(Qt::ISODate))
                            .arg(t.in)
                            .arg(t.out)
                            .arg(t.balance)
                            .arg(t.records)
                            .toStdString());
    }
    return lines;
}

// Two months with a month between them; a record that does not count.
IOList smallLibrary() {
    return {record(QDate(2024, 1, 15), "100.50"), record(QDate(2024, 1, 20), "-30.25"),
            record(QDate(2024, 1, 31), "7", false), record(QDate(2024, 3, 1), "-1200"),
            record(QDate(2024, 3, 31), "50")};
}

TEST(PeriodTotals, monthsSumTheCountedRecordsAndCarryTheBalanceThroughEmptyMonths) {
    IOList records = smallLibrary();
    const PeriodTotals months(records, Period::Month);
    const std::vector<std::string> expected = {"2024-01-01 +100.5 -30.25 =70.25 (2)", "2024-02-01 +0 -0 =70.25 (0)",
                                               "2024-03-01 +50 -1200 =-1079.75 (2)"};
    EXPECT_EQ(printed(months), expected);
    EXPECT_EQ(months.uncountedRecords(), 1u);
    EXPECT_FALSE(months.hasGaps());

    // Whatever column the table is sorted by.
    std::mt19937 random(7);
    for (int round = 0; round < 5; ++round) {
        std::shuffle(records.begin(), records.end(), random);
        EXPECT_EQ(printed(PeriodTotals(records, Period::Month)), expected);
    }
    std::reverse(records.begin(), records.end());
    EXPECT_EQ(printed(PeriodTotals(records, Period::Month)), expected);
}

TEST(PeriodTotals, weeksBeginOnTheLocalesFirstDayAndRunAcrossTheNewYear) {
    // Saturday, Sunday, Monday.
    const IOList weekend = {record(QDate(2024, 3, 2), "1"), record(QDate(2024, 3, 3), "2"),
                            record(QDate(2024, 3, 4), "4")};
    EXPECT_EQ(printed(PeriodTotals(weekend, Period::Week, Qt::Monday)),
              (std::vector<std::string>{"2024-02-26 +3 -0 =3 (2)", "2024-03-04 +4 -0 =7 (1)"}));
    EXPECT_EQ(printed(PeriodTotals(weekend, Period::Week, Qt::Sunday)),
              (std::vector<std::string>{"2024-02-25 +1 -0 =1 (1)", "2024-03-03 +6 -0 =7 (2)"}));

    const IOList newYear = {record(QDate(2025, 1, 2), "-5"), record(QDate(2024, 12, 30), "-5")};
    EXPECT_EQ(printed(PeriodTotals(newYear, Period::Week)), (std::vector<std::string>{"2024-12-30 +0 -10 =-10 (2)"}));
    EXPECT_EQ(printed(PeriodTotals(newYear, Period::Month)),
              (std::vector<std::string>{"2024-12-01 +0 -5 =-5 (1)", "2025-01-01 +0 -5 =-10 (1)"}));
}

TEST(PeriodTotals, yearsSplitAtNewYearsEveAndKeepEmptyYears) {
    const IOList records = {record(QDate(2024, 1, 1), "10"), record(QDate(2023, 12, 31), "-3"),
                            record(QDate(2021, 6, 1), "1")};
    EXPECT_EQ(printed(PeriodTotals(records, Period::Year)),
              (std::vector<std::string>{"2021-01-01 +1 -0 =1 (1)", "2022-01-01 +0 -0 =1 (0)",
                                        "2023-01-01 +0 -3 =-2 (1)", "2024-01-01 +10 -0 =8 (1)"}));
}

TEST(PeriodTotals, nothingToDrawWhenNoListedRecordCountsOrHasADay) {
    EXPECT_TRUE(PeriodTotals({}, Period::Month).isEmpty());

    const IOList uncounted = {record(QDate(2024, 1, 1), "10", false), record(QDate(2024, 2, 1), "-3", false)};
    const PeriodTotals none(uncounted, Period::Month);
    EXPECT_TRUE(none.isEmpty());
    EXPECT_EQ(none.uncountedRecords(), 2u);

    // As a damaged data file may leave a record.
    IOPtr undated = IO::createWithTimeOfEntry(CalendarDate::now());
    undated->setAmount(Amount::fromInt(5));
    undated->setIncludeInStats(1);
    ASSERT_FALSE(undated->date().isValid());
    const PeriodTotals withUndated({undated, record(QDate(2024, 1, 1), "1")}, Period::Year);
    EXPECT_EQ(withUndated.undatedRecords(), 1u);
    EXPECT_EQ(printed(withUndated), (std::vector<std::string>{"2024-01-01 +1 -0 =1 (1)"}));
}

TEST(PeriodTotals, recordsCenturiesApartKeepOnlyThePeriodsThatHoldRecords) {
    const IOList records = {record(QDate(9000, 5, 5), "-2"), record(QDate(1900, 1, 3), "5"),
                            record(QDate(1900, 1, 2), "1")};
    const PeriodTotals weeks(records, Period::Week);
    EXPECT_TRUE(weeks.hasGaps());
    EXPECT_EQ(printed(weeks), (std::vector<std::string>{"1900-01-01 +6 -0 =6 (2)", "9000-05-05 +0 -2 =4 (1)"}));
    // Years stay well within the limit.
    EXPECT_EQ(PeriodTotals(records, Period::Year).periods().size(), 7101u);
}

TEST(PeriodTotals, periodsStartWhereTheCalendarSaysOverManyCenturies) {
    for (QDate day(1583, 1, 1); day < QDate(2500, 1, 1); day = day.addDays(37)) {
        ASSERT_EQ(PeriodTotals::startOf(day, Period::Month), QDate(day.year(), day.month(), 1)) << day.toJulianDay();
        ASSERT_EQ(PeriodTotals::startOf(day, Period::Year), QDate(day.year(), 1, 1));
        const QDate week = PeriodTotals::startOf(day, Period::Week, Qt::Sunday);
        ASSERT_EQ(week.dayOfWeek(), Qt::Sunday);
        ASSERT_LE(week.daysTo(day), 6);
        ASSERT_GE(week.daysTo(day), 0);
    }
    // Around the year without a number: 1 BC is followed by AD 1.
    EXPECT_EQ(PeriodTotals::startOf(QDate(-1, 12, 31), Period::Month), QDate(-1, 12, 1));
    EXPECT_EQ(PeriodTotals::startOf(QDate(1, 1, 1), Period::Year), QDate(1, 1, 1));
    EXPECT_EQ(PeriodTotals::startOf(QDate(-1, 3, 1), Period::Year), QDate(-1, 1, 1));
    EXPECT_FALSE(PeriodTotals::startOf(QDate(), Period::Week).isValid());
}

} // namespace
