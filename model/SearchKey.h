#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

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

    // One bit (of 32, hashed) for each pair of adjacent characters in `text`.
    // Every pair of the key stands in any text that contains the key, so a
    // text whose mask lacks a bit of pairMask() cannot contain the key.
    static std::uint32_t pairMaskOf(QStringView text);
    std::uint32_t pairMask() const { return m_pairMask; }

private:
    QString m_text;
    std::uint32_t m_pairMask = 0;
};
