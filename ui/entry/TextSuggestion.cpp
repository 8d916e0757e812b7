#include "TextSuggestion.h"

#include <cstdio>

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
    for (const QString& entry : m_array) {
        if (entry.startsWith(prefix, Qt::CaseSensitive)) {
            return entry;
        }
    }
    return QString();
}

void TextSuggestion::printList() const {
    for (auto it = m_array.crbegin(); it != m_array.crend(); ++it) {
        std::fputs(it->toLocal8Bit().constData(), stdout);
        std::fputc(' ', stdout);
    }
    std::fputc('\n', stdout);
}
