#pragma once

#include "Book.h"

#include <QString>

#include <cstdint>
#include <vector>

// What marking duplicates needs of a library's records, copied on the
// thread that owns the library so an import plan can be made on another:
// each record's day, exact amount, comment and bank id. Records without an
// amount or a day are left out; no row can be their duplicate.
class CsvKnownRecords {
public:
    struct Record {
        std::int32_t julianDay;
        std::int16_t exponent;
        std::int64_t mantissa;
        QString comment;
        QString bankId;
    };

    CsvKnownRecords() = default;
    explicit CsvKnownRecords(const Book& library);

    const std::vector<Record>& records() const { return m_records; }

private:
    std::vector<Record> m_records;
};
