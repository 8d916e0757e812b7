#include "BalanceForecast.h"

#include <gtest/gtest.h>

namespace {

using Period = PeriodTotals::Period;

// Drawn periods that end on `day` with this balance.
PeriodTotals drawnUpTo(QDate day, const char* balance, Period period = Period::Month) {
    IOPtr r = IO::create();
    r->setDate(day);
    r->setAmount(Amount::fromString(QString::fromLatin1(balance)));
    return PeriodTotals({r}, period);
}

RecurringRecordPtr monthly(const char* amount, QDate start, int day, QDate lastEntered = {}) {
    RecurringRecordPtr record = RecurringRecord::create();
    record->setAmount(Amount::fromString(QString::fromLatin1(amount)));
    RecurrenceRule rule;
    rule.setStart(start);
    rule.setMonthDay(day);
    record->setRule(rule);
    record->setLastEntered(lastEntered);
    return record;
}

// One line per period: "2024-04-01 5200".
std::vector<std::string> printed(const std::vector<BalanceForecast::Point>& points) {
    std::vector<std::string> lines;
    for (const BalanceForecast::Point& p : points) {
        lines.push_back(QStringLiteral("%1 %2").arg(p.start.toString(Qt::ISODate)).arg(p.balance).toStdString());
    }
    return lines;
}

} // namespace

TEST(BalanceForecastTest, rentAndSalaryAddUpMonthByMonthFromTheBalanceToTheHorizon) {
    const QDate today(2024, 3, 15);
    // March's rent is entered; the salary of the 25th is still to come this month, and counts in April's end.
    const RecurringRecordList records = {monthly("-800", QDate(2024, 1, 1), 1, QDate(2024, 3, 1)),
                                         monthly("2500", QDate(2024, 1, 25), 25, QDate(2024, 2, 25))};
    const PeriodTotals totals = drawnUpTo(today, "1000");
    EXPECT_EQ(printed(BalanceForecast::ahead(totals, records, today, 6)),
              (std::vector<std::string>{"2024-04-01 5200", "2024-05-01 6900", "2024-06-01 8600", "2024-07-01 10300",
                                        "2024-08-01 12000", "2024-09-01 11200"}));
    // By year: everything up to next March 15 lands in next year's end.
    EXPECT_EQ(printed(BalanceForecast::ahead(drawnUpTo(today, "1000", Period::Year), records, today, 12)),
              (std::vector<std::string>{"2025-01-01 21400"}));
    // No horizon, no recurring records or nothing drawn to go on from: nothing ahead.
    EXPECT_TRUE(BalanceForecast::ahead(totals, records, today, 0).empty());
    EXPECT_TRUE(BalanceForecast::ahead(totals, {}, today, 6).empty());
    EXPECT_TRUE(BalanceForecast::ahead(PeriodTotals(), records, today, 6).empty());
}

TEST(BalanceForecastTest, theThirtyFirstFallsOnTheLastDayOfShorterMonthsUpToTheHorizonsDay) {
    const QDate today(2024, 1, 31);
    const RecurringRecordList records = {monthly("-100", QDate(2024, 1, 31), 31, today)};
    // Three months after January 31 is April 30, itself an occurrence.
    EXPECT_EQ(printed(BalanceForecast::ahead(drawnUpTo(today, "0"), records, today, 3)),
              (std::vector<std::string>{"2024-02-01 -100", "2024-03-01 -200", "2024-04-01 -300"}));
}

TEST(BalanceForecastTest, onlyCountedOccurrencesNotYetEnteredCount) {
    const QDate today(2024, 3, 1);
    // Entered today, and one entered ahead up to April 1 (a clock set back).
    RecurringRecordList records = {monthly("-10", QDate(2024, 1, 1), 1, today),
                                   monthly("-1", QDate(2024, 1, 1), 1, QDate(2024, 4, 1))};
    // Not entered yet at all: today's occurrence is left to the entry, which runs at start-up and midnight.
    records.push_back(monthly("-1000", QDate(2024, 3, 1), 1));
    records.push_back(monthly("5", QDate(2024, 1, 1), 1, today));
    records.back()->setIncludeInStats(0);
    EXPECT_EQ(printed(BalanceForecast::ahead(drawnUpTo(today, "0"), records, today, 2)),
              (std::vector<std::string>{"2024-04-01 -1010", "2024-05-01 -2021"}));
}
