#pragma once

#include "Condition.h"

#include <QDateTime>

#include <optional>

// Tests a record's day against day dates (codes Is to NotBetween) or against
// the last N days, weeks or months (WithinLast and NotWithinLast; N in the
// operand, the unit in periodID).
class DateCondition : public Condition {
public:
    static std::shared_ptr<DateCondition> create();

    Kind kind() const override { return Kind::Date; }
    QString className() const override { return QStringLiteral("DateCondition"); }
    ConditionPtr copy() const override;
    bool sameAs(const Condition& other) const override;
    bool ioMatchesCondition(const IO& record) const override;

    // The unit of N for WithinLast and NotWithinLast, by the numbers the data
    // file keeps; any other number is no unit.
    enum Period : std::int32_t { Days = 1, Weeks = 2, Months = 3 };
    std::int32_t periodID() const { return m_periodID; }
    void setPeriodID(std::int32_t period) { m_periodID = period; }

    // Now minus N periods in the local zone, keeping the time of day; nothing
    // without a unit. Inside a refresh pass "now" is the pass's moment.
    std::optional<QDateTime> criticalDate() const;

    void beginPass(const ConditionPass& pass) override;
    void endPass() override;

private:
    // A moment as seen against day dates (00:00:00 local): the local day it
    // falls on, and whether it is that day's very start.
    struct DayPoint {
        QDate day;
        bool atStartOfDay = false;
    };
    // What a refresh pass works out once instead of once per record.
    struct Pass {
        QDateTime now;
        std::optional<DayPoint> critical;
        std::optional<DayPoint> object;
        std::optional<DayPoint> object2;
    };

    static DayPoint dayPointOf(const QDateTime& moment);
    static std::optional<DayPoint> dayPointOf(const ConditionOperand& operand);
    static int compareDay(const std::optional<DayPoint>& point, QDate recordDay);
    std::optional<QDateTime> criticalDateAt(const QDateTime& now) const;
    bool matchesPeriod(const std::optional<DayPoint>& critical, QDate recordDay, bool within) const;

    std::int32_t m_periodID = 0;
    std::optional<Pass> m_pass;
};
