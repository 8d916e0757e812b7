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
