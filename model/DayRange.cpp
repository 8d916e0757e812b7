#include "DayRange.h"

#include <utility>

DayRange::DayRange(QDate first, QDate last)
    : m_first(first)
    , m_last(last) {
    if (m_first.isValid() && m_last.isValid() && m_first > m_last) {
        std::swap(m_first, m_last);
    }
}

DayRange DayRange::preset(Preset preset, QDate today) {
    const QDate monthStart(today.year(), today.month(), 1);
    switch (preset) {
    case Preset::ThisMonth:
        return DayRange(monthStart, monthStart.addMonths(1).addDays(-1));
    case Preset::LastMonth:
        return DayRange(monthStart.addMonths(-1), monthStart.addDays(-1));
    case Preset::ThisYear:
        return DayRange(QDate(today.year(), 1, 1), QDate(today.year(), 12, 31));
    case Preset::Last12Months:
        return DayRange(monthStart.addMonths(-11), monthStart.addMonths(1).addDays(-1));
    case Preset::All:
        break;
    }
    return DayRange();
}
