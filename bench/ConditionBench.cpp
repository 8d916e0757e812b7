// Speed of a smart book's refresh over a lifetime of records: a typical tree
// over the main library, and the same tree confined to one plain book.
#include "SyntheticLibrary.h"

#include "AmountCondition.h"
#include "AndConditions.h"
#include "BookCondition.h"
#include "CommentCondition.h"
#include "DateCondition.h"
#include "KeywordCondition.h"
#include "OrConditions.h"
#include "SmartBook.h"

#include <benchmark/benchmark.h>

namespace {

const DataRootPtr& library(const benchmark::State& state) {
    return SyntheticLibrary::shared(static_cast<std::size_t>(state.range(0)));
}

// Outgoings of the last twelve months that carry the first keyword or mention rent.
std::shared_ptr<AndConditions> typicalTree(const DataRoot& root) {
    auto tree = AndConditions::create();

    auto outgoing = AmountCondition::create();
    outgoing->setConditionTypeCode(Condition::LessThan);
    outgoing->setObject(Amount());
    tree->addCondition(outgoing);

    auto recent = DateCondition::create();
    recent->setConditionTypeCode(Condition::WithinLast);
    recent->setObject(Amount::fromInt(12));
    recent->setPeriodID(DateCondition::Months);
    tree->addCondition(recent);

    auto either = OrConditions::create();
    auto keyword = KeywordCondition::create();
    keyword->setConditionTypeCode(Condition::Includes);
    keyword->setObject(root.keywords().front());
    either->addCondition(keyword);
    auto comment = CommentCondition::create();
    comment->setConditionTypeCode(Condition::Includes);
    comment->setObject(QStringLiteral("Rent"));
    either->addCondition(comment);
    tree->addCondition(either);
    return tree;
}

void runReload(benchmark::State& state, SmartBook& book, const DataRoot& root, std::size_t sourceCount) {
    for (auto _ : state) {
        root.reloadSmartBook(book);
        benchmark::DoNotOptimize(book.count());
    }
    state.counters["scanned"] = double(sourceCount);
    state.counters["matches"] = double(book.count());
}

void BM_SmartBookReload(benchmark::State& state) {
    const DataRootPtr& root = library(state);
    SmartBook book;
    book.setConditions(typicalTree(*root));
    runReload(state, book, *root, root->mainLibrary()->count());
}

void BM_SmartBookReloadBookSource(benchmark::State& state) {
    const DataRootPtr& root = library(state);
    // Plain books hold about a tenth of the library each.
    const BookPtr& plain = root->dumbBooks().front();
    auto tree = typicalTree(*root);
    auto inBook = BookCondition::create();
    inBook->setConditionTypeCode(Condition::Is);
    inBook->setObject(plain);
    tree->addCondition(inBook);
    SmartBook book;
    book.setConditions(tree);
    runReload(state, book, *root, plain->count());
}

constexpr std::int64_t small = 100'000;
constexpr std::int64_t large = 1'000'000;

BENCHMARK(BM_SmartBookReload)->Arg(small)->Arg(large)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SmartBookReloadBookSource)->Arg(small)->Arg(large)->Unit(benchmark::kMillisecond);

} // namespace
