#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

class CsvTable;

// Which day formats read a column of a table, looking at every row. When
// one format reads the most rows, that is the reading. When several read
// them all but give other days (12/01/2026: 1 December or 12 January?),
// each is kept as a reading of its own, to be chosen by the user, never
// silently.
class CsvDateGuess {
public:
    CsvDateGuess(const CsvTable& table, int column, std::size_t firstRow);
    CsvDateGuess(const CsvTable& table, int column, std::size_t firstRow, const QStringList& formats);

    // The formats that read the most rows, the first of each set giving the
    // same days, in the order offered; empty when no format reads a row.
    const QStringList& readings() const { return m_readings; }
    bool isAmbiguous() const { return m_readings.size() > 1; }
    // A day the readings disagree on, as the file writes it, and the row it is in.
    const QString& sampleText() const { return m_sampleText; }
    std::size_t sampleRow() const { return m_sampleRow; }
    // The reading that puts day, month and year in the locale's order, or
    // at least the day and the month; the first reading otherwise.
    QString preferred(const QLocale& locale) const;
    // Whether the days read in the reading follow one another in order,
    // forward or backward.
    bool inOrder(const QString& reading) const;
    // A reading whose days are in order when those of `format` are not; empty otherwise.
    QString orderedInstead(const QString& format) const;

    // Whether the days in `format` are in order, of the rows it reads.
    static bool inOrder(const CsvTable& table, int column, std::size_t firstRow, const QString& format);

private:
    struct Reading {
        QString format;
        // The Julian day of each row, or noDay.
        std::vector<std::int64_t> days;
        bool inOrder = false;
    };
    static constexpr std::int64_t noDay = std::numeric_limits<std::int64_t>::min();

    static std::vector<std::int64_t> daysIn(const CsvTable& table, int column, std::size_t firstRow,
                                            const QString& format, std::size_t mostMissing, std::size_t* missing);
    static bool inOrder(const std::vector<std::int64_t>& days);

    std::vector<Reading> m_found;
    QStringList m_readings;
    QString m_sampleText;
    std::size_t m_sampleRow = 0;
};
