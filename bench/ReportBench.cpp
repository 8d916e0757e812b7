// Speed of the report window's figures over a lifetime of records.
#include "SyntheticLibrary.h"

#include "Book.h"
#include "Clock.h"
#include "CommentReport.h"
#include "KeywordReport.h"

#include <benchmark/benchmark.h>

namespace {

// Argument: records. The whole library, every day: the largest report there is.
void BM_ReportByKeyword(benchmark::State& state) {
    const BookPtr& book = SyntheticLibrary::shared(std::size_t(state.range(0)))->mainLibrary();
    std::size_t rows = 0;
    for (auto _ : state) {
        const KeywordReport report(book->records(), DayRange(), ReportSide::Spending);
        rows = report.rows().size();
        benchmark::DoNotOptimize(report.total());
    }
    state.counters["rows"] = double(rows);
}

// The keywords month by month over fifty years of columns, most of them
// before the first record: the widest table the report window can show.
void BM_ReportByMonth(benchmark::State& state) {
    const BookPtr& book = SyntheticLibrary::shared(std::size_t(state.range(0)))->mainLibrary();
    const QDate today = Clock::today();
    const QDate first(today.year() - 49, 1, 1);
    const DayRange days(first, QDate(today.year(), 12, 31));
    std::size_t columns = 0;
    for (auto _ : state) {
        const KeywordReport report(book->records(), days, ReportSide::Spending);
        columns = report.months().size();
        benchmark::DoNotOptimize(report.monthTotals().data());
    }
    state.counters["months"] = double(columns);
}

void BM_CommentReport(benchmark::State& state) {
    const BookPtr& book = SyntheticLibrary::shared(std::size_t(state.range(0)))->mainLibrary();
    for (auto _ : state) {
        const CommentReport report(book->records(), DayRange(), ReportSide::Spending);
        benchmark::DoNotOptimize(report.total());
    }
}

} // namespace

BENCHMARK(BM_ReportByKeyword)->Arg(1'000'000)->ArgName("records")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportByMonth)->Arg(1'000'000)->ArgName("records")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CommentReport)->Arg(1'000'000)->ArgName("records")->Unit(benchmark::kMillisecond);
