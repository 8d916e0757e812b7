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
    // maskOf the list, worked out once for all its holders.
    std::uint64_t mask() const { return m_node ? m_node->mask : 0; }
    // One bit per keyword (by identity, hashed): a list whose mask lacks a
    // bit of another's cannot hold all of its keywords.
    static std::uint64_t maskOf(const KeywordList& keywords);
    static std::uint64_t bitOf(const Keyword* keyword);
    // For a reader handing one list to a great many records on one thread: a
    // copy left uncounted, and the count of such copies added at once. Every
    // uncounted copy must be counted before any holder of the list lets go.
    KeywordSet uncountedCopy() const noexcept { return KeywordSet(m_node); }
    void countCopies(std::uint32_t copies) const noexcept;
    // Stands for the list held: the same for every record sharing it.
    const void* identity() const { return m_node; }
    // Whether both hold the very same list, not merely equal ones.
    bool sharesListWith(const KeywordSet& other) const { return m_node == other.m_node; }

private:
    struct Node {
        std::atomic<std::uint32_t> references{1};
        std::uint64_t mask = 0;
        KeywordList keywords;
    };
    explicit KeywordSet(Node* node) noexcept
        : m_node(node) {}
    static const KeywordList& empty();
    void release() noexcept;

    Node* m_node = nullptr;
};
