#include "KeywordReport.h"

#include <QHash>

#include <algorithm>
#include <climits>

namespace {
int monthKeyOf(QDate day) {
    int year = 0;
    int month = 0;
    int dayOfMonth = 0;
    day.getDate(&year, &month, &dayOfMonth);
    return year * 12 + month - 1;
}

QDate monthOfKey(int key) {
    const int year = key >= 0 ? key / 12 : (key - 11) / 12;
    return QDate(year, key - year * 12 + 1, 1);
}
} // namespace

KeywordReport::KeywordReport(const IOList& records, const DayRange& days, ReportSide side)
    : m_side(side)
    , m_days(days) {
    const std::vector<Entry> entries = gather(records);
    m_monthTotals.assign(m_months.size(), 0.0);

    QHash<const Keyword*, std::size_t> rowOf;
    const auto rowFor = [&](const KeywordPtr& keyword) -> Row& {
        const auto found = rowOf.constFind(keyword.get());
        if (found != rowOf.constEnd()) {
            return m_rows[*found];
        }
        rowOf.insert(keyword.get(), m_rows.size());
        m_rows.push_back(Row{keyword, 0.0, 0, std::vector<double>(m_months.size(), 0.0)});
        return m_rows.back();
    };
    static const KeywordPtr noKeyword;
    // The keyword lists records share are spread over memory: fetch each
    // list, then its keywords, well before they are counted.
    constexpr std::size_t ahead = 16;
    for (std::size_t at = 0; at < entries.size(); ++at) {
        if (at + ahead < entries.size()) {
            __builtin_prefetch(entries[at + ahead].keywords);
        }
        if (at + ahead / 2 < entries.size()) {
            __builtin_prefetch(entries[at + ahead / 2].keywords->data());
        }
        const Entry& entry = entries[at];
        const double amount = entry.amount;
        const int column = columnOf(entry.month);
        m_total += amount;
        m_monthTotals[std::size_t(column)] += amount;
        const KeywordList& keywords = *entry.keywords;
        if (keywords.size() > 1) {
            ++m_recordsInSeveral;
            m_countedInSeveral += amount * double(keywords.size() - 1);
        }
        for (std::size_t i = 0; i < std::max<std::size_t>(keywords.size(), 1); ++i) {
            Row& row = rowFor(keywords.empty() ? noKeyword : keywords[i]);
            row.amount += amount;
            ++row.count;
            row.months[std::size_t(column)] += amount;
        }
    }
    m_count = entries.size();
    sortRows();
}

std::vector<KeywordReport::Entry> KeywordReport::gather(const IOList& records) {
    std::vector<Entry> entries;
    int firstKey = INT_MAX;
    int lastKey = INT_MIN;
    for (const IOPtr& record : records) {
        if (record->includeInStats() == 0) {
            ++m_uncounted;
            continue;
        }
        const double amount = sideAmount(record->amountAsDouble(), m_side);
        if (amount == 0.0) {
            continue;
        }
        const QDate day = record->date();
        // A record without a day has no month to stand in.
        if (!day.isValid() || !m_days.contains(day)) {
            continue;
        }
        const int key = monthKeyOf(day);
        firstKey = std::min(firstKey, key);
        lastKey = std::max(lastKey, key);
        entries.push_back(Entry{&record->keywords(), amount, key});
    }
    // A bounded range shows all its months, with records or not.
    if (m_days.first().isValid()) {
        firstKey = std::min(firstKey, monthKeyOf(m_days.first()));
    }
    if (m_days.last().isValid()) {
        lastKey = std::max(lastKey, monthKeyOf(m_days.last()));
    }
    if (firstKey <= lastKey) {
        setMonthColumns(entries, firstKey, lastKey);
    }
    return entries;
}

void KeywordReport::setMonthColumns(const std::vector<Entry>& entries, int firstKey, int lastKey) {
    m_contiguous = qint64(lastKey) - firstKey < maxContiguousMonths;
    if (m_contiguous) {
        m_firstMonthKey = firstKey;
        for (int key = firstKey; key <= lastKey; ++key) {
            m_months.push_back(monthOfKey(key));
        }
        return;
    }
    for (const Entry& entry : entries) {
        m_monthKeys.push_back(entry.month);
    }
    std::sort(m_monthKeys.begin(), m_monthKeys.end());
    m_monthKeys.erase(std::unique(m_monthKeys.begin(), m_monthKeys.end()), m_monthKeys.end());
    for (int key : m_monthKeys) {
        m_months.push_back(monthOfKey(key));
    }
}

int KeywordReport::columnOf(int monthKey) const {
    if (m_contiguous) {
        return monthKey - m_firstMonthKey;
    }
    return int(std::lower_bound(m_monthKeys.begin(), m_monthKeys.end(), monthKey) - m_monthKeys.begin());
}

void KeywordReport::sortRows() {
    std::sort(m_rows.begin(), m_rows.end(), [](const Row& a, const Row& b) {
        if (a.amount != b.amount) {
            return a.amount > b.amount;
        }
        // "No keyword" after the keywords of the same amount.
        if (!a.keyword || !b.keyword) {
            return bool(a.keyword);
        }
        return a.keyword->name() < b.keyword->name();
    });
}
