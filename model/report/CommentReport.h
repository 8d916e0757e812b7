#pragma once

#include "DayRange.h"
#include "IO.h"
#include "ReportSide.h"

#include <QString>

#include <cstddef>
#include <vector>

// The comments (payees) of the counted records of a list within a range of
// days, with what was spent or received under each, largest first. Comments
// that read the same in normal form C are one payee; an empty comment is one
// too.
class CommentReport {
public:
    struct Row {
        // As the first record with it wrote it.
        QString comment;
        double amount = 0.0;
        std::size_t count = 0;

        double average() const { return count == 0 ? 0.0 : amount / double(count); }
    };

    CommentReport() = default;
    // Keeps the `top` largest.
    CommentReport(const IOList& records, const DayRange& days, ReportSide side, std::size_t top = 25);

    const std::vector<Row>& rows() const { return m_rows; }
    // Every record once, of every comment.
    double total() const { return m_total; }
    std::size_t recordCount() const { return m_count; }
    double share(const Row& row) const { return m_total > 0 ? row.amount / m_total : 0.0; }
    // Comments left out past the top ones.
    std::size_t otherComments() const { return m_otherComments; }

private:
    void addTo(Row& row, double amount);

    std::vector<Row> m_rows;
    double m_total = 0.0;
    std::size_t m_count = 0;
    std::size_t m_otherComments = 0;
};
