#pragma once

#include <QDate>

// The days a report or the main window's list covers: from `first` to `last`,
// both included; an invalid bound leaves that side open. The default range
// is every day, and only it holds records without a day.
class DayRange {
public:
    enum class Preset { ThisMonth, LastMonth, ThisYear, Last12Months, All };

    DayRange() = default;
    // Bounds given the wrong way round are swapped: a range is never empty by a slip.
    DayRange(QDate first, QDate last);
    // The preset's days as seen on `today`; the last twelve months end with today's month.
    static DayRange preset(Preset preset, QDate today);

    QDate first() const { return m_first; }
    QDate last() const { return m_last; }
    bool isAll() const { return !m_first.isValid() && !m_last.isValid(); }
    bool contains(QDate day) const {
        if (!day.isValid()) {
            return isAll();
        }
        return (!m_first.isValid() || day >= m_first) && (!m_last.isValid() || day <= m_last);
    }

    friend bool operator==(const DayRange& a, const DayRange& b) {
        return a.m_first == b.m_first && a.m_last == b.m_last;
    }

private:
    QDate m_first;
    QDate m_last;
};
