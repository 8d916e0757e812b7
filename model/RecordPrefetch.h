#pragma once

#include "IO.h"

#include <cstddef>

// A pass that reads every record of a list together with the comment and
// keywords it shares with others finds them spread over memory. Called at
// each step, this fetches the records some steps ahead, then what they
// share, so that each is at hand when the pass reaches it.
class RecordPrefetch {
public:
    RecordPrefetch() = delete;

    // Before reading records[at]. Missing records are passed over.
    static void ahead(const IOList& records, std::size_t at) {
        constexpr std::size_t distance = 16;
        if (at + distance < records.size() && records[at + distance]) {
            __builtin_prefetch(records[at + distance].get());
        }
        if (at + distance / 2 < records.size() && records[at + distance / 2]) {
            const IO& soon = *records[at + distance / 2];
            __builtin_prefetch(soon.texts().identity());
            __builtin_prefetch(soon.keywordSet().identity());
        }
        if (at + distance / 4 < records.size() && records[at + distance / 4]) {
            const IO& next = *records[at + distance / 4];
            __builtin_prefetch(next.keywords().data());
            __builtin_prefetch(next.comment().utf16());
        }
    }
};
