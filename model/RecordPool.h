#pragma once

#include <cstddef>
#include <cstdint>
#include <new>

// Storage for records. A lifetime of records is scanned end to end on every
// keystroke; keeping them side by side in large (huge-page backed) blocks,
// rather than scattered over the heap, keeps those scans near memory speed.
class RecordPool {
public:
    // Of every block handed out.
    static constexpr std::size_t alignment = 8;

    static void* allocate(std::size_t size);
    static void deallocate(void* block, std::size_t size) noexcept;

    // A number for the storage `inside` points into, unique among the blocks
    // handed out now and small: a table indexed by it needs no more room than
    // there are records. A block given back gives its number to the next.
    static std::uint32_t slotOf(const void* inside) noexcept;
    // Upper bound of the numbers slotOf() gives; may be read on any thread.
    static std::uint32_t slotCount() noexcept;
};

// Hands out records' storage from RecordPool; for std::allocate_shared.
template <typename T> struct RecordAllocator {
    using value_type = T;
    static_assert(alignof(T) <= RecordPool::alignment);

    RecordAllocator() = default;
    template <typename U> RecordAllocator(const RecordAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        if (n != 1) {
            return static_cast<T*>(::operator new(n * sizeof(T), std::align_val_t(alignof(T))));
        }
        return static_cast<T*>(RecordPool::allocate(sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept {
        if (n != 1) {
            ::operator delete(p, std::align_val_t(alignof(T)));
            return;
        }
        RecordPool::deallocate(p, sizeof(T));
    }

    template <typename U> bool operator==(const RecordAllocator<U>&) const noexcept { return true; }
};
