#pragma once

#include "Keyword.h"

#include <atomic>
#include <cstdint>

// A record's keywords as one immutable list that any number of records may
// hold: a lifetime of records carries a few hundred combinations of keywords,
// not a list each. A change makes a new list, so records sharing the old one
// keep theirs. Copies count references atomically: a record may be let go of
// on another thread than the one that made it.
class KeywordSet {
public:
    KeywordSet() noexcept = default;
    // No keywords take no storage.
    explicit KeywordSet(KeywordList keywords);
    KeywordSet(const KeywordSet& other) noexcept;
    KeywordSet(KeywordSet&& other) noexcept
        : m_node(other.m_node) {
        other.m_node = nullptr;
    }
    KeywordSet& operator=(const KeywordSet& other) noexcept;
    KeywordSet& operator=(KeywordSet&& other) noexcept;
    ~KeywordSet() { release(); }

    const KeywordList& list() const { return m_node ? m_node->keywords : empty(); }
    bool isEmpty() const { return m_node == nullptr; }
    // Whether both hold the very same list, not merely equal ones.
    bool sharesListWith(const KeywordSet& other) const { return m_node == other.m_node; }

private:
    struct Node {
        std::atomic<std::uint32_t> references{1};
        KeywordList keywords;
    };
    static const KeywordList& empty();
    void release() noexcept;

    Node* m_node = nullptr;
};
