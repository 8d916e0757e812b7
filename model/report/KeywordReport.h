#pragma once

#include "DayRange.h"
#include "IO.h"
#include "Keyword.h"
#include "ReportSide.h"

#include <QDate>

#include <cstddef>
#include <vector>

// The counted records of a list within a range of days, summed by keyword on
// one side (spending or income), as a whole and month by month. A record
// with several keywords counts in the row of each, so the rows add up to
// more than the total; the total counts every record once, and
// countedInSeveral() says by how much the rows exceed it. A record without
// keywords counts in the row whose keyword is null ("No keyword").
class KeywordReport {
public:
    struct Row {
        // Null for the records without a keyword.
        KeywordPtr keyword;
        double amount = 0.0;
        std::size_t count = 0;
        // One sum per month of months().
        std::vector<double> months;

        double average() const { return count == 0 ? 0.0 : amount / double(count); }
    };

    KeywordReport() = default;
    KeywordReport(const IOList& records, const DayRange& days, ReportSide side);

    ReportSide side() const { return m_side; }
    const DayRange& days() const { return m_days; }
    // Largest amount first; rows of equal amounts by keyword name.
    const std::vector<Row>& rows() const { return m_rows; }
    bool isEmpty() const { return m_rows.empty(); }
    // Every record once.
    double total() const { return m_total; }
    std::size_t recordCount() const { return m_count; }
    // The row's part of the total, 0 to 1; the shares add up to more than 1
    // when records have several keywords.
    double share(const Row& row) const { return m_total > 0 ? row.amount / m_total : 0.0; }
    // Records in more than one row, and what the rows hold beyond the total because of them.
    std::size_t recordsInSeveral() const { return m_recordsInSeveral; }
    double countedInSeveral() const { return m_countedInSeveral; }

    // The first day of each month column, in calendar order. From the first
    // month of the range (or of the records, when the range is open) to the
    // last; past maxContiguousMonths only the months with records.
    const std::vector<QDate>& months() const { return m_months; }
    // Every record once, per month.
    const std::vector<double>& monthTotals() const { return m_monthTotals; }
    static constexpr int maxContiguousMonths = 1200;

    // Records of the list left out: not counted in the statistics.
    std::size_t uncountedRecords() const { return m_uncounted; }

private:
    // What the sums need of a record, so that summing reads no record: the
    // keyword list is one the record shares with others, far from it.
    struct Entry {
        const KeywordList* keywords;
        double amount;
        int month;
    };
    // The records this report sums, with their month keys; sets the month columns.
    std::vector<Entry> gather(const IOList& records);
    void setMonthColumns(const std::vector<Entry>& entries, int firstKey, int lastKey);
    int columnOf(int monthKey) const;
    void sortRows();

    ReportSide m_side = ReportSide::Spending;
    DayRange m_days;
    std::vector<Row> m_rows;
    double m_total = 0.0;
    std::size_t m_count = 0;
    std::size_t m_recordsInSeveral = 0;
    double m_countedInSeveral = 0.0;
    std::vector<QDate> m_months;
    std::vector<double> m_monthTotals;
    // Month key (year * 12 + month - 1) of the first column when the columns are contiguous.
    int m_firstMonthKey = 0;
    std::vector<int> m_monthKeys;
    bool m_contiguous = true;
    std::size_t m_uncounted = 0;
};
