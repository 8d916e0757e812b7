#include "IORegistry.h"

IORegistry::Table& IORegistry::table() {
    // Never destroyed: records may outlive static destruction order.
    static Table* t = new Table;
    return *t;
}

IORegistry::Entry IORegistry::add(const std::shared_ptr<IO>& record) {
    Table& t = table();
    std::uint32_t slot = 0;
    if (!t.unused.empty()) {
        slot = t.unused.back();
        t.unused.pop_back();
    } else {
        slot = static_cast<std::uint32_t>(t.entries.size());
        t.entries.emplace_back();
        t.size.store(static_cast<std::uint32_t>(t.entries.size()), std::memory_order_relaxed);
    }
    Slot& s = t.entries[slot];
    // A reused slot gets a new generation, so ids of its former record stay dead.
    ++s.generation;
    s.record = record;
    return {(Id(s.generation) << 32) | slot, slot};
}

void IORegistry::remove(std::uint32_t slot) {
    Table& t = table();
    if (slot >= t.entries.size()) {
        return;
    }
    t.entries[slot].record.reset();
    t.unused.push_back(slot);
}

std::shared_ptr<IO> IORegistry::find(Id id) {
    const Table& t = table();
    const auto slot = static_cast<std::uint32_t>(id & 0xFFFFFFFFu);
    const auto generation = static_cast<std::uint32_t>(id >> 32);
    if (slot >= t.entries.size() || generation == 0 || t.entries[slot].generation != generation) {
        return nullptr;
    }
    return t.entries[slot].record.lock();
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
