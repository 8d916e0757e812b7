#pragma once

#include <QDate>
#include <QList>

// When a recurring record falls due: every `interval` days, weeks, months or
// years from the start day, until an end day, for a number of times, or for
// ever. A monthly rule falls on its day of the month, or on the month's last
// day where the month is shorter (the 31st is April's 30th); a yearly one on
// the start's month and day, February 29 being the 28th in other years.
class RecurrenceRule {
public:
    enum class Unit { Days, Weeks, Months, Years };
    static constexpr int lastDayOfMonth = 0;
    static constexpr int maxInterval = 999;

    Unit unit() const { return m_unit; }
    void setUnit(Unit unit) { m_unit = unit; }
    int interval() const { return m_interval; }
    // At least 1, at most maxInterval.
    void setInterval(int interval);
    // 1 to 31, or lastDayOfMonth; monthly rules only.
    int monthDay() const { return m_monthDay; }
    void setMonthDay(int day);
    QDate start() const { return m_start; }
    void setStart(QDate day) { m_start = day; }
    // The last day it may fall on; invalid when it has none.
    QDate until() const { return m_until; }
    void setUntil(QDate day) { m_until = day; }
    // How many times it falls in all; 0 when it has no count.
    int count() const { return m_count; }
    void setCount(int count) { m_count = count < 0 ? 0 : count; }

    bool isValid() const { return m_start.isValid(); }
    // The first day after `day` it falls on, or an invalid date when it has ended.
    QDate nextAfter(QDate day) const;
    // The days after `after` up to `upTo` it falls on, at most `limit` of them.
    QList<QDate> daysBetween(QDate after, QDate upTo, qsizetype limit = 100000) const;

    bool operator==(const RecurrenceRule& other) const = default;

private:
    // The n-th day of the series before the start and the end are applied.
    QDate seriesDay(qint64 n) const;
    // A series index at or before the first one after `day`.
    qint64 indexNear(QDate day) const;
    // The index of the first series day on or after the start.
    qint64 firstIndex() const;

    Unit m_unit = Unit::Months;
    int m_interval = 1;
    int m_monthDay = 1;
    QDate m_start;
    QDate m_until;
    int m_count = 0;
};
