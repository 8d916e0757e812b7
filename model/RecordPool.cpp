#include "RecordPool.h"

#include <atomic>
#include <cstdlib>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#endif

#if defined(__SANITIZE_ADDRESS__)
#define KESH_PLAIN_ALLOCATION 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KESH_PLAIN_ALLOCATION 1
#endif
#endif

#ifdef KESH_PLAIN_ALLOCATION
#include <map>
#include <mutex>
#endif

namespace {
// Numbers every slot of every block ever handed out.
std::atomic<std::uint32_t> slotsNumbered{0};
} // namespace

#ifndef KESH_PLAIN_ALLOCATION
namespace {

constexpr std::size_t blockBytes = 2 * 1024 * 1024;
// What records and their shared-pointer headers need; more would pad each record.
constexpr std::size_t alignment = RecordPool::alignment;

struct FreeSlot {
    FreeSlot* next;
};

// The first slot of every block says which numbers the block's slots have,
// so that a record's number follows from its address alone.
struct BlockHeader {
    std::uint32_t firstNumber;
    std::uint32_t slotSize;
};

// One pool per slot size; records come in one size, so there is one in practice.
struct Pool {
    std::size_t slotSize = 0;
    FreeSlot* free = nullptr;
    char* next = nullptr;
    char* end = nullptr;
    std::vector<void*> blocks;

    void* take() {
        if (free) {
            FreeSlot* slot = free;
            free = slot->next;
            // The free slots are linked through themselves: fetch the next
            // one now, or the next record made waits for it.
            if (free) {
                __builtin_prefetch(free, 1);
            }
            return slot;
        }
        if (next == nullptr || next + slotSize > end) {
            addBlock();
        }
        void* slot = next;
        next += slotSize;
        // A library is read record after record: have the lines of the next
        // records on their way while this one is filled in.
        if (next + 4 * slotSize <= end) {
            __builtin_prefetch(next + 4 * slotSize, 1);
        }
        return slot;
    }

    void addBlock() {
        void* block = std::aligned_alloc(blockBytes, blockBytes);
        if (!block) {
            throw std::bad_alloc();
        }
#if defined(__linux__) && defined(MADV_HUGEPAGE)
        madvise(block, blockBytes, MADV_HUGEPAGE);
#endif
        blocks.push_back(block);
        const auto slots = static_cast<std::uint32_t>(blockBytes / slotSize - 1);
        auto* header = static_cast<BlockHeader*>(block);
        header->firstNumber = slotsNumbered.fetch_add(slots, std::memory_order_relaxed);
        header->slotSize = static_cast<std::uint32_t>(slotSize);
        next = static_cast<char*>(block) + slotSize;
        end = static_cast<char*>(block) + blockBytes;
    }

    void give(void* slot) noexcept {
        auto* freed = static_cast<FreeSlot*>(slot);
        freed->next = free;
        free = freed;
    }
};

Pool& poolFor(std::size_t size) {
    // Never destroyed: records may be released during static destruction.
    static auto* pools = new std::vector<Pool*>();
    const std::size_t slotSize = (size + alignment - 1) / alignment * alignment;
    for (Pool* pool : *pools) {
        if (pool->slotSize == slotSize) {
            return *pool;
        }
    }
    auto* pool = new Pool();
    pool->slotSize = slotSize;
    pools->push_back(pool);
    return *pool;
}

} // namespace
#else
namespace {
// The sanitizers should see every record's own allocation and release, so
// each block is numbered on the side.
struct Numbers {
    std::mutex mutex;
    std::map<const char*, std::pair<std::size_t, std::uint32_t>> blocks; // start -> size, number
    std::vector<std::uint32_t> unused;
};

Numbers& numbers() {
    static auto* table = new Numbers();
    return *table;
}
} // namespace
#endif

void* RecordPool::allocate(std::size_t size) {
#ifdef KESH_PLAIN_ALLOCATION
    void* block = ::operator new(size);
    Numbers& table = numbers();
    const std::lock_guard lock(table.mutex);
    std::uint32_t number = 0;
    if (table.unused.empty()) {
        number = slotsNumbered.fetch_add(1, std::memory_order_relaxed);
    } else {
        number = table.unused.back();
        table.unused.pop_back();
    }
    table.blocks[static_cast<const char*>(block)] = {size, number};
    return block;
#else
    return poolFor(size).take();
#endif
}

void RecordPool::deallocate(void* block, std::size_t size) noexcept {
#ifdef KESH_PLAIN_ALLOCATION
    (void)size;
    {
        Numbers& table = numbers();
        const std::lock_guard lock(table.mutex);
        const auto found = table.blocks.find(static_cast<const char*>(block));
        if (found != table.blocks.end()) {
            table.unused.push_back(found->second.second);
            table.blocks.erase(found);
        }
    }
    ::operator delete(block);
#else
    poolFor(size).give(block);
#endif
}

std::uint32_t RecordPool::slotOf(const void* inside) noexcept {
#ifdef KESH_PLAIN_ALLOCATION
    Numbers& table = numbers();
    const std::lock_guard lock(table.mutex);
    const auto* at = static_cast<const char*>(inside);
    auto found = table.blocks.upper_bound(at);
    if (found == table.blocks.begin()) {
        return 0;
    }
    --found;
    return at < found->first + found->second.first ? found->second.second : 0;
#else
    const auto address = reinterpret_cast<std::uintptr_t>(inside);
    const auto* block = reinterpret_cast<const char*>(address & ~std::uintptr_t(blockBytes - 1));
    const auto* header = reinterpret_cast<const BlockHeader*>(block);
    const std::size_t index = std::size_t(static_cast<const char*>(inside) - block) / header->slotSize;
    return header->firstNumber + static_cast<std::uint32_t>(index - 1);
#endif
}

std::uint32_t RecordPool::slotCount() noexcept {
    return slotsNumbered.load(std::memory_order_relaxed);
}
