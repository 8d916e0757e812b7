// Speed of the budget view's figures over a lifetime of records.
#include "SyntheticLibrary.h"

#include "Budget.h"
#include "BudgetSpending.h"
#include "Clock.h"

#include <benchmark/benchmark.h>

namespace {

// Arguments: records, budgets (one keyword each, monthly and yearly in turn), span (0 this month, 2 this year).
void BM_BudgetFigures(benchmark::State& state) {
    const DataRoot& root = *SyntheticLibrary::shared(std::size_t(state.range(0)));
    BudgetList budgets;
    const KeywordList& keywords = root.keywords();
    for (std::size_t i = 0; i < std::size_t(state.range(1)) && i < keywords.size(); ++i) {
        BudgetPtr budget = Budget::create();
        budget->setKeyword(keywords[i]);
        budget->setAmount(Amount::fromInt(1000));
        budget->setPeriod(i % 2 == 0 ? Budget::Period::Month : Budget::Period::Year);
        budgets.push_back(budget);
    }
    const auto range = BudgetSpending::rangeOf(BudgetSpending::Span(state.range(2)), Clock::today());
    double spent = 0.0;
    for (auto _ : state) {
        const auto figures = BudgetSpending::compute(root, budgets, range);
        spent = figures.front().spent;
        benchmark::DoNotOptimize(figures.data());
    }
    state.counters["spent0"] = spent;
}

} // namespace

BENCHMARK(BM_BudgetFigures)
    ->ArgsProduct({{1'000'000}, {20}, {0, 2}})
    ->ArgNames({"records", "budgets", "span"})
    ->Unit(benchmark::kMillisecond);
