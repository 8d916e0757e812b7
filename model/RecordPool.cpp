#include "RecordPool.h"

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

#ifndef KESH_PLAIN_ALLOCATION
namespace {

constexpr std::size_t blockBytes = 2 * 1024 * 1024;
// What records and their shared-pointer headers need; more would pad each record.
constexpr std::size_t alignment = RecordPool::alignment;

struct FreeSlot {
    FreeSlot* next;
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
            void* block = std::aligned_alloc(blockBytes, blockBytes);
            if (!block) {
                throw std::bad_alloc();
            }
#if defined(__linux__) && defined(MADV_HUGEPAGE)
            madvise(block, blockBytes, MADV_HUGEPAGE);
#endif
            blocks.push_back(block);
            next = static_cast<char*>(block);
            end = next + blockBytes;
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
#endif

void* RecordPool::allocate(std::size_t size) {
#ifdef KESH_PLAIN_ALLOCATION
    // The sanitizers should see every record's own allocation and release.
    return ::operator new(size);
#else
    return poolFor(size).take();
#endif
}

void RecordPool::deallocate(void* block, std::size_t size) noexcept {
#ifdef KESH_PLAIN_ALLOCATION
    (void)size;
    ::operator delete(block);
#else
    poolFor(size).give(block);
#endif
}
