#pragma once

#include "CsvAmountReader.h"

#include <QString>
#include <QStringList>

class CsvTable;

// Which columns of a CSV file hold what a record needs, and how to read them.
struct CsvRecordMapping {
    static constexpr int noColumn = -1;
    enum class AmountStyle {
        // One column, outgoings negative.
        OneColumn,
        // Outgoings in one column, incomings in another.
        DebitAndCredit,
    };

    // The first row names the columns and is not imported.
    bool hasHeader = false;
    int dateColumn = noColumn;
    QString dateFormat = QStringLiteral("yyyy-MM-dd");
    AmountStyle amountStyle = AmountStyle::OneColumn;
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

    // The day formats offered, most common first.
    static QStringList dateFormats();
    // What the table most likely holds: a header row is recognised by its
    // names (kesh's own, and the usual ones of statements) or by a first row
    // that does not read as the rows below it; the day format and the
    // decimal mark are the ones the rows read in. Where the rows read alike
    // with either mark, fields apart by semicolons make it the comma, as
    // spreadsheets write them where the comma is the decimal mark.
    static CsvRecordMapping guess(const CsvTable& table, QChar separator = u',');
    // Whether the first row is the header kesh writes in its exports.
    static bool isKeshHeader(const CsvTable& table);
};
