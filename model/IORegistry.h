#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

class IO;

// Hands every live record an opaque id and turns ids back into records.
// Drag data carries these ids: an id whose record is gone, or that was never
// handed out, resolves to nothing instead of to freed memory.
class IORegistry {
public:
    using Id = std::uint64_t;

    struct Entry {
        Id id;
        std::uint32_t slot;
    };

    static Entry add(const std::shared_ptr<IO>& record);
    static void remove(std::uint32_t slot);
    static std::shared_ptr<IO> find(Id id);
    // Upper bound of the slot numbers in use, for dense per-record tables. The
    // one call that may come from another thread (a save on a worker).
    static std::uint32_t slotCount();
    // Room for this many more records, for loading a whole library at once.
    static void reserve(std::size_t more);

private:
    struct Slot {
        std::weak_ptr<IO> record;
        std::uint32_t generation = 0;
    };
    struct Table {
        std::vector<Slot> entries;
        std::vector<std::uint32_t> unused;
        std::atomic<std::uint32_t> size{0};
    };
    static Table& table();
};
