#pragma once

#include "PeriodTotals.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

// How the graph names its periods, in the user's locale: in full over the
// bars the pointer rests on, briefly along the axis.
class PeriodFormat {
    Q_DECLARE_TR_FUNCTIONS(PeriodFormat)

public:
    explicit PeriodFormat(PeriodTotals::Period period, const QLocale& locale = QLocale());

    // "March 2024", "Week of 3/4/2024", "2024".
    QString title(QDate start) const;
    // "Mar 2024", "3/4/2024", "2024"; only the year where the axis marks years.
    QString axisLabel(QDate start, bool yearsOnly = false) const;

    // How many periods apart the axis labels stand when at most `maxLabels`
    // fit: steps that fall on quarters, years, decades.
    int labelStep(std::size_t periods, int maxLabels) const;
    // Where a label may stand at that step: on the first week of a month,
    // quarter or year, on quarters and Januaries, on round years.
    bool isLabelled(QDate start, std::size_t index, int step) const;
    // Labels that far apart name years alone.
    bool labelsYears(int step) const;

private:
    PeriodTotals::Period m_period;
    QLocale m_locale;
    QString m_dateFormat;
};
