#include "DateCondition.h"

#include "Clock.h"
#include "IO.h"

#include <algorithm>
#include <cstdlib>

namespace {
// Far beyond any calendar in either direction; keeps the arithmetic in range.
constexpr qint64 periodLimit = 10'000'000;

// The whole part of the exact decimal, toward zero and within the limit: a
// double would round 2.99999999999999999 up to 3.
qint64 wholePeriods(const Amount& number) {
    qint64 whole = number.mantissa();
    int exponent = number.exponent();
    for (; exponent < 0 && whole != 0; ++exponent) {
        whole /= 10;
    }
    for (; exponent > 0 && whole != 0 && std::abs(whole) <= periodLimit; --exponent) {
        whole *= 10;
    }
    return std::clamp(whole, -periodLimit, periodLimit);
}
} // namespace

std::shared_ptr<DateCondition> DateCondition::create() {
    return std::make_shared<DateCondition>();
}

ConditionPtr DateCondition::copy() const {
    auto condition = create();
    condition->takeValuesOf(*this);
    condition->setPeriodID(m_periodID);
    return condition;
}

bool DateCondition::sameAs(const Condition& other) const {
    return Condition::sameAs(other) && m_periodID == static_cast<const DateCondition&>(other).m_periodID;
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

int DateCondition::compareDay(const std::optional<DayPoint>& point, QDate recordDay) {
    if (!point) {
        // A missing operand equals every day.
        return 0;
    }
    // The operand is a moment and the record's date the start of its day:
    // they compare chronologically through the local day the moment falls on.
    if (point->day != recordDay) {
        return point->day < recordDay ? -1 : 1;
    }
    return point->atStartOfDay ? 0 : 1;
}

std::optional<QDateTime> DateCondition::criticalDateAt(const QDateTime& now) const {
    // N is the operand truncated toward zero; without a number it is 0.
    const Amount* number = std::get_if<Amount>(&object());
    const qint64 n = number ? wholePeriods(*number) : 0;
    // Calendar arithmetic on the local wall clock: the time of day stays.
    const QDateTime local = now.toLocalTime();
    switch (m_periodID) {
    case Days:
        return local.addDays(-n);
    case Weeks:
        return local.addDays(-7 * n);
    case Months:
        return local.addMonths(static_cast<int>(-n));
    default:
        return std::nullopt;
    }
}

std::optional<QDateTime> DateCondition::criticalDate() const {
    return criticalDateAt(m_pass ? m_pass->now : Clock::now());
}

void DateCondition::beginPass(const ConditionPass& refresh) {
    Pass pass;
    pass.now = refresh.now;
    if (const std::optional<QDateTime> critical = criticalDateAt(refresh.now)) {
        pass.critical = dayPointOf(*critical);
    }
    pass.object = dayPointOf(object());
    pass.object2 = dayPointOf(object2());
    m_pass = std::move(pass);
}

void DateCondition::endPass() {
    m_pass.reset();
}

bool DateCondition::matchesPeriod(const std::optional<DayPoint>& critical, QDate recordDay, bool within) const {
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
    if (code >= Is && code <= NotBetween) {
        return standardComparison([this, day](const ConditionOperand& operand) {
            if (!m_pass) {
                return compareDay(dayPointOf(operand), day);
            }
            return compareDay(&operand == &object() ? m_pass->object : m_pass->object2, day);
        });
    }
    if (code == WithinLast || code == NotWithinLast) {
        std::optional<DayPoint> critical;
        if (m_pass) {
            critical = m_pass->critical;
        } else if (const std::optional<QDateTime> moment = criticalDate()) {
            critical = dayPointOf(*moment);
        }
        return matchesPeriod(critical, day, code == WithinLast);
    }
    return true;
}
