#pragma once

#include "CsvAmountReader.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstddef>

class CsvTable;

// Which columns of a CSV file hold what a record needs, and how to read them.
struct CsvRecordMapping {
    static constexpr int noColumn = -1;
    enum class AmountStyle {
        // One column, signed as amountSign says.
        OneColumn,
        // Outgoings in one column, incomings in another: the column says
        // which, whatever sign the file writes.
        DebitAndCredit,
    };
    enum class AmountSign {
        // As in a bank account: money going out is written negative.
        OutgoingsNegative,
        // As in card statements: purchases are written positive, payments
        // and refunds negative.
        OutgoingsPositive,
    };

    // The row the table starts at, below the title lines a statement may
    // have: its header when it has one, else its first record.
    std::size_t startRow = 0;
    // The start row names the columns and is not imported.
    bool hasHeader = false;
    int dateColumn = noColumn;
    QString dateFormat = QStringLiteral("yyyy-MM-dd");
    AmountStyle amountStyle = AmountStyle::OneColumn;
    AmountSign amountSign = AmountSign::OutgoingsNegative;
    int amountColumn = noColumn;
    int debitColumn = noColumn;
    int creditColumn = noColumn;
    CsvAmountReader::DecimalMark decimalMark = CsvAmountReader::DecimalMark::Point;
    int commentColumn = noColumn;
    int keywordsColumn = noColumn;
    int countedColumn = noColumn;
    // The id the bank gave each transaction: a row whose id a record of the
    // library carries is a duplicate, and the record made keeps it.
    int idColumn = noColumn;
    // The file is kesh's own export: text cells may carry the apostrophe
    // that keeps spreadsheets from taking them as formulas, and lose it here.
    bool textGuarded = false;
    // Keywords every imported record carries, besides those of its row.
    QStringList keywordsToAdd;

    bool operator==(const CsvRecordMapping& other) const = default;

    // The first row that may be a record.
    std::size_t firstRecordRow() const { return startRow + (hasHeader ? 1 : 0); }

    // The day formats offered, most common first.
    static QStringList dateFormats();
    // What the table most likely holds: where it starts and whether it has a
    // header (CsvHeaderFinder), then the columns as guessColumns() says.
    static CsvRecordMapping guess(const CsvTable& table, QChar separator = u',', const QLocale& locale = QLocale());
    // The columns of a table that starts at `startRow`: by the names of the
    // header (kesh's own, and the usual ones of statements), else by what
    // the rows hold. The day format is the one that reads the most rows; of
    // several that read them all, the one in the locale's order. The
    // decimal mark is the one more amounts read with; where they read alike
    // with either, fields apart by semicolons make it the comma, as
    // spreadsheets write them where the comma is the decimal mark. The
    // comment is the column of the most varied text; one column of amounts
    // is taken as written by a card when named so or when most rows are
    // positive and the large ones are payments.
    static CsvRecordMapping guessColumns(const CsvTable& table, std::size_t startRow, bool hasHeader,
                                         QChar separator = u',', const QLocale& locale = QLocale());
    // Whether `row` is the header kesh writes in its exports.
    static bool isKeshHeader(const CsvTable& table, std::size_t row = 0);
};
