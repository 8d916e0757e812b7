#include "ReportSheets.h"

ReportSheets::ReportSheets(int amountDecimals)
    : m_decimals(amountDecimals < 0 ? m_format.columnDecimals(0) : amountDecimals) {}

QString ReportSheets::keywordName(const KeywordReport::Row& row) const {
    return row.keyword ? row.keyword->name() : tr("No keyword");
}

QString ReportSheets::share(double part) const {
    const QLocale& locale = m_format.locale();
    return locale.toString(part * 100.0, 'f', 1) + locale.percent();
}

QString ReportSheets::monthName(QDate month) const {
    return m_format.locale().toString(month, QStringLiteral("MMM yyyy"));
}

PrintTable ReportSheets::byKeyword(const KeywordReport& report) const {
    PrintTable table;
    table.headers = {tr("Keyword"), tr("Amount"), tr("Share"), tr("Records"), tr("Average")};
    table.rightAligned = {false, true, true, true, true};
    table.stretchColumn = 0;
    const QLocale& locale = m_format.locale();
    for (const KeywordReport::Row& row : report.rows()) {
        table.rows.append({keywordName(row), sum(row.amount), share(report.share(row)),
                           locale.toString(qint64(row.count)), sum(row.average())});
    }
    const double average = report.recordCount() == 0 ? 0.0 : report.total() / double(report.recordCount());
    table.rows.append({tr("Total, each record once"), sum(report.total()), share(report.total() > 0 ? 1.0 : 0.0),
                       locale.toString(qint64(report.recordCount())), sum(average)});
    if (report.recordsInSeveral() > 0) {
        table.rows.append({tr("Counted in several keywords"), sum(report.countedInSeveral()),
                           share(report.total() > 0 ? report.countedInSeveral() / report.total() : 0.0),
                           locale.toString(qint64(report.recordsInSeveral())), QString()});
    }
    return table;
}

PrintTable ReportSheets::byMonth(const KeywordReport& report) const {
    PrintTable table;
    table.headers << tr("Keyword");
    table.rightAligned << false;
    for (QDate month : report.months()) {
        table.headers << monthName(month);
        table.rightAligned << true;
    }
    table.headers << tr("Total");
    table.rightAligned << true;
    table.stretchColumn = 0;
    for (const KeywordReport::Row& row : report.rows()) {
        QStringList cells{keywordName(row)};
        for (double value : row.months) {
            cells << sum(value);
        }
        cells << sum(row.amount);
        table.rows.append(cells);
    }
    QStringList totals{tr("Total, each record once")};
    for (double value : report.monthTotals()) {
        totals << sum(value);
    }
    totals << sum(report.total());
    table.rows.append(totals);
    return table;
}

PrintTable ReportSheets::byComment(const CommentReport& report) const {
    PrintTable table;
    table.headers = {tr("Comment"), tr("Amount"), tr("Share"), tr("Records"), tr("Average")};
    table.rightAligned = {false, true, true, true, true};
    table.stretchColumn = 0;
    const QLocale& locale = m_format.locale();
    for (const CommentReport::Row& row : report.rows()) {
        table.rows.append({row.comment.isEmpty() ? tr("No comment") : row.comment, sum(row.amount),
                           share(report.share(row)), locale.toString(qint64(row.count)), sum(row.average())});
    }
    const double average = report.recordCount() == 0 ? 0.0 : report.total() / double(report.recordCount());
    table.rows.append({tr("Total of all comments"), sum(report.total()), share(report.total() > 0 ? 1.0 : 0.0),
                       locale.toString(qint64(report.recordCount())), sum(average)});
    return table;
}
