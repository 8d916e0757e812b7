#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

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
    // Debugging aid: every entry, newest first, each followed by a blank.
    void printList() const;

    const QStringList& array() const { return m_array; }

private:
    QStringList m_array;
    // Start-up offers every comment of the library; a set keeps that linear.
    QSet<QString> m_known;
};
