#pragma once

#include <cstdint>

// Counts every change of a record field (and of a keyword's name, which
// records show). Books compare it to know whether their sorted order and
// their totals still describe their records.
class RecordRevision {
public:
    static std::uint64_t current() { return s_revision; }
    static void advance() { ++s_revision; }

private:
    static inline std::uint64_t s_revision = 1;
};
