#pragma once

#include "Condition.h"

#include <QDateTime>

#include <optional>

// Tests a record's day against day dates (codes 1 to 6) or against the last
// N days, weeks or months (codes 13 and 14; N in the operand, the unit in periodID).
class DateCondition : public Condition {
public:
    static std::shared_ptr<DateCondition> create();

    Kind kind() const override { return Kind::Date; }
    QString className() const override { return QStringLiteral("DateCondition"); }
    ConditionPtr copy() const override;
    bool ioMatchesCondition(const IO& record) const override;

    // 1 days, 2 weeks, 3 months; anything else is no unit.
    std::int32_t periodID() const { return m_periodID; }
    void setPeriodID(std::int32_t period) { m_periodID = period; }

    // Now minus N periods, keeping the time of day; nothing without a unit.
    std::optional<QDateTime> criticalDate() const;

    void beginPass(const QDateTime& now) override;
    void endPass() override;

private:
    // A moment as seen against day dates: the local day it falls on, and
    // whether it is that day's very start.
    struct DayPoint {
        QDate day;
        bool atStartOfDay = false;
    };
    static DayPoint dayPointOf(const QDateTime& moment);
    static std::optional<DayPoint> dayPointOf(const ConditionOperand& operand);
    std::optional<QDateTime> criticalDateAt(const QDateTime& now) const;
    int compareOperand(const ConditionOperand& operand, QDate recordDay) const;
    bool matchesPeriod(QDate recordDay, bool within) const;

    std::int32_t m_periodID = 0;
    // Set during a refresh pass only.
    std::optional<QDateTime> m_passNow;
    std::optional<DayPoint> m_passCritical;
    std::optional<DayPoint> m_passObject;
    std::optional<DayPoint> m_passObject2;
};
