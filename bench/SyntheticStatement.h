#pragma once

#include "DataRoot.h"

#include <QString>

#include <cstddef>

// A bank statement as CSV: a header, then one row per transaction with its
// day, amount and description. Every tenth row is a record the given
// library holds already, so duplicate marking compares comments too.
class SyntheticStatement {
public:
    // Written once per size into a temporary folder kept for the process.
    static const QString& path(const DataRoot& library, std::size_t rows);
};
