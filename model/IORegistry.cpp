#include "IORegistry.h"

#include <atomic>
#include <vector>

// A live record's slot holds the record alone: its generation is in its id,
// which the record keeps. Only a free slot needs its last generation kept,
// so that the next record in it gets a new one.
struct IORegistry::Table {
    struct Unused {
        std::uint32_t slot;
        std::uint32_t generation;
    };
    std::vector<std::weak_ptr<IO>> entries;
    std::vector<Unused> unused;
    std::atomic<std::uint32_t> size{0};
};

IORegistry::Table& IORegistry::table() {
    // Never destroyed: records may outlive static destruction order.
    static Table* t = new Table;
    return *t;
}

IORegistry::Entry IORegistry::add(const std::shared_ptr<IO>& record) {
    Table& t = table();
    std::uint32_t slot = 0;
    std::uint32_t generation = 1;
    if (!t.unused.empty()) {
        slot = t.unused.back().slot;
        // A reused slot gets a new generation, so ids of its former record stay dead.
        generation = t.unused.back().generation + 1;
        generation += generation == 0 ? 1 : 0;
        t.unused.pop_back();
    } else {
        slot = static_cast<std::uint32_t>(t.entries.size());
        t.entries.emplace_back();
        t.size.store(static_cast<std::uint32_t>(t.entries.size()), std::memory_order_relaxed);
    }
    t.entries[slot] = record;
    return {(Id(generation) << 32) | slot, slot};
}

void IORegistry::remove(Id id) {
    Table& t = table();
    const auto slot = static_cast<std::uint32_t>(id & 0xFFFFFFFFu);
    if (id == 0 || slot >= t.entries.size()) {
        return;
    }
    t.entries[slot].reset();
    t.unused.push_back({slot, static_cast<std::uint32_t>(id >> 32)});
}

std::shared_ptr<IO> IORegistry::find(Id id) {
    const Table& t = table();
    const auto slot = static_cast<std::uint32_t>(id & 0xFFFFFFFFu);
    if (slot >= t.entries.size() || (id >> 32) == 0) {
        return nullptr;
    }
    return t.entries[slot].lock();
}

std::uint32_t IORegistry::slotCount() {
    return table().size.load(std::memory_order_relaxed);
}

void IORegistry::reserve(std::size_t more) {
    Table& t = table();
    const std::size_t free = t.unused.size();
    if (more > free) {
        t.entries.reserve(t.entries.size() + (more - free));
    }
}
