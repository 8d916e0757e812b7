#pragma once

#include <atomic>
#include <cstddef>

// How far reading and planning a CSV file have come, and whether they are
// still wanted: the worker reports and looks for a cancel, another thread
// reads and cancels. The work is split into parts, each a share of the whole.
class CsvProgress {
public:
    static constexpr int whole = 1000;

    // The share of the work done, 0 to `whole`.
    int done() const { return m_done.load(std::memory_order_relaxed); }
    void cancel() { m_cancelled.store(true, std::memory_order_relaxed); }
    bool isCancelled() const { return m_cancelled.load(std::memory_order_relaxed); }

    // The next reports are about the part of the work from `from` to `to`.
    void beginPart(int from, int to) {
        m_from = from;
        m_to = to;
        m_done.store(from, std::memory_order_relaxed);
    }
    void report(std::size_t done, std::size_t total) {
        const double share = total == 0 ? 1.0 : double(done) / double(total);
        m_done.store(m_from + int(share * (m_to - m_from)), std::memory_order_relaxed);
    }

private:
    std::atomic<int> m_done{0};
    std::atomic<bool> m_cancelled{false};
    // Only the worker touches these.
    int m_from = 0;
    int m_to = whole;
};
