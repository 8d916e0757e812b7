#pragma once

#include "CommentReport.h"
#include "KeywordReport.h"
#include "LedgerFormat.h"
#include "PrintTable.h"

#include <QCoreApplication>

// The figures of a report as the tables show them, and as they are copied,
// exported and printed: text in the locale, amounts with the record table's
// decimals. Rows past the report's own (totals) come last.
class ReportSheets {
    Q_DECLARE_TR_FUNCTIONS(ReportSheets)

public:
    explicit ReportSheets(int amountDecimals);

    // Keyword, amount, share, count, average; then the total, every record
    // once, and what the rows count more than once.
    PrintTable byKeyword(const KeywordReport& report) const;
    // Keywords × months, a total per row and per month.
    PrintTable byMonth(const KeywordReport& report) const;
    PrintTable byComment(const CommentReport& report) const;

    QString keywordName(const KeywordReport::Row& row) const;
    QString sum(double value) const { return m_format.formatSum(value, m_decimals); }
    QString share(double part) const;
    QString monthName(QDate month) const;

private:
    LedgerFormat m_format;
    int m_decimals;
};
