#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

// The rows of a CSV file as read: every field's text, and the line each row
// starts on. The text of all fields sits in one string, so a file of a
// million short fields costs little more than its characters.
class CsvTable {
public:
    std::size_t rowCount() const { return m_rows.size(); }
    int fieldCount(std::size_t row) const { return int(fieldEnd(row) - m_rows[row].firstField); }
    // Empty for a column the row does not reach.
    QStringView field(std::size_t row, int column) const;
    // The physical line of the file the row starts on, counted from 1.
    qint64 line(std::size_t row) const { return m_rows[row].line; }
    // The most fields any row has.
    int columnCount() const { return m_columnCount; }
    std::size_t totalFields() const { return m_fieldEnds.size(); }

    void reserve(std::size_t rows, qsizetype characters);
    // Building: fields of the row being read, then endRow().
    void appendToField(QStringView text) { m_text.append(text); }
    void appendToField(QChar c) { m_text.append(c); }
    void endField() { m_fieldEnds.push_back(std::uint32_t(m_text.size())); }
    void endRow(qint64 line);
    // Takes back the fields of a row that was begun and not ended.
    void dropUnfinishedRow();
    qsizetype fieldLength() const { return m_text.size() - (m_fieldEnds.empty() ? 0 : m_fieldEnds.back()); }
    int fieldsInRow() const { return int(m_fieldEnds.size() - m_rowStart); }
    void clear();

private:
    struct Row {
        std::uint32_t firstField;
        qint64 line;
    };
    std::size_t fieldEnd(std::size_t row) const {
        return row + 1 < m_rows.size() ? m_rows[row + 1].firstField : m_fieldEnds.size();
    }

    QString m_text;
    // Offsets into m_text: the reader's size limit keeps them below 2^32.
    std::vector<std::uint32_t> m_fieldEnds;
    std::vector<Row> m_rows;
    std::size_t m_rowStart = 0;
    int m_columnCount = 0;
};
