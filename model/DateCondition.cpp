#include "DateCondition.h"

#include "Clock.h"
#include "IO.h"

#include <cmath>

std::shared_ptr<DateCondition> DateCondition::create() {
    return std::make_shared<DateCondition>();
}

ConditionPtr DateCondition::copy() const {
    auto condition = create();
    condition->takeValuesOf(*this);
    condition->setPeriodID(m_periodID);
    return condition;
}

DateCondition::DayPoint DateCondition::dayPointOf(const QDateTime& moment) {
    const QDateTime local = moment.toLocalTime();
    const QDate day = local.date();
    return {day, local == day.startOfDay()};
}

std::optional<DateCondition::DayPoint> DateCondition::dayPointOf(const ConditionOperand& operand) {
    const CalendarDate* date = std::get_if<CalendarDate>(&operand);
    if (!date || !date->isValid()) {
        return std::nullopt;
    }
    return dayPointOf(date->toDateTime());
}

std::optional<QDateTime> DateCondition::criticalDateAt(const QDateTime& now) const {
    // N is the operand truncated toward zero; without a number it is 0.
    const float* number = std::get_if<float>(&object());
    const float value = number && std::isfinite(*number) ? std::trunc(*number) : 0.0f;
    // Far beyond any calendar: clamp instead of overflowing the conversion.
    const auto n = static_cast<qint64>(std::fmax(-1e7f, std::fmin(1e7f, value)));
    switch (m_periodID) {
    case 1:
        return now.addDays(-n);
    case 2:
        return now.addDays(-7 * n);
    case 3:
        return now.addMonths(static_cast<int>(-n));
    default:
        return std::nullopt;
    }
}

std::optional<QDateTime> DateCondition::criticalDate() const {
    return criticalDateAt(m_passNow ? *m_passNow : Clock::now());
}

void DateCondition::beginPass(const QDateTime& now) {
    m_passNow = now;
    m_passCritical.reset();
    if (const std::optional<QDateTime> critical = criticalDateAt(now)) {
        m_passCritical = dayPointOf(*critical);
    }
    m_passObject = dayPointOf(object());
    m_passObject2 = dayPointOf(object2());
}

void DateCondition::endPass() {
    m_passNow.reset();
    m_passCritical.reset();
    m_passObject.reset();
    m_passObject2.reset();
}

int DateCondition::compareOperand(const ConditionOperand& operand, QDate recordDay) const {
    std::optional<DayPoint> cached;
    if (m_passNow) {
        cached = &operand == &object() ? m_passObject : m_passObject2;
    }
    const std::optional<DayPoint> point = m_passNow ? cached : dayPointOf(operand);
    if (!point) {
        // A missing operand equals every day.
        return 0;
    }
    // The operand is a moment, the record's date is the start of its day:
    // compare them chronologically through the local day the moment falls on.
    if (point->day < recordDay) {
        return -1;
    }
    if (point->day > recordDay) {
        return 1;
    }
    return point->atStartOfDay ? 0 : 1;
}

bool DateCondition::matchesPeriod(QDate recordDay, bool within) const {
    std::optional<DayPoint> critical = m_passCritical;
    if (!m_passNow) {
        if (const std::optional<QDateTime> moment = criticalDate()) {
            critical = dayPointOf(*moment);
        }
    }
    if (!critical) {
        return false;
    }
    if (within) {
        // The critical moment lies before the start of the record's day.
        return recordDay > critical->day;
    }
    // The critical moment lies after the start of the record's day.
    return recordDay < critical->day || (recordDay == critical->day && !critical->atStartOfDay);
}

bool DateCondition::ioMatchesCondition(const IO& record) const {
    const std::int32_t code = conditionTypeCode();
    const QDate day = record.date();
    if (code >= 1 && code <= 6) {
        return standardComparison(
            [this, day](const ConditionOperand& operand) { return compareOperand(operand, day); });
    }
    if (code == 13 || code == 14) {
        return matchesPeriod(day, code == 13);
    }
    return true;
}
