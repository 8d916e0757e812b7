#include "CsvDayAmountIndex.h"

#include <algorithm>
#include <bit>

CsvDayAmountIndex::CsvDayAmountIndex(std::size_t rows)
    : m_keys(rows)
    , m_next(rows, none)
    // At most half full, so probes stay short.
    , m_slots(std::bit_ceil(std::max<std::size_t>(16, rows * 2)))
    , m_mask(m_slots.size() - 1) {}

std::uint64_t CsvDayAmountIndex::hashOf(const Key& key) {
    std::uint64_t h = std::uint64_t(key.mantissa) * 0x9E3779B97F4A7C15ull;
    h ^= ((std::uint64_t(std::uint32_t(key.julianDay)) << 16) | std::uint16_t(key.exponent)) * 0xC2B2AE3D27D4EB4Full;
    h ^= h >> 32;
    h *= 0xD6E8FEB86659FD93ull;
    return h ^ (h >> 32);
}

void CsvDayAmountIndex::add(const Key& key, std::uint32_t row) {
    m_keys[row] = key;
    const std::uint64_t hash = hashOf(key);
    const auto tag = std::uint32_t(hash >> 32);
    for (std::size_t i = hash & m_mask;; i = (i + 1) & m_mask) {
        Slot& slot = m_slots[i];
        if (slot.row == none) {
            slot = {tag, row};
            ++m_count;
            return;
        }
        if (slot.tag == tag && m_keys[slot.row] == key) {
            m_next[row] = slot.row;
            slot.row = row;
            return;
        }
    }
}

std::uint32_t CsvDayAmountIndex::find(const Key& key) const {
    const std::uint64_t hash = hashOf(key);
    const auto tag = std::uint32_t(hash >> 32);
    for (std::size_t i = hash & m_mask;; i = (i + 1) & m_mask) {
        const Slot& slot = m_slots[i];
        if (slot.row == none) {
            return none;
        }
        if (slot.tag == tag && m_keys[slot.row] == key) {
            return slot.row;
        }
    }
}
