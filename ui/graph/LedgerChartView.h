#pragma once

#include "BalanceForecast.h"
#include "LedgerFormat.h"
#include "PeriodTotals.h"

#include <QChartView>

class QBarSeries;
class QBarSet;
class QCategoryAxis;
class QChart;
class QLineSeries;
class QValueAxis;

// The chart of a PeriodTotals: incomings and outgoings of each period as
// bars against the left axis, the running balance as a line against the
// right one. The pointer over a period's bars shows its figures. Drawn in
// the window's own palette and font. The balance to expect in the periods
// after them, when given, goes on from the line's end as a dashed line.
class LedgerChartView : public QChartView {
    Q_OBJECT

public:
    explicit LedgerChartView(QWidget* parent = nullptr);

    void showTotals(PeriodTotals totals, std::vector<BalanceForecast::Point> ahead = {});
    const PeriodTotals& totals() const { return m_totals; }
    const std::vector<BalanceForecast::Point>& ahead() const { return m_ahead; }
    // What the pointer over period `index` shows, amounts as the statistics
    // line writes them; past the drawn periods, the balance expected ahead.
    QString figuresText(int index) const;
    // Decimals of the figures: those of the record table's amount column, the currency's when negative.
    void setAmountDecimals(int decimals) { m_amountDecimals = decimals < 0 ? m_format.columnDecimals(0) : decimals; }

    QBarSeries* barSeries() const { return m_bars; }
    QBarSet* incomingsBars() const { return m_incomings; }
    QLineSeries* balanceSeries() const { return m_balanceLine; }
    QLineSeries* aheadSeries() const { return m_aheadLine; }
    QCategoryAxis* periodAxis() const { return m_periodAxis; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void buildAxes();
    void applyStyle();
    void fillBars();
    void fillBalance();
    void fillAhead();
    void scaleAxes();
    void labelPeriods();
    void showFigures(bool entered, int index);
    // The period under the pointer when it lies ahead of the drawn ones, otherwise -1.
    int aheadIndexAt(const QPoint& position) const;
    QString amountText(double sum) const;

    QChart* m_chart = nullptr;
    QBarSeries* m_bars = nullptr;
    QBarSet* m_incomings = nullptr;
    QBarSet* m_outgoings = nullptr;
    QLineSeries* m_balanceLine = nullptr;
    QLineSeries* m_aheadLine = nullptr;
    QCategoryAxis* m_periodAxis = nullptr;
    QValueAxis* m_amountAxis = nullptr;
    QValueAxis* m_balanceAxis = nullptr;
    PeriodTotals m_totals;
    std::vector<BalanceForecast::Point> m_ahead;
    // The pointer rests on a period ahead: its figures show.
    int m_aheadShown = -1;
    double m_barsHigh = 0.0;
    double m_balanceLow = 0.0;
    double m_balanceHigh = 0.0;
    LedgerFormat m_format;
    int m_amountDecimals = m_format.columnDecimals(0);
    // Labels along the axis as last placed; relabelled when the room changes.
    int m_labelStep = 0;
};
