#pragma once

#include "KeywordReport.h"

#include <QChartView>

// The rows of a keyword report as a donut or as bars, largest first. The
// smallest rows past maxParts go together into one part, "Other". Clicking a
// part of one row says which.
class KeywordChartView : public QChartView {
    Q_OBJECT

public:
    enum class Style { Donut, Bars };
    static constexpr int maxParts = 10;

    explicit KeywordChartView(QWidget* parent = nullptr);

    // `names` are the rows' names as the table shows them.
    void showReport(const KeywordReport& report, const QStringList& names, Style style);
    Style style() const { return m_style; }
    // The parts drawn: one per row up to maxParts, then "Other".
    int partCount() const { return m_parts; }

signals:
    // The part of row `row` of the report was clicked.
    void rowClicked(int row);

private:
    void showDonut(const KeywordReport& report, const QStringList& names);
    void showBars(const KeywordReport& report, const QStringList& names);
    void click(int part);
    static QColor partColor(int part);

    Style m_style = Style::Donut;
    int m_parts = 0;
    // Parts that stand for one row; the last part may be "Other".
    int m_rowParts = 0;
};
