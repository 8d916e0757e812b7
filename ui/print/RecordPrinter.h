#pragma once

#include "IO.h"
#include "LedgerFormat.h"
#include "PrintTable.h"

#include <QCoreApplication>
#include <QFont>

#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QRectF;

// Lays a table out on pages of a printer or a PDF file alike: the title and
// what was chosen on the first page, the column headers on every page, the
// rows in pages, the totals after the last row and the page number at the
// foot of each page.
class RecordPrinter {
    Q_DECLARE_TR_FUNCTIONS(RecordPrinter)

public:
    explicit RecordPrinter(PrintTable table);

    // The records as the record table shows them, summed as the statistics line sums them.
    static PrintTable recordTable(const IOList& records, const QString& title, const QStringList& subtitles,
                                  int amountDecimals);

    const PrintTable& table() const { return m_table; }
    // Paints every page; the number of pages.
    int print(QPagedPaintDevice* device) const;
    // The same onto any painter, whose pages are `page` large; `newPage` begins each page after the first.
    int paint(QPainter& painter, const QRectF& page, const std::function<void()>& newPage) const;
    // A PDF file of A4 or Letter pages, as the locale uses; false when it cannot be written.
    bool writePdf(const QString& filePath) const;

private:
    struct Layout;
    Layout layout(const QPainter& painter, const QRectF& page) const;
    std::vector<int> paginate(const Layout& layout) const;
    void paintTitle(QPainter& painter, const Layout& layout) const;
    void paintHeaders(QPainter& painter, const Layout& layout, qreal top) const;
    void paintRow(QPainter& painter, const Layout& layout, const QStringList& cells, qreal top) const;

    PrintTable m_table;
    QFont m_font;
};
