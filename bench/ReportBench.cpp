// Speed of the report window's figures over a lifetime of records.
#include "SyntheticLibrary.h"

#include "Book.h"
#include "CommentReport.h"
#include "KeywordReport.h"

#include <benchmark/benchmark.h>

namespace {

// Argument: records. The whole library, every day: the largest report there is.
void BM_KeywordReport(benchmark::State& state) {
    const BookPtr& book = SyntheticLibrary::shared(std::size_t(state.range(0)))->mainLibrary();
    std::size_t rows = 0;
    for (auto _ : state) {
        const KeywordReport report(book->records(), DayRange(), ReportSide::Spending);
        rows = report.rows().size();
        benchmark::DoNotOptimize(report.total());
    }
    state.counters["rows"] = double(rows);
}

void BM_CommentReport(benchmark::State& state) {
    const BookPtr& book = SyntheticLibrary::shared(std::size_t(state.range(0)))->mainLibrary();
    for (auto _ : state) {
        const CommentReport report(book->records(), DayRange(), ReportSide::Spending);
        benchmark::DoNotOptimize(report.total());
    }
}

} // namespace

BENCHMARK(BM_KeywordReport)->Arg(1'000'000)->ArgName("records")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CommentReport)->Arg(1'000'000)->ArgName("records")->Unit(benchmark::kMillisecond);
