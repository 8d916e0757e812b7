// Speed of the graph's sums over a lifetime of records.
#include "SyntheticLibrary.h"

#include "Book.h"
#include "PeriodTotals.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

// Arguments: records, period (0 week, 1 month, 2 year), 1 when the list is in amount order rather than by date.
void BM_GraphAggregation(benchmark::State& state) {
    const BookPtr& book = SyntheticLibrary::shared(std::size_t(state.range(0)))->mainLibrary();
    book->resort();
    IOList list = book->records();
    if (state.range(2) != 0) {
        std::stable_sort(list.begin(), list.end(),
                         [](const IOPtr& a, const IOPtr& b) { return a->amountAsDouble() < b->amountAsDouble(); });
    }
    const auto period = PeriodTotals::Period(state.range(1));
    std::size_t periods = 0;
    for (auto _ : state) {
        const PeriodTotals totals(list, period);
        periods = totals.periods().size();
        benchmark::DoNotOptimize(totals.periods().data());
    }
    state.counters["periods"] = double(periods);
}

} // namespace

BENCHMARK(BM_GraphAggregation)
    ->ArgsProduct({{1'000'000}, {0, 1, 2}, {0, 1}})
    ->ArgNames({"records", "period", "byAmount"})
    ->Unit(benchmark::kMillisecond);
