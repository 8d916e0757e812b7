#include "SearchMemo.h"

#include <algorithm>

SearchMemo& SearchMemo::start() {
    thread_local SearchMemo memo;
    if (++memo.m_search == 0) {
        // After four billion searches the numbers come round again: clear the old ones.
        std::fill_n(memo.m_entries.get(), size, Entry{});
        memo.m_search = 1;
    }
    return memo;
}
