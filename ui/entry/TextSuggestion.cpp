#include "TextSuggestion.h"

#include <algorithm>

namespace {
// Entries added since the last merge that a search reads one by one.
constexpr qsizetype unindexedLimit = 256;
} // namespace

void TextSuggestion::addWord(const QString& word) {
    if (word.isEmpty() || m_known.contains(word)) {
        return;
    }
    m_array.append(word);
    m_known.insert(word);
}

QString TextSuggestion::search(const QString& prefix) const {
    if (prefix.isEmpty()) {
        return QString();
    }
    index();
    // Every indexed entry is older than every entry added since.
    const auto begins = std::lower_bound(m_sorted.begin(), m_sorted.end(), prefix,
                                         [this](int entry, const QString& text) { return m_array[entry] < text; });
    const auto ends = std::partition_point(begins, m_sorted.end(),
                                           [this, &prefix](int entry) { return m_array[entry].startsWith(prefix); });
    if (begins != ends) {
        return m_array[*std::min_element(begins, ends)];
    }
    for (qsizetype i = m_indexed; i < m_array.size(); ++i) {
        if (m_array[i].startsWith(prefix, Qt::CaseSensitive)) {
            return m_array[i];
        }
    }
    return QString();
}

void TextSuggestion::index() const {
    if (m_array.size() - m_indexed <= unindexedLimit) {
        return;
    }
    const auto byText = [this](int a, int b) {
        return m_array[a] < m_array[b];
    };
    const auto merged = std::ptrdiff_t(m_sorted.size());
    for (qsizetype i = m_indexed; i < m_array.size(); ++i) {
        m_sorted.push_back(int(i));
    }
    std::sort(m_sorted.begin() + merged, m_sorted.end(), byText);
    std::inplace_merge(m_sorted.begin(), m_sorted.begin() + merged, m_sorted.end(), byText);
    m_indexed = m_array.size();
}
