#include "KeywordSet.h"

KeywordSet::KeywordSet(KeywordList keywords) {
    if (keywords.empty()) {
        return;
    }
    m_node = new Node;
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
