#pragma once

#include <QChar>
#include <QStringList>

#include <cstddef>

class CsvTable;
struct CsvRecordMapping;

// What tells one kind of CSV file from another, so a mapping made for one
// statement is found again for the next: the separator, the row the table
// starts at (below the title lines a statement may have), the number of
// fields of that row and, when it names the columns, the names.
struct CsvFileShape {
    QChar separator = u',';
    int columnCount = 0;
    QStringList headerNames;
    std::size_t startRow = 0;

    bool operator==(const CsvFileShape& other) const = default;

    // The shape of a table read with this separator, as the mapping reads it.
    static CsvFileShape of(const CsvTable& table, QChar separator, const CsvRecordMapping& mapping);
};
