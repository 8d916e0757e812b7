#include "PeriodFormat.h"

#include "LedgerFormat.h"

#include <array>

namespace {
// Steps that read as round spans of time, in periods.
std::vector<int> stepsFor(PeriodTotals::Period period) {
    std::vector<int> steps;
    std::array<int, 3> oneTwoFive = {1, 2, 5};
    switch (period) {
    case PeriodTotals::Period::Week:
        steps = {1, 2, 4, 13, 26};
        break;
    case PeriodTotals::Period::Month:
        steps = {1, 2, 3, 6};
        break;
    case PeriodTotals::Period::Year:
        break;
    }
    const int perYear = period == PeriodTotals::Period::Week ? 52 : period == PeriodTotals::Period::Month ? 12 : 1;
    for (int decade = 1; decade <= 1'000'000; decade *= 10) {
        for (const int factor : oneTwoFive) {
            steps.push_back(perYear * factor * decade);
        }
    }
    return steps;
}

int positiveModulo(qint64 value, int divisor) {
    const qint64 rest = value % divisor;
    return int(rest < 0 ? rest + divisor : rest);
}
} // namespace

PeriodFormat::PeriodFormat(PeriodTotals::Period period, const QLocale& locale)
    : m_period(period)
    , m_locale(locale)
    , m_dateFormat(LedgerFormat(locale).dateFormat()) {}

QString PeriodFormat::title(QDate start) const {
    switch (m_period) {
    case PeriodTotals::Period::Week:
        return tr("Week of %1").arg(m_locale.toString(start, m_dateFormat));
    case PeriodTotals::Period::Month:
        //: A month in full, as a QDate format: MMMM the month's name, yyyy the year (e.g. yyyy年M月)
        return m_locale.toString(start, tr("MMMM yyyy"));
    case PeriodTotals::Period::Year:
        break;
    }
    return axisLabel(start, true);
}

QString PeriodFormat::axisLabel(QDate start, bool yearsOnly) const {
    if (yearsOnly || m_period == PeriodTotals::Period::Year) {
        //: A year, as a QDate format (e.g. yyyy年)
        return m_locale.toString(start, tr("yyyy"));
    }
    if (m_period == PeriodTotals::Period::Week) {
        return m_locale.toString(start, m_dateFormat);
    }
    //: A month along the graph's axis, as a QDate format: MMM the short month name, yyyy the year (e.g. yyyy/M)
    return m_locale.toString(start, tr("MMM yyyy"));
}

int PeriodFormat::labelStep(std::size_t periods, int maxLabels) const {
    const std::size_t fitting = std::size_t(qMax(1, maxLabels));
    const std::vector<int> steps = stepsFor(m_period);
    for (const int step : steps) {
        if ((periods + std::size_t(step) - 1) / std::size_t(step) <= fitting) {
            return step;
        }
    }
    return steps.back();
}

bool PeriodFormat::isLabelled(QDate start, std::size_t index, int step) const {
    switch (m_period) {
    case PeriodTotals::Period::Week:
        if (step >= 52) {
            return start.dayOfYear() <= 7 && positiveModulo(start.year(), step / 52) == 0;
        }
        if (step >= 4) {
            // The first week of each month, quarter or half year.
            const int months = step == 4 ? 1 : step == 13 ? 3 : 6;
            return start.day() <= 7 && positiveModulo(start.month() - 1, months) == 0;
        }
        break;
    case PeriodTotals::Period::Month:
        return positiveModulo(qint64(start.year()) * 12 + start.month() - 1, step) == 0;
    case PeriodTotals::Period::Year:
        return positiveModulo(start.year(), step) == 0;
    }
    return index % std::size_t(step) == 0;
}

bool PeriodFormat::labelsYears(int step) const {
    switch (m_period) {
    case PeriodTotals::Period::Week:
        return step >= 52;
    case PeriodTotals::Period::Month:
        return step >= 12;
    case PeriodTotals::Period::Year:
        break;
    }
    return true;
}
