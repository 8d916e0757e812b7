#pragma once

#include "IO.h"
#include "SortDescriptor.h"

// Orders records by a list of sort descriptors. Records equal under every
// descriptor keep their previous relative order, so a table never shuffles
// equal rows.
class RecordSorter {
public:
    // The record keys a descriptor may name; any other key takes no part in the order.
    enum class Key { Date, TimeOfEntry, Amount, Comment, IncludeInStats, KeywordsAsString, Unknown };
    static Key keyOf(const QString& name);

    static void sort(IOList& records, const SortDescriptorList& descriptors);
    // Negative, zero or positive as `a` sorts before, with or after `b`.
    static int compare(const IO& a, const IO& b, const SortDescriptorList& descriptors);
};
