#include "RecurrenceRule.h"

#include <gtest/gtest.h>

namespace {

RecurrenceRule ruleOf(RecurrenceRule::Unit unit, int interval, QDate start, int monthDay = 1) {
    RecurrenceRule rule;
    rule.setUnit(unit);
    rule.setInterval(interval);
    rule.setStart(start);
    rule.setMonthDay(monthDay);
    return rule;
}

QList<QDate> firstDays(const RecurrenceRule& rule, int count) {
    QList<QDate> days;
    for (QDate day = rule.nextAfter(rule.start().addDays(-1)); day.isValid() && days.size() < count;
         day = rule.nextAfter(day)) {
        days.append(day);
    }
    return days;
}

} // namespace

TEST(RecurrenceRule, MonthlyDayBeyondTheMonthFallsOnItsLastDay) {
    const RecurrenceRule rule = ruleOf(RecurrenceRule::Unit::Months, 1, QDate(2027, 1, 31), 31);
    EXPECT_EQ(firstDays(rule, 5), (QList<QDate>{QDate(2027, 1, 31), QDate(2027, 2, 28), QDate(2027, 3, 31),
                                                QDate(2027, 4, 30), QDate(2027, 5, 31)}));
    // A leap year's February has its 29th.
    const RecurrenceRule leap = ruleOf(RecurrenceRule::Unit::Months, 1, QDate(2028, 1, 30), 30);
    EXPECT_EQ(leap.nextAfter(QDate(2028, 1, 30)), QDate(2028, 2, 29));
    EXPECT_EQ(leap.nextAfter(QDate(2028, 2, 29)), QDate(2028, 3, 30));
}

TEST(RecurrenceRule, LastDayOfMonthAndMonthDaysBeforeTheStart) {
    const RecurrenceRule last =
        ruleOf(RecurrenceRule::Unit::Months, 1, QDate(2027, 1, 10), RecurrenceRule::lastDayOfMonth);
    EXPECT_EQ(firstDays(last, 3), (QList<QDate>{QDate(2027, 1, 31), QDate(2027, 2, 28), QDate(2027, 3, 31)}));
    // The 5th is already past in the start's month: the first is a month on.
    const RecurrenceRule fifth = ruleOf(RecurrenceRule::Unit::Months, 2, QDate(2027, 11, 20), 5);
    EXPECT_EQ(firstDays(fifth, 3), (QList<QDate>{QDate(2028, 1, 5), QDate(2028, 3, 5), QDate(2028, 5, 5)}));
}

TEST(RecurrenceRule, YearlyOnFebruary29IsThe28thInOtherYears) {
    const RecurrenceRule rule = ruleOf(RecurrenceRule::Unit::Years, 1, QDate(2028, 2, 29));
    EXPECT_EQ(firstDays(rule, 5), (QList<QDate>{QDate(2028, 2, 29), QDate(2029, 2, 28), QDate(2030, 2, 28),
                                                QDate(2031, 2, 28), QDate(2032, 2, 29)}));
}

TEST(RecurrenceRule, DaysAndWeeksStepFromTheStart) {
    const RecurrenceRule days = ruleOf(RecurrenceRule::Unit::Days, 10, QDate(2027, 12, 25));
    EXPECT_EQ(days.nextAfter(QDate(2028, 1, 3)), QDate(2028, 1, 4));
    EXPECT_EQ(days.nextAfter(QDate(2028, 1, 4)), QDate(2028, 1, 14));
    const RecurrenceRule weeks = ruleOf(RecurrenceRule::Unit::Weeks, 2, QDate(2027, 3, 1));
    EXPECT_EQ(weeks.nextAfter(QDate(2020, 1, 1)), QDate(2027, 3, 1));
    // Across a change to summer time, still whole days.
    EXPECT_EQ(weeks.daysBetween(QDate(2027, 3, 1), QDate(2027, 4, 12)),
              (QList<QDate>{QDate(2027, 3, 15), QDate(2027, 3, 29), QDate(2027, 4, 12)}));
}

TEST(RecurrenceRule, EndDayAndCountEndTheSeries) {
    RecurrenceRule until = ruleOf(RecurrenceRule::Unit::Months, 1, QDate(2027, 1, 15), 15);
    until.setUntil(QDate(2027, 3, 15));
    EXPECT_EQ(firstDays(until, 10), (QList<QDate>{QDate(2027, 1, 15), QDate(2027, 2, 15), QDate(2027, 3, 15)}));
    EXPECT_FALSE(until.nextAfter(QDate(2027, 3, 15)).isValid());

    // The count is of days on or after the start, not of the series' skipped first month.
    RecurrenceRule counted = ruleOf(RecurrenceRule::Unit::Months, 1, QDate(2027, 1, 20), 5);
    counted.setCount(2);
    EXPECT_EQ(firstDays(counted, 10), (QList<QDate>{QDate(2027, 2, 5), QDate(2027, 3, 5)}));
    EXPECT_FALSE(counted.nextAfter(QDate(2027, 3, 5)).isValid());
    // Asked from far on, the count still holds.
    EXPECT_FALSE(counted.nextAfter(QDate(2031, 1, 1)).isValid());
    EXPECT_EQ(counted.nextAfter(QDate(2027, 2, 5)), QDate(2027, 3, 5));
}

TEST(RecurrenceRule, AskedFromFarAheadItFindsTheRightDay) {
    const RecurrenceRule monthly = ruleOf(RecurrenceRule::Unit::Months, 3, QDate(2000, 1, 31), 31);
    EXPECT_EQ(monthly.nextAfter(QDate(2027, 4, 29)), QDate(2027, 4, 30));
    EXPECT_EQ(monthly.nextAfter(QDate(2027, 4, 30)), QDate(2027, 7, 31));
    const RecurrenceRule yearly = ruleOf(RecurrenceRule::Unit::Years, 4, QDate(2001, 6, 1));
    EXPECT_EQ(yearly.nextAfter(QDate(2025, 6, 1)), QDate(2029, 6, 1));
    EXPECT_FALSE(RecurrenceRule().nextAfter(QDate(2027, 1, 1)).isValid());
}
