#include "RecordPrinter.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>

namespace {
constexpr qreal cellPadding = 1.2; // in character heights
// Columns are measured on this many rows; later rows are elided when wider.
constexpr int measuredRows = 2000;
} // namespace

struct RecordPrinter::Layout {
    QFont bold;
    QFont titleFont;
    qreal lineHeight = 0;
    qreal padding = 0;
    QRectF page;
    std::vector<qreal> widths;
    // Space above the headers on the first page and on the others.
    qreal firstTop = 0;
    qreal top = 0;
    // Rows that fit on the first page and on each later one.
    int firstRows = 0;
    int rowsPerPage = 0;
};

RecordPrinter::RecordPrinter(PrintTable table)
    : m_table(std::move(table))
    , m_font(QStringLiteral("Sans Serif"), 9) {
    m_table.rightAligned.resize(m_table.headers.size());
}

PrintTable RecordPrinter::recordTable(const IOList& records, const QString& title, const QStringList& subtitles,
                                      int amountDecimals) {
    const LedgerFormat format;
    PrintTable table;
    table.title = title;
    table.subtitles = subtitles;
    table.headers = {tr("Date"), tr("Amount"), tr("Keywords"), tr("Comment"), tr("Counted")};
    table.rightAligned = {false, true, false, false, false};
    table.stretchColumn = 3;
    double in = 0;
    double out = 0;
    for (const IOPtr& record : records) {
        table.rows.append({format.formatDate(record->date()), format.formatAmount(record->amount(), amountDecimals),
                           record->keywordsAsString(), record->comment(),
                           record->includeInStats() != 0 ? tr("Yes") : tr("No")});
        if (record->includeInStats() != 0) {
            const double amount = record->amountAsDouble();
            (amount > 0 ? in : out) += amount > 0 ? amount : -amount;
        }
    }
    const int decimals = amountDecimals;
    table.totals = {
        tr("Incomings %1 · Outgoings %2 · Balance %3")
            .arg(format.formatSum(in, decimals), format.formatSum(out, decimals), format.formatSum(in - out, decimals)),
        tr("%n record(s); the sums count only the records counted in the statistics.", nullptr, int(records.size()))};
    return table;
}

RecordPrinter::Layout RecordPrinter::layout(const QPainter& painter, const QRectF& page) const {
    Layout l;
    l.page = page;
    l.bold = m_font;
    l.bold.setBold(true);
    l.titleFont = l.bold;
    l.titleFont.setPointSizeF(m_font.pointSizeF() * 1.6);
    QPaintDevice* device = painter.device();
    const QFontMetricsF metrics(m_font, device);
    const QFontMetricsF boldMetrics(l.bold, device);
    l.lineHeight = metrics.lineSpacing() * 1.25;
    l.padding = metrics.height() * cellPadding;

    const int columns = int(m_table.headers.size());
    l.widths.assign(std::size_t(columns), 0.0);
    for (int c = 0; c < columns; ++c) {
        qreal width = boldMetrics.horizontalAdvance(m_table.headers[c]);
        const int rows = std::min<int>(int(m_table.rows.size()), measuredRows);
        for (int r = 0; r < rows; ++r) {
            if (c < m_table.rows[r].size()) {
                width = std::max(width, metrics.horizontalAdvance(m_table.rows[r][c]));
            }
        }
        l.widths[std::size_t(c)] = width + l.padding;
    }
    // The stretching column takes what is left, or gives up what is missing.
    qreal sum = 0;
    for (qreal w : l.widths) {
        sum += w;
    }
    const int stretch =
        m_table.stretchColumn >= 0 && m_table.stretchColumn < columns ? m_table.stretchColumn : columns - 1;
    if (stretch >= 0) {
        l.widths[std::size_t(stretch)] =
            std::max(page.width() - (sum - l.widths[std::size_t(stretch)]), page.width() / 6);
    }

    const QFontMetricsF titleMetrics(l.titleFont, device);
    l.top = 0;
    l.firstTop = titleMetrics.lineSpacing() * 1.3 + l.lineHeight * (m_table.subtitles.size() + 0.5);
    // Headers, rows and the footer's line.
    const qreal footer = l.lineHeight * 2;
    l.rowsPerPage = std::max(1, int((page.height() - l.top - l.lineHeight * 1.5 - footer) / l.lineHeight));
    l.firstRows = std::max(1, int((page.height() - l.firstTop - l.lineHeight * 1.5 - footer) / l.lineHeight));
    return l;
}

int RecordPrinter::print(QPagedPaintDevice* device) const {
    QPainter painter;
    if (!painter.begin(device)) {
        return 0;
    }
    const int pages = paint(painter, QRectF(0, 0, device->width(), device->height()), [device] { device->newPage(); });
    painter.end();
    return pages;
}

int RecordPrinter::paint(QPainter& painter, const QRectF& page, const std::function<void()>& newPage) const {
    const Layout l = layout(painter, page);
    const std::vector<int> rowsOnPage = paginate(l);
    const int pages = int(rowsOnPage.size());
    const QLocale locale;
    int row = 0;
    for (int index = 0; index < pages; ++index) {
        if (index > 0) {
            newPage();
        }
        qreal y = 0;
        if (index == 0) {
            paintTitle(painter, l);
            y = l.firstTop;
        }
        paintHeaders(painter, l, y);
        y += l.lineHeight * 1.5;
        for (int end = row + rowsOnPage[std::size_t(index)]; row < end; ++row) {
            paintRow(painter, l, m_table.rows[row], y);
            y += l.lineHeight;
        }
        if (index == pages - 1 && !m_table.totals.isEmpty()) {
            const qreal rule = y + l.lineHeight * 0.25;
            painter.drawLine(QPointF(0, rule), QPointF(page.width(), rule));
            y += l.lineHeight * 0.5;
            painter.setFont(l.bold);
            for (const QString& line : m_table.totals) {
                painter.drawText(QRectF(0, y, page.width(), l.lineHeight), Qt::AlignLeft | Qt::AlignVCenter, line);
                y += l.lineHeight;
            }
            painter.setFont(m_font);
        }
        painter.drawText(QRectF(0, page.height() - l.lineHeight, page.width(), l.lineHeight), Qt::AlignCenter,
                         tr("Page %1 of %2").arg(locale.toString(index + 1), locale.toString(pages)));
    }
    return pages;
}

// How many rows each page holds; the totals stay together after the last row,
// on a page of their own when the last rows leave no room for them.
std::vector<int> RecordPrinter::paginate(const Layout& l) const {
    std::vector<int> rowsOnPage;
    const int totalsRoom = m_table.totals.isEmpty() ? 0 : int(m_table.totals.size()) + 1;
    int remaining = int(m_table.rows.size());
    int room = l.firstRows;
    while (true) {
        const int taken = std::min(room, remaining);
        rowsOnPage.push_back(taken);
        remaining -= taken;
        room -= taken;
        if (remaining == 0) {
            if (room < totalsRoom) {
                rowsOnPage.push_back(0);
            }
            return rowsOnPage;
        }
        room = l.rowsPerPage;
    }
}

void RecordPrinter::paintTitle(QPainter& painter, const Layout& l) const {
    const QFontMetricsF titleMetrics(l.titleFont, painter.device());
    painter.setFont(l.titleFont);
    painter.drawText(QRectF(0, 0, l.page.width(), titleMetrics.lineSpacing()), Qt::AlignLeft | Qt::AlignTop,
                     titleMetrics.elidedText(m_table.title, Qt::ElideRight, l.page.width()));
    qreal y = titleMetrics.lineSpacing() * 1.3;
    painter.setFont(m_font);
    const QFontMetricsF metrics(m_font, painter.device());
    for (const QString& line : m_table.subtitles) {
        painter.drawText(QRectF(0, y, l.page.width(), l.lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(line, Qt::ElideRight, l.page.width()));
        y += l.lineHeight;
    }
}

void RecordPrinter::paintHeaders(QPainter& painter, const Layout& l, qreal top) const {
    painter.setFont(l.bold);
    paintRow(painter, l, m_table.headers, top);
    const qreal line = top + l.lineHeight * 1.15;
    painter.drawLine(QPointF(0, line), QPointF(l.page.width(), line));
    painter.setFont(m_font);
}

void RecordPrinter::paintRow(QPainter& painter, const Layout& l, const QStringList& cells, qreal top) const {
    const QFontMetricsF metrics(painter.font(), painter.device());
    qreal x = 0;
    for (std::size_t c = 0; c < l.widths.size(); ++c) {
        const qreal width = l.widths[c];
        if (int(c) < cells.size()) {
            const qreal textWidth = std::max<qreal>(width - l.padding, 0);
            const Qt::Alignment align =
                (m_table.rightAligned.value(int(c)) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
            painter.drawText(QRectF(x, top, textWidth, l.lineHeight), align,
                             metrics.elidedText(cells[int(c)], Qt::ElideRight, textWidth));
        }
        x += width;
    }
}

bool RecordPrinter::writePdf(const QString& filePath) const {
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QPdfWriter writer(&file);
    writer.setTitle(m_table.title);
    writer.setCreator(QStringLiteral("kesh"));
    writer.setResolution(300);
    const QPageSize::PageSizeId size =
        QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
    writer.setPageSize(QPageSize(size));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    if (print(&writer) == 0) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
