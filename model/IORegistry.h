#pragma once

#include <cstdint>
#include <memory>

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
    // `id`: the one add() gave the record that leaves the slot.
    static void remove(Id id);
    // The live record in the id's slot, of whichever generation: the caller
    // tells by the record's own id whether it is the one asked for.
    static std::shared_ptr<IO> find(Id id);
    // Upper bound of the slot numbers in use, for dense per-record tables. The
    // one call that may come from another thread (a save on a worker).
    static std::uint32_t slotCount();
    // Room for this many more records, for loading a whole library at once.
    static void reserve(std::size_t more);

private:
    struct Table;
    static Table& table();
};
