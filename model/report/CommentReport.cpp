#include "CommentReport.h"

#include <QHash>
#include <QStringView>

#include <algorithm>

void CommentReport::addTo(Row& row, double amount) {
    row.amount += amount;
    ++row.count;
    m_total += amount;
    ++m_count;
}

CommentReport::CommentReport(const IOList& records, const DayRange& days, ReportSide side, std::size_t top) {
    // The views point into the records' own texts, which outlive this pass.
    QHash<QStringView, std::size_t> rowOf;
    // Records saying the same mostly share their texts: those are looked up
    // by the texts' identity, without reading or hashing the comment again.
    QHash<const void*, std::size_t> rowOfTexts;
    constexpr std::size_t ahead = 16;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (i + ahead < records.size()) {
            __builtin_prefetch(records[i + ahead].get());
        }
        const IOPtr& record = records[i];
        const double amount = sideAmount(record->amountAsDouble(), side);
        if (record->includeInStats() == 0 || amount == 0.0 || !record->date().isValid() ||
            !days.contains(record->date())) {
            continue;
        }
        const void* texts = record->texts().identity();
        auto found = rowOfTexts.find(texts);
        if (found == rowOfTexts.end()) {
            const QStringView comment = record->normalizedComment();
            auto byComment = rowOf.find(comment);
            if (byComment == rowOf.end()) {
                byComment = rowOf.insert(comment, m_rows.size());
                m_rows.push_back(Row{record->comment(), 0.0, 0});
            }
            const std::size_t at = *byComment;
            // Texts held by one record each (bank ids make them so) would
            // only fill the table: past a bound, comments are looked up alone.
            if (std::size_t(rowOfTexts.size()) < 4 * m_rows.size() + 4096) {
                rowOfTexts.insert(texts, at);
            }
            addTo(m_rows[at], amount);
            continue;
        }
        addTo(m_rows[*found], amount);
    }
    const auto larger = [](const Row& a, const Row& b) {
        return a.amount != b.amount ? a.amount > b.amount : a.comment < b.comment;
    };
    const std::size_t kept = std::min(top, m_rows.size());
    std::partial_sort(m_rows.begin(), m_rows.begin() + std::ptrdiff_t(kept), m_rows.end(), larger);
    m_otherComments = m_rows.size() - kept;
    m_rows.resize(kept);
}
