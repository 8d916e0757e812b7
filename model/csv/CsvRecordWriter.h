#pragma once

#include "IO.h"

#include <QCoreApplication>
#include <QString>

#include <array>

class QIODevice;

// Writes records as CSV a spreadsheet opens and kesh reads back: a header
// line, then per record its day (ISO 8601), its exact amount as a plain
// decimal with a point, its comment, its keywords joined with "; " and
// whether it counts in the statistics (true or false). Comments and
// keywords a spreadsheet would take as formulas are written as text
// (CsvFormulaGuard); amounts stay numbers.
class CsvRecordWriter {
    Q_DECLARE_TR_FUNCTIONS(CsvRecordWriter)

public:
    struct Options {
        QChar separator = u',';
        // A point or a comma; amounts are never grouped.
        QChar decimalMark = u'.';
        // Amounts are written with at least this many decimals, and never
        // fewer than they need: -12.50 with 2, -0.125 as it is.
        int decimals = 0;
        bool byteOrderMark = false;
    };
    // As spreadsheets of a locale with this decimal mark read CSV files:
    // UTF-8 with a byte-order mark, and semicolons between fields where the
    // comma is the decimal mark.
    static Options forSpreadsheets(QChar decimalMark, int decimals);

    // The header line's names, which the import recognises.
    static QString dateColumnName() { return QStringLiteral("date"); }
    static QString amountColumnName() { return QStringLiteral("amount"); }
    static QString commentColumnName() { return QStringLiteral("comment"); }
    static QString keywordsColumnName() { return QStringLiteral("keywords"); }
    static QString countedColumnName() { return QStringLiteral("counted"); }
    static QString keywordSeparator() { return QStringLiteral("; "); }

    void setOptions(const Options& options) { m_options = options; }
    const Options& options() const { return m_options; }

    // False with errorString() when a write failed.
    bool write(const IOList& records, QIODevice* device);
    // Replaces the file only once every byte is written.
    bool write(const IOList& records, const QString& filePath);
    const QString& errorString() const { return m_error; }

private:
    QLatin1StringView amountText(const Amount& amount, std::array<char, 448>& out) const;

    Options m_options;
    QString m_error;
};
