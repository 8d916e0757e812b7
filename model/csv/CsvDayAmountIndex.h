#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A file's rows by day and exact amount, for finding a library's records
// among them. One flat table with open addressing: a record that matches no
// row, the common case, costs a probe or two and no allocation. Rows of the
// same day and amount are chained in the order they were added last-first.
class CsvDayAmountIndex {
public:
    struct Key {
        std::int32_t julianDay;
        std::int16_t exponent;
        std::int64_t mantissa;
        bool operator==(const Key& other) const = default;
    };
    static constexpr std::uint32_t none = UINT32_MAX;

    // For rows numbered below `rows`.
    explicit CsvDayAmountIndex(std::size_t rows);

    void add(const Key& key, std::uint32_t row);
    // The row with the key added last, or none.
    std::uint32_t find(const Key& key) const;
    // The row of the same key added before `row`, or none.
    std::uint32_t next(std::uint32_t row) const { return m_next[row]; }
    bool isEmpty() const { return m_count == 0; }

private:
    struct Slot {
        // High bits of the key's hash: most slots of other keys are passed without reading a key.
        std::uint32_t tag = 0;
        std::uint32_t row = none;
    };
    static std::uint64_t hashOf(const Key& key);

    std::vector<Key> m_keys;
    std::vector<std::uint32_t> m_next;
    std::vector<Slot> m_slots;
    std::size_t m_mask;
    std::size_t m_count = 0;
};
