#pragma once

#include <array>
#include <cstdint>

// Counts the changes of record fields (and of keyword names, which records
// show), field by field. Books compare the counts to know whether their
// sorted order, their filtered list and their totals still describe their
// records: an edited amount leaves a book sorted by date in order.
class RecordRevision {
public:
    enum Field { Date, Amount, Comment, Keywords, IncludeInStats, FieldCount };
    using Counts = std::array<std::uint64_t, FieldCount>;

    static std::uint64_t current(Field field) { return s_fields[field]; }
    static const Counts& counts() { return s_fields; }
    static void advance(Field field) { ++s_fields[field]; }

private:
    static inline Counts s_fields{1, 1, 1, 1, 1};
};
