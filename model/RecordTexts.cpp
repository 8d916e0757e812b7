#include "RecordTexts.h"

#include "SearchKey.h"

#include <algorithm>

namespace {
// Text without a character from U+0300 on (where combining marks begin) is in
// form C already; most comments are, and need no normalizing copy.
bool isPlainlyNormalized(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x300; });
}
} // namespace

RecordTexts::RecordTexts(const QString& comment, const QString& bankId) {
    if (comment.isNull() && bankId.isEmpty()) {
        return;
    }
    m_node = new Node;
    m_node->comment = comment;
    if (!bankId.isEmpty()) {
        m_node->bankId = bankId;
    }
    if (!isPlainlyNormalized(comment)) {
        QString normalized = comment.normalized(QString::NormalizationForm_C);
        if (normalized != comment) {
            m_node->normalized = std::move(normalized);
        }
    }
    m_node->pairs = SearchKey::pairMaskOf(normalizedComment());
}

RecordTexts::RecordTexts(const RecordTexts& other) noexcept
    : m_node(other.m_node) {
    if (m_node) {
        m_node->references.fetch_add(1, std::memory_order_relaxed);
    }
}

RecordTexts& RecordTexts::operator=(const RecordTexts& other) noexcept {
    if (other.m_node) {
        other.m_node->references.fetch_add(1, std::memory_order_relaxed);
    }
    release();
    m_node = other.m_node;
    return *this;
}

RecordTexts& RecordTexts::operator=(RecordTexts&& other) noexcept {
    if (this != &other) {
        release();
        m_node = other.m_node;
        other.m_node = nullptr;
    }
    return *this;
}

void RecordTexts::countCopies(std::uint32_t copies) const noexcept {
    if (m_node && copies > 0) {
        m_node->references.fetch_add(copies, std::memory_order_relaxed);
    }
}

void RecordTexts::release() noexcept {
    // The last holder must see every other holder's use of the texts done.
    if (m_node && m_node->references.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        delete m_node;
    }
    m_node = nullptr;
}

const QString& RecordTexts::none() {
    static const QString nothing;
    return nothing;
}
