#include "RecordSorter.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace {

struct Column {
    RecordSorter::Key key;
    bool ascending;
};

std::vector<Column> columnsOf(const SortDescriptorList& descriptors) {
    std::vector<Column> columns;
    for (const SortDescriptor& d : descriptors) {
        const RecordSorter::Key key = RecordSorter::keyOf(d.key);
        if (key != RecordSorter::Key::Unknown) {
            columns.push_back({key, d.ascending});
        }
    }
    return columns;
}

bool isIntegerKey(RecordSorter::Key key) {
    return key == RecordSorter::Key::Date || key == RecordSorter::Key::TimeOfEntry ||
           key == RecordSorter::Key::IncludeInStats;
}

std::int64_t integerValue(const IO& record, RecordSorter::Key key) {
    switch (key) {
    case RecordSorter::Key::Date:
        return record.date().toJulianDay();
    case RecordSorter::Key::TimeOfEntry:
        return record.timeOfEntry().msecsSinceEpoch();
    default:
        // Sorted as the yes or no it means: any byte but 0 counts, and an
        // imported 200 is kept as -56.
        return record.includeInStats() != 0 ? 1 : 0;
    }
}

template <typename T> int threeWay(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// An absent amount sorts before every amount.
int compareAmounts(const IO& a, const IO& b) {
    const std::optional<Amount> x = a.amount();
    const std::optional<Amount> y = b.amount();
    if (!x || !y) {
        return int(bool(x)) - int(bool(y));
    }
    const auto order = *x <=> *y;
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

int compareStrings(QStringView a, QStringView b) {
    const int c = a.compare(b, Qt::CaseSensitive);
    return (c > 0) - (c < 0);
}

int compareByKey(const IO& a, const IO& b, RecordSorter::Key key) {
    switch (key) {
    case RecordSorter::Key::Date:
    case RecordSorter::Key::TimeOfEntry:
    case RecordSorter::Key::IncludeInStats:
        return threeWay(integerValue(a, key), integerValue(b, key));
    case RecordSorter::Key::Amount:
        return compareAmounts(a, b);
    case RecordSorter::Key::Comment:
        return compareStrings(a.normalizedComment(), b.normalizedComment());
    case RecordSorter::Key::KeywordsAsString:
        return compareStrings(a.keywordsAsString(), b.keywordsAsString());
    case RecordSorter::Key::Unknown:
        break;
    }
    return 0;
}

void applyOrder(IOList& records, const std::vector<std::uint32_t>& order) {
    IOList sorted;
    sorted.reserve(records.size());
    for (const std::uint32_t i : order) {
        sorted.push_back(std::move(records[i]));
    }
    records.swap(sorted);
}

// Integer keys only (the usual day-then-entry order): sort packed keys, cache-friendly.
void sortByIntegers(IOList& records, const std::vector<Column>& columns) {
    struct Packed {
        std::int64_t first;
        std::int64_t second;
        std::uint32_t index;
    };
    std::vector<Packed> packed(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        std::int64_t keys[2] = {0, 0};
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const std::int64_t v = integerValue(*records[i], columns[c].key);
            // ~v reverses the order without overflow.
            keys[c] = columns[c].ascending ? v : ~v;
        }
        packed[i] = {keys[0], keys[1], static_cast<std::uint32_t>(i)};
    }
    std::sort(packed.begin(), packed.end(), [](const Packed& a, const Packed& b) {
        if (a.first != b.first) {
            return a.first < b.first;
        }
        if (a.second != b.second) {
            return a.second < b.second;
        }
        return a.index < b.index;
    });
    std::vector<std::uint32_t> order(packed.size());
    std::transform(packed.begin(), packed.end(), order.begin(), [](const Packed& p) { return p.index; });
    applyOrder(records, order);
}

void sortGeneral(IOList& records, const std::vector<Column>& columns) {
    // Keyword texts are built once per record, not once per comparison.
    std::vector<QString> keywordTexts;
    const bool needsKeywordTexts = std::any_of(
        columns.begin(), columns.end(), [](const Column& c) { return c.key == RecordSorter::Key::KeywordsAsString; });
    if (needsKeywordTexts) {
        keywordTexts.reserve(records.size());
        for (const IOPtr& record : records) {
            keywordTexts.push_back(record->keywordsAsString());
        }
    }
    std::vector<std::uint32_t> order(records.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](std::uint32_t x, std::uint32_t y) {
        for (const Column& column : columns) {
            int c = 0;
            if (column.key == RecordSorter::Key::KeywordsAsString) {
                c = compareStrings(keywordTexts[x], keywordTexts[y]);
            } else {
                c = compareByKey(*records[x], *records[y], column.key);
            }
            if (c != 0) {
                return column.ascending ? c < 0 : c > 0;
            }
        }
        return x < y;
    });
    applyOrder(records, order);
}

// Whether the list already stands in this order. A library read back, or a
// list sorted before and changed only at its end, usually does; the sort is
// stable, so such a list would come out exactly as it is. Keyword texts are
// left to the sort: building two per pair would cost as much.
bool isInOrder(const IOList& records, const std::vector<Column>& columns) {
    if (std::any_of(columns.begin(), columns.end(),
                    [](const Column& c) { return c.key == RecordSorter::Key::KeywordsAsString; })) {
        return false;
    }
    const auto before = [&columns](const IO& a, const IO& b) {
        for (const Column& column : columns) {
            const int c = compareByKey(a, b, column.key);
            if (c != 0) {
                return column.ascending ? c < 0 : c > 0;
            }
        }
        return false;
    };
    for (std::size_t i = 1; i < records.size(); ++i) {
        if (before(*records[i], *records[i - 1])) {
            return false;
        }
    }
    return true;
}

} // namespace

RecordSorter::Key RecordSorter::keyOf(const QString& name) {
    if (name == u"date") {
        return Key::Date;
    }
    if (name == u"timeOfEntry") {
        return Key::TimeOfEntry;
    }
    if (name == u"amount") {
        return Key::Amount;
    }
    if (name == u"comment") {
        return Key::Comment;
    }
    if (name == u"includeInStats") {
        return Key::IncludeInStats;
    }
    if (name == u"keywordsAsString") {
        return Key::KeywordsAsString;
    }
    return Key::Unknown;
}

void RecordSorter::sort(IOList& records, const SortDescriptorList& descriptors) {
    if (records.size() < 2) {
        return;
    }
    const std::vector<Column> columns = columnsOf(descriptors);
    if (columns.empty() || isInOrder(records, columns)) {
        return;
    }
    const bool integersOnly = columns.size() <= 2 && std::all_of(columns.begin(), columns.end(),
                                                                 [](const Column& c) { return isIntegerKey(c.key); });
    if (integersOnly) {
        sortByIntegers(records, columns);
    } else {
        sortGeneral(records, columns);
    }
}

int RecordSorter::compare(const IO& a, const IO& b, const SortDescriptorList& descriptors) {
    for (const SortDescriptor& d : descriptors) {
        const int c = compareByKey(a, b, keyOf(d.key));
        if (c != 0) {
            return d.ascending ? c : -c;
        }
    }
    return 0;
}
