#include "CsvHeaderFinder.h"

#include "CsvAmountReader.h"
#include "CsvDateReader.h"
#include "CsvTable.h"

#include <algorithm>
#include <map>
#include <vector>

namespace {

// Rows below the table's start that may have another number of columns:
// totals, a closing note, a stray line break.
std::size_t allowedStrays(std::size_t rows) {
    return 3 + rows / 100;
}

// How far down the table may start: title blocks are short.
constexpr std::size_t searchedRows = 50;
// Rows below a header in which a record is looked for: an opening balance may come first.
constexpr std::size_t recordsLookedFor = 3;

// The number of columns most rows have; of two equally common, the larger.
int commonWidth(const CsvTable& table) {
    std::map<int, std::size_t> counts;
    for (std::size_t row = 0; row < table.rowCount(); ++row) {
        ++counts[table.fieldCount(row)];
    }
    int width = 0;
    std::size_t most = 0;
    for (const auto& [w, count] : counts) {
        if (count >= most) {
            width = w;
            most = count;
        }
    }
    return width;
}

class DayReaders {
public:
    DayReaders() {
        for (const QString& format : CsvDateReader::commonFormats()) {
            m_readers.emplace_back(format);
        }
    }
    bool read(QStringView text) const {
        for (const CsvDateReader& reader : m_readers) {
            if (reader.read(text, nullptr).isValid()) {
                return true;
            }
        }
        return false;
    }

private:
    std::vector<CsvDateReader> m_readers;
};

bool readsAsAmount(QStringView text) {
    return CsvAmountReader(CsvAmountReader::DecimalMark::Point).read(text, nullptr) ||
           CsvAmountReader(CsvAmountReader::DecimalMark::Comma).read(text, nullptr);
}

} // namespace

bool CsvHeaderFinder::recordFollows(const CsvTable& table, std::size_t row) {
    // A title line of words, such as "Period,December", has more words below it.
    const std::size_t end = std::min(table.rowCount(), row + 1 + recordsLookedFor);
    for (std::size_t next = row + 1; next < end; ++next) {
        if (looksLikeRecord(table, next)) {
            return true;
        }
        if (looksLikeNames(table, next)) {
            return false;
        }
    }
    return row + 1 == table.rowCount();
}

bool CsvHeaderFinder::looksLikeRecord(const CsvTable& table, std::size_t row) {
    const DayReaders days;
    for (int column = 0; column < table.fieldCount(row); ++column) {
        if (days.read(table.field(row, column))) {
            return true;
        }
    }
    return false;
}

bool CsvHeaderFinder::looksLikeNames(const CsvTable& table, std::size_t row) {
    const DayReaders days;
    int named = 0;
    for (int column = 0; column < table.fieldCount(row); ++column) {
        const QStringView text = table.field(row, column).trimmed();
        if (text.isEmpty()) {
            continue;
        }
        if (days.read(text) || readsAsAmount(text)) {
            return false;
        }
        bool hasLetter = false;
        for (const QChar c : text) {
            hasLetter = hasLetter || c.isLetter();
        }
        if (!hasLetter) {
            return false;
        }
        ++named;
    }
    // Most columns named: a title line padded with separators is no header.
    const int columns = table.fieldCount(row);
    return named >= 1 && (columns == 1 || (named >= 2 && named * 2 >= columns));
}

CsvHeaderFinder::Start CsvHeaderFinder::find(const CsvTable& table) {
    const std::size_t rows = table.rowCount();
    if (rows == 0) {
        return {};
    }
    const int width = commonWidth(table);
    // Rows of another width from each row to the end.
    std::vector<std::size_t> straysFrom(rows + 1, 0);
    for (std::size_t row = rows; row-- > 0;) {
        straysFrom[row] = straysFrom[row + 1] + (table.fieldCount(row) != width ? 1 : 0);
    }
    std::size_t first = rows;
    for (std::size_t row = 0; row < rows && row < searchedRows; ++row) {
        if (table.fieldCount(row) == width && straysFrom[row] <= allowedStrays(rows - row)) {
            first = row;
            break;
        }
    }
    // Rows of many widths, as where texts hold the separator unquoted: the
    // first row of the common width.
    for (std::size_t row = 0; first == rows && row < rows && row < searchedRows; ++row) {
        if (table.fieldCount(row) == width) {
            first = row;
        }
    }
    if (first == rows) {
        return {};
    }
    // Records above, wider for a separator in a text, belong to the table:
    // none is passed over unlisted.
    while (first > 0 && table.fieldCount(first - 1) >= width && looksLikeRecord(table, first - 1)) {
        --first;
    }
    // The header stands just above the records; one column short where
    // banks end every record with a separator but not the header.
    if (first > 0 && table.fieldCount(first - 1) >= width - 1 && looksLikeRecord(table, first) &&
        looksLikeNames(table, first - 1)) {
        return {first - 1, true};
    }
    // A title line may have the table's width too: the start is the first
    // row of that width that reads as a record or as names.
    for (std::size_t row = first; row < rows && row < first + searchedRows; ++row) {
        if (table.fieldCount(row) != width) {
            continue;
        }
        if (looksLikeRecord(table, row)) {
            return {row, false};
        }
        if (looksLikeNames(table, row) && recordFollows(table, row)) {
            return {row, true};
        }
    }
    return {first, false};
}
