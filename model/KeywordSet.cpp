#include "KeywordSet.h"

KeywordSet::KeywordSet(KeywordList keywords) {
    if (keywords.empty()) {
        return;
    }
    m_node = new Node;
    m_node->mask = maskOf(keywords);
    m_node->keywords = std::move(keywords);
}

KeywordSet::KeywordSet(const KeywordSet& other) noexcept
    : m_node(other.m_node) {
    if (m_node) {
        m_node->references.fetch_add(1, std::memory_order_relaxed);
    }
}

KeywordSet& KeywordSet::operator=(const KeywordSet& other) noexcept {
    if (other.m_node) {
        other.m_node->references.fetch_add(1, std::memory_order_relaxed);
    }
    release();
    m_node = other.m_node;
    return *this;
}

KeywordSet& KeywordSet::operator=(KeywordSet&& other) noexcept {
    if (this != &other) {
        release();
        m_node = other.m_node;
        other.m_node = nullptr;
    }
    return *this;
}

void KeywordSet::countCopies(std::uint32_t copies) const noexcept {
    if (m_node && copies > 0) {
        m_node->references.fetch_add(copies, std::memory_order_relaxed);
    }
}

void KeywordSet::release() noexcept {
    // The last holder must see every other holder's use of the list done.
    if (m_node && m_node->references.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        delete m_node;
    }
    m_node = nullptr;
}

const KeywordList& KeywordSet::empty() {
    static const KeywordList none;
    return none;
}

std::uint64_t KeywordSet::bitOf(const Keyword* keyword) {
    // Fibonacci hashing of the address picks one of 64 bits.
    const auto address = reinterpret_cast<std::uintptr_t>(keyword) >> 4;
    return std::uint64_t(1) << ((std::uint64_t(address) * 0x9E3779B97F4A7C15ULL) >> 58);
}

std::uint64_t KeywordSet::maskOf(const KeywordList& keywords) {
    std::uint64_t mask = 0;
    for (const KeywordPtr& keyword : keywords) {
        mask |= bitOf(keyword.get());
    }
    return mask;
}
