#pragma once

#include "CsvKnownRecords.h"
#include "DataRoot.h"
#include "StatementTransaction.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <vector>

// What importing a statement's transactions (from QIF or OFX) into a library
// would do, transaction by transaction. A transaction whose bank id a record
// of the library carries is a duplicate, whatever its day or amount. One
// without a known id is a duplicate of a record with the same day, amount and
// comment that carries no other id, and a possible duplicate of one with the
// same amount and comment up to three days apart. Each record of the library
// stands for one transaction at most, so two identical transactions of one
// file against one record are a duplicate and a new record. Duplicates are
// left out unless ticked; possible duplicates are imported unless unticked.
class StatementImportPlan {
    Q_DECLARE_TR_FUNCTIONS(StatementImportPlan)

public:
    enum class Status : std::uint8_t { Ready, Duplicate, PossibleDuplicate };
    // Days apart that a possible duplicate may be.
    static constexpr int possibleDays = 3;

    struct Problem {
        qint64 line;
        QString reason;
    };
    struct Batch {
        IOList records;
        KeywordList newKeywords;
    };

    // `problems`: what the file held that could not be read, to be shown
    // beside the plan; they do not stop the import of the rest.
    StatementImportPlan(std::vector<StatementTransaction> transactions, std::vector<Problem> problems,
                        const CsvKnownRecords& library);
    StatementImportPlan(std::vector<StatementTransaction> transactions, std::vector<Problem> problems,
                        const DataRoot& root);

    std::size_t rowCount() const { return m_rows.size(); }
    const StatementTransaction& transaction(std::size_t row) const { return m_rows[row].transaction; }
    Status status(std::size_t row) const { return m_rows[row].status; }
    bool isImported(std::size_t row) const { return m_rows[row].imported; }
    // For duplicates and possible duplicates; ready rows are always imported.
    void setImported(std::size_t row, bool imported);

    const std::vector<Problem>& problems() const { return m_problems; }
    std::size_t duplicateCount() const { return m_counts[std::size_t(Status::Duplicate)]; }
    std::size_t possibleDuplicateCount() const { return m_counts[std::size_t(Status::PossibleDuplicate)]; }
    std::size_t importedCount() const;
    bool canImport() const { return importedCount() > 0; }

    // The records of the imported rows, in file order, entered at this
    // moment, with their bank ids; keywords by name, the library's first of
    // each name, new ones made once per name. With `applyRules`, the
    // library's enabled keyword rules add their keywords too.
    Batch makeRecords(const DataRoot& root, bool applyRules = true) const;

private:
    struct Row {
        StatementTransaction transaction;
        Status status = Status::Ready;
        bool imported = true;
    };
    void markDuplicates(const CsvKnownRecords& library);
    void mark(std::size_t row, Status status);

    std::vector<Row> m_rows;
    std::vector<Problem> m_problems;
    std::size_t m_counts[3] = {0, 0, 0};
};
