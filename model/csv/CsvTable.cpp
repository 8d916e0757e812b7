#include "CsvTable.h"

#include <algorithm>

QStringView CsvTable::field(std::size_t row, int column) const {
    if (column < 0 || column >= fieldCount(row)) {
        return {};
    }
    const std::size_t index = m_rows[row].firstField + std::size_t(column);
    const std::uint32_t start = index == 0 ? 0 : m_fieldEnds[index - 1];
    return QStringView(m_text).mid(start, m_fieldEnds[index] - start);
}

void CsvTable::reserve(std::size_t rows, qsizetype characters) {
    m_rows.reserve(rows);
    m_text.reserve(characters);
}

void CsvTable::endRow(qint64 line) {
    m_columnCount = std::max(m_columnCount, fieldsInRow());
    m_rows.push_back({std::uint32_t(m_rowStart), line});
    m_rowStart = m_fieldEnds.size();
}

void CsvTable::dropUnfinishedRow() {
    m_fieldEnds.resize(m_rowStart);
    m_text.truncate(m_fieldEnds.empty() ? 0 : m_fieldEnds.back());
}

void CsvTable::clear() {
    *this = CsvTable();
}
