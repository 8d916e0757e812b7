#pragma once

#include "Amount.h"
#include "CsvKnownRecords.h"
#include "CsvProgress.h"
#include "CsvRecordMapping.h"
#include "CsvTable.h"
#include "DataRoot.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

// What importing a CSV table into a library would do, row by row: each row
// below the table's start read into a record's day, amount, comment,
// keywords and counted flag, or left out with its line and the reason; rows
// with the day, amount and comment of a record already in the main library
// marked as duplicates and left out unless ticked. Nothing is made until
// makeRecords(). A plan can be made on another thread: it reads only the
// table, the mapping and the library's known records, all its own.
class CsvImportPlan {
    Q_DECLARE_TR_FUNCTIONS(CsvImportPlan)

public:
    enum class Status : std::uint8_t { Ready, Duplicate, Unreadable };

    struct Problem {
        std::size_t row;
        qint64 line;
        QString reason;
    };

    // New records and the keywords they need that the library lacks.
    struct Batch {
        IOList records;
        KeywordList newKeywords;
    };

    // Reports to `progress`, and stops early when it is cancelled.
    CsvImportPlan(std::shared_ptr<const CsvTable> table, const CsvRecordMapping& mapping,
                  const CsvKnownRecords& library, CsvProgress* progress = nullptr);
    // Against the main library as it stands, on its thread.
    CsvImportPlan(std::shared_ptr<const CsvTable> table, const CsvRecordMapping& mapping, const DataRoot& root);

    const CsvRecordMapping& mapping() const { return m_mapping; }
    const CsvTable& table() const { return *m_table; }
    // What the imported rows add up to.
    struct Totals {
        double incomings = 0;
        double outgoings = 0;
        // The most decimals an amount has.
        int decimals = 0;
    };

    // Rows of the table from the first record row on.
    std::size_t rowCount() const { return m_rows.size(); }
    std::size_t tableRow(std::size_t row) const { return m_rows[row].tableRow; }
    qint64 line(std::size_t row) const { return m_table->line(m_rows[row].tableRow); }
    Status status(std::size_t row) const { return m_rows[row].status; }
    QDate day(std::size_t row) const { return QDate::fromJulianDay(m_rows[row].julianDay); }
    const Amount& amount(std::size_t row) const { return m_rows[row].amount; }
    QStringView comment(std::size_t row) const;
    // The id the bank gave the row's transaction, or empty.
    QStringView bankId(std::size_t row) const;
    // The row's keywords, then those the mapping adds to every record.
    QStringList keywordNames(std::size_t row) const;
    bool counted(std::size_t row) const { return m_rows[row].counted; }
    // Whether the row is imported: ready rows are, duplicates when ticked.
    bool isImported(std::size_t row) const;
    void setDuplicateTicked(std::size_t row, bool ticked);

    // Why no row can be read as the columns are chosen; empty when they can.
    const QString& mappingProblem() const { return m_mappingProblem; }
    // Rows that cannot be read, in file order: they are left out.
    const std::vector<Problem>& problems() const { return m_problems; }
    std::size_t duplicateCount() const { return m_duplicates; }
    std::size_t importedCount() const;
    Totals totals() const;
    // Stopped by a cancel before every row was planned.
    bool wasCancelled() const { return m_cancelled; }
    // The columns are chosen, every row was planned and at least one is to be imported.
    bool canImport() const { return !m_cancelled && m_mappingProblem.isEmpty() && importedCount() > 0; }

    // The records of the imported rows, in file order, all entered at this
    // moment; keywords by name, the library's first of each name, new ones
    // made once per name.
    Batch makeRecords(const DataRoot& root) const;

private:
    struct Row {
        std::uint32_t tableRow = 0;
        std::int32_t julianDay = 0;
        Amount amount;
        bool counted = true;
        bool ticked = false;
        Status status = Status::Ready;
    };

    class RowReader;
    QString checkMapping() const;
    void readRows(CsvProgress* progress);
    void markDuplicates(const CsvKnownRecords& library, CsvProgress* progress);
    bool cancelledAt(std::size_t done, std::size_t total, CsvProgress* progress);

    std::shared_ptr<const CsvTable> m_table;
    CsvRecordMapping m_mapping;
    std::vector<Row> m_rows;
    QString m_mappingProblem;
    std::vector<Problem> m_problems;
    std::size_t m_duplicates = 0;
    std::size_t m_tickedDuplicates = 0;
    bool m_cancelled = false;
};
