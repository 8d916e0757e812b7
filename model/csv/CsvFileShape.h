#pragma once

#include <QChar>
#include <QStringList>

class CsvTable;
struct CsvRecordMapping;

// What tells one kind of CSV file from another, so a mapping made for one
// statement is found again for the next: the separator, the number of
// fields of the first row and, when that row names the columns, the names.
struct CsvFileShape {
    QChar separator = u',';
    int columnCount = 0;
    QStringList headerNames;

    bool operator==(const CsvFileShape& other) const = default;

    // The shape of a table read with this separator, as the mapping reads it.
    static CsvFileShape of(const CsvTable& table, QChar separator, const CsvRecordMapping& mapping);
};
