#pragma once

#include <cstdint>
#include <memory>

// What one search found in the texts records share, remembered by the texts'
// identity: a lifetime of records says some thousands of things, so most
// records are answered without reading their comment. Direct-mapped; an entry
// pushed out is searched again. The table is kept per thread and reused, as a
// search runs on every keystroke: start() forgets the last search at once.
class SearchMemo {
public:
    // This thread's memo, having forgotten every earlier search.
    static SearchMemo& start();

    // Whether the texts were found to match, if that is remembered.
    bool recall(const void* texts, bool* found) const {
        const Entry& entry = m_entries[slotOf(texts)];
        if (entry.texts != texts || entry.search != m_search) {
            return false;
        }
        *found = entry.found;
        return true;
    }
    void remember(const void* texts, bool found) { m_entries[slotOf(texts)] = Entry{texts, m_search, found}; }

private:
    struct Entry {
        const void* texts = nullptr;
        std::uint32_t search = 0;
        bool found = false;
    };
    static constexpr std::size_t size = std::size_t(1) << 15;
    static std::size_t slotOf(const void* texts) {
        return std::size_t(((reinterpret_cast<std::uintptr_t>(texts) >> 4) * 0x9E3779B97F4A7C15ULL) >> 49) & (size - 1);
    }

    std::unique_ptr<Entry[]> m_entries = std::make_unique<Entry[]>(size);
    std::uint32_t m_search = 0;
};
