#include "CommentReport.h"

#include <QHash>
#include <QStringView>

#include <algorithm>

CommentReport::CommentReport(const IOList& records, const DayRange& days, ReportSide side, std::size_t top) {
    // The views point into the records' own texts, which outlive this pass.
    QHash<QStringView, std::size_t> rowOf;
    for (const IOPtr& record : records) {
        const double amount = sideAmount(record->amountAsDouble(), side);
        if (record->includeInStats() == 0 || amount == 0.0 || !record->date().isValid() ||
            !days.contains(record->date())) {
            continue;
        }
        const QStringView comment = record->normalizedComment();
        auto found = rowOf.find(comment);
        if (found == rowOf.end()) {
            found = rowOf.insert(comment, m_rows.size());
            m_rows.push_back(Row{record->comment(), 0.0, 0});
        }
        Row& row = m_rows[*found];
        row.amount += amount;
        ++row.count;
        m_total += amount;
        ++m_count;
    }
    const auto larger = [](const Row& a, const Row& b) {
        return a.amount != b.amount ? a.amount > b.amount : a.comment < b.comment;
    };
    const std::size_t kept = std::min(top, m_rows.size());
    std::partial_sort(m_rows.begin(), m_rows.begin() + std::ptrdiff_t(kept), m_rows.end(), larger);
    m_otherComments = m_rows.size() - kept;
    m_rows.resize(kept);
}
