#pragma once

#include <QString>
#include <QStringView>

// A search text prepared once per filtering: kept in normalization form C so
// that canonically equivalent spellings find each other, and searched without
// allocating, since every record of a book is tested on every keystroke.
class SearchKey {
public:
    SearchKey() = default;
    explicit SearchKey(const QString& text);

    bool isEmpty() const { return m_text.isEmpty(); }
    const QString& text() const { return m_text; }

    // Case- and diacritic-sensitive substring test; `haystack` must be in form C too.
    bool foundIn(QStringView haystack) const;

private:
    QString m_text;
};
