#pragma once

#include <cstddef>

class CsvTable;

// Where the table of a statement starts. Banks put title lines above it (the
// account, the period, the balance) and totals below it; the table is the
// run of rows that share one number of columns up to the end, give or take
// a few closing lines, and it starts with a row of names when its first row
// looks like names rather than like a record.
class CsvHeaderFinder {
public:
    struct Start {
        std::size_t row = 0;
        bool hasHeader = false;
    };

    static Start find(const CsvTable& table);
    // Whether the row's cells read as names of columns: text in most of them,
    // no day and no amount.
    static bool looksLikeNames(const CsvTable& table, std::size_t row);
    // Whether some cell of the row reads as a day.
    static bool looksLikeRecord(const CsvTable& table, std::size_t row);

private:
    // Whether one of the next few rows is a record, as below a header.
    static bool recordFollows(const CsvTable& table, std::size_t row);
};
