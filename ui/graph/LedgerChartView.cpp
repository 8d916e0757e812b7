#include "LedgerChartView.h"

#include "AxisScale.h"
#include "PeriodFormat.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QCursor>
#include <QEvent>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {
// Beyond this the axes could not work out their ticks; the figures still show the real sums.
constexpr double drawableLimit = 1e300;
// Up to this many periods on the axis, the lines mark each period with a point.
constexpr std::size_t pointedPeriods = 40;

double drawable(double value) {
    if (std::isnan(value)) {
        return 0.0;
    }
    return std::clamp(value, -drawableLimit, drawableLimit);
}

// Labels with as many decimals as the axis's steps need.
void labelAxis(QValueAxis* axis, const AxisScale::Range& range) {
    axis->setRange(range.low, range.high);
    axis->setTickCount(range.steps() + 1);
    const double largest = std::max(std::fabs(range.low), std::fabs(range.high));
    if (largest >= 1e15) {
        axis->setLabelFormat(QStringLiteral("%.3g"));
    } else {
        const int decimals = range.step >= 1.0 ? 0 : std::min(6, int(std::ceil(-std::log10(range.step) - 1e-9)));
        axis->setLabelFormat(QStringLiteral("%.") + QString::number(decimals) + QStringLiteral("f"));
    }
}

QColor mixed(const QColor& a, const QColor& b, double share) {
    return QColor::fromRgbF(float(a.redF() * (1 - share) + b.redF() * share),
                            float(a.greenF() * (1 - share) + b.greenF() * share),
                            float(a.blueF() * (1 - share) + b.blueF() * share));
}
} // namespace

LedgerChartView::LedgerChartView(QWidget* parent)
    : QChartView(parent) {
    setObjectName(QStringLiteral("ledgerChartView"));
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    setMouseTracking(true);

    m_chart = new QChart;
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_chart->setBackgroundRoundness(0);
    m_chart->setLocalizeNumbers(true);
    m_chart->setLocale(m_format.locale());
    m_chart->layout()->setContentsMargins(0, 0, 0, 0);
    m_chart->legend()->setAlignment(Qt::AlignBottom);

    m_bars = new QBarSeries;
    m_bars->setBarWidth(0.8);
    m_incomings = new QBarSet(tr("Incomings"));
    m_incomings->setObjectName(QStringLiteral("incomingsBarSet"));
    m_outgoings = new QBarSet(tr("Outgoings"));
    m_outgoings->setObjectName(QStringLiteral("outgoingsBarSet"));
    m_bars->append(QList<QBarSet*>{m_incomings, m_outgoings});
    m_balanceLine = new QLineSeries;
    m_balanceLine->setName(tr("Balance"));
    m_aheadLine = new QLineSeries;
    m_aheadLine->setName(tr("Expected balance"));
    m_chart->addSeries(m_bars);
    m_chart->addSeries(m_balanceLine);
    m_chart->addSeries(m_aheadLine);
    buildAxes();
    // The legend tells the balance from the dashed one ahead by their lines.
    for (QLineSeries* line : {m_balanceLine, m_aheadLine}) {
        for (QLegendMarker* marker : m_chart->legend()->markers(line)) {
            marker->setShape(QLegend::MarkerShapeFromSeries);
        }
    }
    // The view starts with a chart of its own, and setChart() lets go of it without deleting it.
    std::unique_ptr<QChart> placeholder(chart());
    setChart(m_chart);

    connect(m_bars, &QBarSeries::hovered, this,
            [this](bool entered, int index, QBarSet*) { showFigures(entered, index); });
    applyStyle();
}

void LedgerChartView::buildAxes() {
    m_periodAxis = new QCategoryAxis;
    m_periodAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_periodAxis->setGridLineVisible(false);
    m_amountAxis = new QValueAxis;
    m_balanceAxis = new QValueAxis;
    // One set of grid lines: the bars' axis draws them.
    m_balanceAxis->setGridLineVisible(false);
    m_chart->addAxis(m_periodAxis, Qt::AlignBottom);
    m_chart->addAxis(m_amountAxis, Qt::AlignLeft);
    m_chart->addAxis(m_balanceAxis, Qt::AlignRight);
    m_bars->attachAxis(m_periodAxis);
    m_bars->attachAxis(m_amountAxis);
    m_balanceLine->attachAxis(m_periodAxis);
    m_balanceLine->attachAxis(m_balanceAxis);
    m_aheadLine->attachAxis(m_periodAxis);
    m_aheadLine->attachAxis(m_balanceAxis);
    scaleAxes();
}

void LedgerChartView::scaleAxes() {
    const std::array<AxisScale::Range, 2> ranges =
        AxisScale::sharedZero({0.0, m_barsHigh, 0.0}, {m_balanceLow, m_balanceHigh, 0.0});
    labelAxis(m_amountAxis, ranges[0]);
    labelAxis(m_balanceAxis, ranges[1]);
}

void LedgerChartView::showTotals(PeriodTotals totals, std::vector<BalanceForecast::Point> ahead) {
    m_totals = std::move(totals);
    m_ahead = m_totals.isEmpty() ? std::vector<BalanceForecast::Point>() : std::move(ahead);
    fillBars();
    fillBalance();
    fillAhead();
    scaleAxes();
    m_labelStep = 0;
    labelPeriods();
}

void LedgerChartView::fillBars() {
    const std::vector<PeriodTotals::Totals>& periods = m_totals.periods();
    QList<qreal> in;
    QList<qreal> out;
    in.reserve(qsizetype(periods.size()));
    out.reserve(qsizetype(periods.size()));
    double highest = 0.0;
    for (const PeriodTotals::Totals& t : periods) {
        in.append(drawable(t.in));
        out.append(drawable(t.out));
        highest = std::max({highest, in.last(), out.last()});
    }
    m_incomings->remove(0, m_incomings->count());
    m_incomings->append(in);
    m_outgoings->remove(0, m_outgoings->count());
    m_outgoings->append(out);
    m_barsHigh = highest;
}

void LedgerChartView::fillBalance() {
    const std::vector<PeriodTotals::Totals>& periods = m_totals.periods();
    QList<QPointF> points;
    points.reserve(qsizetype(periods.size()));
    double lowest = 0.0;
    double highest = 0.0;
    for (const PeriodTotals::Totals& t : periods) {
        const double balance = drawable(t.balance);
        points.append(QPointF(qreal(points.size()), balance));
        lowest = std::min(lowest, balance);
        highest = std::max(highest, balance);
    }
    m_balanceLine->replace(points);
    // A lone period has no line to draw; a few show where the line turns.
    m_balanceLine->setPointsVisible(periods.size() <= pointedPeriods);
    m_balanceLow = lowest;
    m_balanceHigh = highest;
}

void LedgerChartView::fillAhead() {
    QList<QPointF> points;
    if (!m_ahead.empty()) {
        // It goes on from where the balance line ends.
        const std::size_t drawn = m_totals.periods().size();
        points.append(QPointF(qreal(drawn - 1), drawable(m_totals.periods().back().balance)));
        for (const BalanceForecast::Point& point : m_ahead) {
            const double balance = drawable(point.balance);
            points.append(QPointF(qreal(points.size() - 1 + qsizetype(drawn)), balance));
            m_balanceLow = std::min(m_balanceLow, balance);
            m_balanceHigh = std::max(m_balanceHigh, balance);
        }
    }
    m_aheadLine->replace(points);
    m_aheadLine->setPointsVisible(m_totals.periods().size() + m_ahead.size() <= pointedPeriods);
    m_aheadLine->setVisible(!points.isEmpty());
    // Without a line ahead the legend does not name one.
    for (QLegendMarker* marker : m_chart->legend()->markers(m_aheadLine)) {
        marker->setVisible(!points.isEmpty());
    }
}

void LedgerChartView::labelPeriods() {
    // The drawn periods and those ahead, one axis for both.
    std::vector<QDate> starts;
    starts.reserve(m_totals.periods().size() + m_ahead.size());
    for (const PeriodTotals::Totals& t : m_totals.periods()) {
        starts.push_back(t.start);
    }
    for (const BalanceForecast::Point& point : m_ahead) {
        starts.push_back(point.start);
    }
    const PeriodFormat format(m_totals.period(), m_format.locale());
    const QFontMetrics metrics(font());
    int widest = 0;
    for (int month = 1; month <= 12; ++month) {
        widest = std::max(widest, metrics.horizontalAdvance(format.axisLabel(QDate(2088, month, 28))));
    }
    // The plot takes what the two value axes leave.
    const int room = width() - metrics.averageCharWidth() * 24;
    const int step = format.labelStep(starts.size(), room / (widest + metrics.averageCharWidth() * 3));
    if (step == m_labelStep) {
        return;
    }
    m_labelStep = step;

    const QStringList old = m_periodAxis->categoriesLabels();
    for (const QString& label : old) {
        m_periodAxis->remove(label);
    }
    const bool yearsOnly = format.labelsYears(step);
    for (std::size_t i = 0; i < starts.size(); ++i) {
        // Without the periods between them, the calendar gives no places: every step-th period is named.
        const bool labelled = m_totals.hasGaps() ? i % std::size_t(step) == 0 : format.isLabelled(starts[i], i, step);
        if (labelled) {
            m_periodAxis->append(format.axisLabel(starts[i], yearsOnly), qreal(i));
        }
    }
    m_periodAxis->setStartValue(-0.5);
    m_periodAxis->setRange(-0.5, qreal(std::max<std::size_t>(starts.size(), 1)) - 0.5);
}

QString LedgerChartView::amountText(double sum) const {
    const QString text = m_format.formatSum(sum, m_amountDecimals);
    return LedgerFormat::isExactSum(sum, m_amountDecimals) || !std::isfinite(sum) ? text : QStringLiteral("≈ ") + text;
}

QString LedgerChartView::figuresText(int index) const {
    const std::vector<PeriodTotals::Totals>& periods = m_totals.periods();
    if (index < 0 || std::size_t(index) >= periods.size() + m_ahead.size()) {
        return {};
    }
    const PeriodFormat format(m_totals.period(), m_format.locale());
    if (std::size_t(index) >= periods.size()) {
        const BalanceForecast::Point& point = m_ahead[std::size_t(index) - periods.size()];
        return format.title(point.start) + QLatin1Char('\n') +
               tr("Expected balance: %1").arg(amountText(point.balance));
    }
    const PeriodTotals::Totals& t = periods[std::size_t(index)];
    return QStringList{format.title(t.start), tr("Incomings: %1").arg(amountText(t.in)),
                       tr("Outgoings: %1").arg(amountText(t.out)), tr("Balance: %1").arg(amountText(t.balance)),
                       tr("%Ln record(s)", nullptr, int(t.records))}
        .join(QLatin1Char('\n'));
}

void LedgerChartView::showFigures(bool entered, int index) {
    if (entered) {
        QToolTip::showText(QCursor::pos(), figuresText(index), this);
    } else {
        QToolTip::hideText();
    }
}

int LedgerChartView::aheadIndexAt(const QPoint& position) const {
    if (m_ahead.empty()) {
        return -1;
    }
    const QPointF inChart = m_chart->mapFromScene(mapToScene(position));
    if (!m_chart->plotArea().contains(inChart)) {
        return -1;
    }
    const double x = m_chart->mapToValue(inChart, m_aheadLine).x();
    const auto index = qsizetype(std::lround(x));
    const auto drawn = qsizetype(m_totals.periods().size());
    return index >= drawn && index < drawn + qsizetype(m_ahead.size()) ? int(index) : -1;
}

void LedgerChartView::mouseMoveEvent(QMouseEvent* event) {
    // No bars stand ahead to tell of the pointer: the view does. Leaving
    // the periods ahead hides their figures before a bar may show its own.
    const int index = aheadIndexAt(event->position().toPoint());
    const bool moved = index != m_aheadShown;
    if (moved && m_aheadShown >= 0) {
        QToolTip::hideText();
    }
    m_aheadShown = index;
    QChartView::mouseMoveEvent(event);
    if (moved && index >= 0) {
        showFigures(true, index);
    }
}

void LedgerChartView::leaveEvent(QEvent* event) {
    QChartView::leaveEvent(event);
    if (m_aheadShown >= 0) {
        m_aheadShown = -1;
        QToolTip::hideText();
    }
}

void LedgerChartView::applyStyle() {
    const QPalette colours = palette();
    const QColor base = colours.color(QPalette::Base);
    const QColor text = colours.color(QPalette::Text);
    const bool dark = base.lightnessF() < 0.5f;
    setBackgroundBrush(base);
    m_chart->setBackgroundBrush(base);
    m_chart->setBackgroundPen(Qt::NoPen);
    m_chart->legend()->setFont(font());
    m_chart->legend()->setLabelColor(text);
    for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(m_periodAxis), static_cast<QAbstractAxis*>(m_amountAxis),
                                static_cast<QAbstractAxis*>(m_balanceAxis)}) {
        axis->setLabelsFont(font());
        axis->setLabelsColor(text);
        axis->setLinePenColor(mixed(base, text, 0.45));
        axis->setGridLineColor(mixed(base, text, 0.12));
    }

    const QColor incomings = dark ? QColor(0x5c, 0xc4, 0x7e) : QColor(0x2e, 0x8b, 0x57);
    const QColor outgoings = dark ? QColor(0xf0, 0x6c, 0x5a) : QColor(0xc0, 0x39, 0x2b);
    m_incomings->setColor(incomings);
    m_incomings->setBorderColor(incomings);
    m_outgoings->setColor(outgoings);
    m_outgoings->setBorderColor(outgoings);
    const QColor balance = colours.color(QPalette::Highlight);
    QPen line(balance);
    line.setWidthF(2.0);
    m_balanceLine->setPen(line);
    m_balanceLine->setColor(balance);
    QPen dashed = line;
    dashed.setStyle(Qt::DashLine);
    m_aheadLine->setPen(dashed);
    m_aheadLine->setColor(balance);
    m_balanceAxis->setLinePenColor(balance);
}

void LedgerChartView::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    labelPeriods();
}

void LedgerChartView::changeEvent(QEvent* event) {
    QChartView::changeEvent(event);
    if (m_chart && m_periodAxis &&
        (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange ||
         event->type() == QEvent::StyleChange)) {
        applyStyle();
        m_labelStep = 0;
        labelPeriods();
    }
}
