#include "RecurrenceRule.h"

#include <algorithm>

namespace {

QDate dayInMonth(int year, int month, int day) {
    const QDate first(year, month, 1);
    if (!first.isValid()) {
        return QDate();
    }
    const int last = first.daysInMonth();
    return QDate(year, month, day <= 0 || day > last ? last : day);
}

} // namespace

void RecurrenceRule::setInterval(int interval) {
    m_interval = std::clamp(interval, 1, maxInterval);
}

void RecurrenceRule::setMonthDay(int day) {
    m_monthDay = std::clamp(day, lastDayOfMonth, 31);
}

QDate RecurrenceRule::seriesDay(qint64 n) const {
    switch (m_unit) {
    case Unit::Days:
        return m_start.addDays(n * m_interval);
    case Unit::Weeks:
        return m_start.addDays(n * 7 * m_interval);
    case Unit::Months: {
        const qint64 months = qint64(m_start.month() - 1) + n * m_interval;
        return dayInMonth(m_start.year() + int(months / 12), int(months % 12) + 1, m_monthDay);
    }
    case Unit::Years:
        // Qt's addYears gives February 28 for the 29th in a common year.
        return m_start.addYears(int(n * m_interval));
    }
    return QDate();
}

qint64 RecurrenceRule::firstIndex() const {
    // A monthly day before the start's day first falls in the next month.
    return seriesDay(0) < m_start ? 1 : 0;
}

qint64 RecurrenceRule::indexNear(QDate day) const {
    if (day < m_start) {
        return 0;
    }
    qint64 n = 0;
    switch (m_unit) {
    case Unit::Days:
        n = m_start.daysTo(day) / m_interval;
        break;
    case Unit::Weeks:
        n = m_start.daysTo(day) / (7 * qint64(m_interval));
        break;
    case Unit::Months:
        n = (qint64(day.year() - m_start.year()) * 12 + day.month() - m_start.month()) / m_interval;
        break;
    case Unit::Years:
        n = qint64(day.year() - m_start.year()) / m_interval;
        break;
    }
    // Month and year lengths differ: one step back is always at or before.
    return std::max<qint64>(0, n - 1);
}

QDate RecurrenceRule::nextAfter(QDate day) const {
    if (!isValid()) {
        return QDate();
    }
    const qint64 first = firstIndex();
    qint64 n = std::max(first, day.isValid() ? indexNear(day) : 0);
    QDate next = seriesDay(n);
    while (next.isValid() && (next < m_start || (day.isValid() && next <= day))) {
        next = seriesDay(++n);
    }
    if (!next.isValid() || (m_until.isValid() && next > m_until) || (m_count > 0 && n - first >= m_count)) {
        return QDate();
    }
    return next;
}

QList<QDate> RecurrenceRule::daysBetween(QDate after, QDate upTo, qsizetype limit) const {
    QList<QDate> days;
    for (QDate day = nextAfter(after); day.isValid() && day <= upTo && days.size() < limit; day = nextAfter(day)) {
        days.append(day);
    }
    return days;
}
