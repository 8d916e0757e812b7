#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

// The comments used so far, oldest first, without empty or repeated entries.
// The comment fields complete what the user types to the oldest entry that
// begins with it.
class TextSuggestion {
public:
    TextSuggestion() = default;

    // Ignores an empty word and one already listed (exact, case-sensitive).
    void addWord(const QString& word);
    // The oldest entry that begins with `prefix`; a null string when none does
    // (an empty prefix begins no entry).
    QString search(const QString& prefix) const;

    const QStringList& array() const { return m_array; }

private:
    void index() const;

    QStringList m_array;
    // Start-up offers every comment of the library; a set keeps that linear.
    QSet<QString> m_known;
    // Positions in m_array of its first m_indexed entries, in text order: the
    // entries that begin with a text are side by side there, so a keystroke
    // looks at those alone, not at every comment ever typed. Newer entries are
    // looked at one by one until there are enough to merge in.
    mutable std::vector<int> m_sorted;
    mutable qsizetype m_indexed = 0;
};
