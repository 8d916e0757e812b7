#pragma once

#include "DataRoot.h"

#include <cstddef>
#include <cstdint>

// A made-up library shaped like a lifetime of real use: records over 30 years
// up to today, 0-3 of 50 keywords each, comments drawn from about 2,000
// realistic texts with small variations, a few plain and smart books.
class SyntheticLibrary {
public:
    static DataRootPtr build(std::size_t records, std::uint32_t seed = 1);
    // Built once per size and kept for the rest of the process.
    static const DataRootPtr& shared(std::size_t records);
};
