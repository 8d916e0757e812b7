#include "KeywordChartView.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QHorizontalBarSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QValueAxis>

#include <algorithm>

KeywordChartView::KeywordChartView(QWidget* parent)
    : QChartView(parent) {
    setObjectName(QStringLiteral("keywordChartView"));
    setRenderHint(QPainter::Antialiasing);
    chart()->setBackgroundVisible(false);
    chart()->legend()->setAlignment(Qt::AlignRight);
    chart()->legend()->setLabelColor(palette().color(QPalette::WindowText));
    setMinimumSize(fontMetrics().height() * 18, fontMetrics().height() * 14);
}

void KeywordChartView::showReport(const KeywordReport& report, const QStringList& names, Style style) {
    m_style = style;
    QChart* c = chart();
    c->removeAllSeries();
    for (QAbstractAxis* axis : c->axes()) {
        c->removeAxis(axis);
        delete axis;
    }
    const int rows = int(report.rows().size());
    m_rowParts = rows > maxParts ? maxParts - 1 : rows;
    m_parts = rows > maxParts ? maxParts : rows;
    if (style == Style::Donut) {
        showDonut(report, names);
    } else {
        showBars(report, names);
    }
}

void KeywordChartView::showDonut(const KeywordReport& report, const QStringList& names) {
    auto* series = new QPieSeries;
    series->setHoleSize(0.45);
    double other = 0;
    for (int i = 0; i < int(report.rows().size()); ++i) {
        if (i < m_rowParts) {
            series->append(names.value(i), report.rows()[std::size_t(i)].amount);
        } else {
            other += report.rows()[std::size_t(i)].amount;
        }
    }
    if (m_parts > m_rowParts) {
        series->append(tr("Other"), other);
    }
    const QList<QPieSlice*> slices = series->slices();
    for (int i = 0; i < slices.size(); ++i) {
        slices[i]->setColor(partColor(i));
        slices[i]->setBorderColor(palette().color(QPalette::Base));
    }
    connect(series, &QPieSeries::clicked, this,
            [this, series](QPieSlice* slice) { click(int(series->slices().indexOf(slice))); });
    connect(series, &QPieSeries::hovered, this, [](QPieSlice* slice, bool state) { slice->setExploded(state); });
    chart()->addSeries(series);
    chart()->legend()->setVisible(true);
}

void KeywordChartView::showBars(const KeywordReport& report, const QStringList& names) {
    auto* set = new QBarSet(QString());
    set->setColor(palette().color(QPalette::Highlight));
    QStringList categories;
    double other = 0;
    for (int i = 0; i < int(report.rows().size()); ++i) {
        if (i < m_rowParts) {
            *set << report.rows()[std::size_t(i)].amount;
            categories << names.value(i);
        } else {
            other += report.rows()[std::size_t(i)].amount;
        }
    }
    if (m_parts > m_rowParts) {
        *set << other;
        categories << tr("Other");
    }
    // Largest at the top: horizontal bars run from the bottom up.
    QList<qreal> values;
    for (int i = set->count() - 1; i >= 0; --i) {
        values << set->at(i);
    }
    std::reverse(categories.begin(), categories.end());
    set->remove(0, set->count());
    set->append(values);
    auto* series = new QHorizontalBarSeries;
    series->append(set);
    connect(set, &QBarSet::clicked, this, [this, set](int index) { click(set->count() - 1 - index); });
    chart()->addSeries(series);
    auto* nameAxis = new QBarCategoryAxis;
    nameAxis->append(categories);
    nameAxis->setLabelsColor(palette().color(QPalette::WindowText));
    auto* amounts = new QValueAxis;
    amounts->setLabelsColor(palette().color(QPalette::WindowText));
    amounts->setLabelFormat(QStringLiteral("%.0f"));
    amounts->setTickCount(3);
    chart()->addAxis(nameAxis, Qt::AlignLeft);
    chart()->addAxis(amounts, Qt::AlignBottom);
    series->attachAxis(nameAxis);
    series->attachAxis(amounts);
    amounts->applyNiceNumbers();
    chart()->legend()->setVisible(false);
}

// Neighbouring parts in hues far apart, so that no two are taken for one.
QColor KeywordChartView::partColor(int part) {
    static const QColor colors[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e), QColor(0x2c, 0xa0, 0x2c),
                                    QColor(0xd6, 0x27, 0x28), QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b),
                                    QColor(0xe3, 0x77, 0xc2), QColor(0x7f, 0x7f, 0x7f), QColor(0xbc, 0xbd, 0x22),
                                    QColor(0x17, 0xbe, 0xcf)};
    return colors[part % int(std::size(colors))];
}

void KeywordChartView::click(int part) {
    // "Other" stands for several rows: no one row to show.
    if (part >= 0 && part < m_rowParts) {
        emit rowClicked(part);
    }
}
