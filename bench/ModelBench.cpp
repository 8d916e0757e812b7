// Speed of the everyday book operations on a lifetime of records, each beside
// the same work done on a plain vector of small structs (the physical floor).
#include "ProcessMemory.h"
#include "SyntheticLibrary.h"

#include "Book.h"
#include "Clock.h"
#include "RecordRevision.h"

#include <benchmark/benchmark.h>

#include <QFile>

#include <algorithm>
#include <cstring>
#include <random>

namespace {

const BookPtr& mainLibrary(const benchmark::State& state) {
    return SyntheticLibrary::shared(static_cast<std::size_t>(state.range(0)))->mainLibrary();
}

void BM_Resort(benchmark::State& state) {
    const BookPtr& book = mainLibrary(state);
    std::mt19937 random(7);
    for (auto _ : state) {
        state.PauseTiming();
        IOList shuffled = book->records();
        std::shuffle(shuffled.begin(), shuffled.end(), random);
        book->setRecords(std::move(shuffled));
        state.ResumeTiming();
        book->resort();
    }
}

// A book keeps the list it filtered last and hands it back for the same key:
// every iteration here asks for another key than the one before, as typing
// a letter and taking it back does, so each one filters the whole book.
const QStringList& typedKeys() {
    static const QStringList keys{QStringLiteral("th"), QStringLiteral("the")};
    return keys;
}

void BM_FilterSearchKey(benchmark::State& state) {
    const BookPtr& book = mainLibrary(state);
    book->reloadFilteredListWithSearchKey(QString(), {});
    std::size_t turn = 0;
    double matches = 0;
    for (auto _ : state) {
        book->reloadFilteredListWithSearchKey(typedKeys()[qsizetype(turn++ % 2)], {});
        matches += double(book->filteredCount());
    }
    state.counters["matches"] = matches / double(std::max<std::size_t>(turn, 1));
    book->reloadFilteredListWithSearchKey(QString(), {});
}

// The same for a keyword search: the first keyword, then the second.
void BM_FilterKeyword(benchmark::State& state) {
    const DataRootPtr& root = SyntheticLibrary::shared(static_cast<std::size_t>(state.range(0)));
    const BookPtr& book = root->mainLibrary();
    const KeywordList keywords[] = {{root->keywords().at(0)}, {root->keywords().at(1)}};
    book->reloadFilteredListWithSearchKey(QString(), {});
    std::size_t turn = 0;
    double matches = 0;
    for (auto _ : state) {
        book->reloadFilteredListWithSearchKey(QString(), keywords[turn++ % 2]);
        matches += double(book->filteredCount());
    }
    state.counters["matches"] = matches / double(std::max<std::size_t>(turn, 1));
    book->reloadFilteredListWithSearchKey(QString(), {});
}

void BM_Totals(benchmark::State& state) {
    const BookPtr& book = mainLibrary(state);
    book->reloadFilteredListWithSearchKey(QString(), {});
    for (auto _ : state) {
        // As after any edit: the totals must be summed afresh.
        RecordRevision::advance(RecordRevision::Amount);
        benchmark::DoNotOptimize(book->totalIn());
        benchmark::DoNotOptimize(book->totalOut());
        benchmark::DoNotOptimize(book->total());
    }
}

void BM_AddObject(benchmark::State& state) {
    const BookPtr& book = mainLibrary(state);
    book->resort();
    std::mt19937 random(11);
    const QDate today = Clock::today();
    for (auto _ : state) {
        state.PauseTiming();
        IOPtr record = IO::create();
        // A day somewhere in the library, so the insertion point varies.
        record->setDate(today.addDays(-std::uniform_int_distribution<int>(0, 365 * 30)(random)));
        record->setAmount(Amount::fromInt(-12));
        record->setComment(QStringLiteral("Bench record"));
        state.ResumeTiming();
        book->addObject(record);
        state.PauseTiming();
        book->removeObject(record);
        state.ResumeTiming();
    }
}

// The floor: the same work on a plain vector of small structs.
struct PlainRecord {
    qint64 day;
    qint64 entered;
    double amount;
    const char16_t* comment;
    qsizetype commentLength;
    std::int8_t include;
};

std::vector<PlainRecord> plainRecords(const benchmark::State& state) {
    std::vector<PlainRecord> plain;
    for (const IOPtr& r : mainLibrary(state)->records()) {
        plain.push_back({r->date().toJulianDay(), r->timeOfEntry().msecsSinceEpoch(), r->amountAsDouble(),
                         reinterpret_cast<const char16_t*>(r->comment().utf16()), r->comment().size(),
                         r->includeInStats()});
    }
    return plain;
}

void BM_FloorSort(benchmark::State& state) {
    std::vector<PlainRecord> plain = plainRecords(state);
    std::mt19937 random(7);
    for (auto _ : state) {
        state.PauseTiming();
        std::shuffle(plain.begin(), plain.end(), random);
        state.ResumeTiming();
        std::sort(plain.begin(), plain.end(), [](const PlainRecord& a, const PlainRecord& b) {
            return a.day != b.day ? a.day > b.day : a.entered > b.entered;
        });
    }
}

void BM_FloorSubstringScan(benchmark::State& state) {
    const std::vector<PlainRecord> plain = plainRecords(state);
    const std::u16string_view keys[] = {u"th", u"the"};
    std::size_t turn = 0;
    for (auto _ : state) {
        const std::u16string_view key = keys[turn++ % 2];
        std::vector<const PlainRecord*> found;
        for (const PlainRecord& r : plain) {
            if (std::u16string_view(r.comment, std::size_t(r.commentLength)).find(key) != std::u16string_view::npos) {
                found.push_back(&r);
            }
        }
        benchmark::DoNotOptimize(found.data());
    }
}

void BM_FloorSums(benchmark::State& state) {
    const std::vector<PlainRecord> plain = plainRecords(state);
    for (auto _ : state) {
        double in = 0;
        double out = 0;
        double total = 0;
        for (const PlainRecord& r : plain) {
            if (r.include && r.amount > 0) {
                in += r.amount;
            }
        }
        for (const PlainRecord& r : plain) {
            if (r.include && r.amount < 0) {
                out -= r.amount;
            }
        }
        for (const PlainRecord& r : plain) {
            if (r.include) {
                total += r.amount;
            }
        }
        benchmark::DoNotOptimize(in + out + total);
    }
}

void BM_LibraryMemory(benchmark::State& state) {
    // Building the library is not timed; this case reports its resident size.
    for (auto _ : state) {
        benchmark::DoNotOptimize(mainLibrary(state)->count());
    }
    state.counters["rss_MB"] = double(ProcessMemory::kilobytes("VmRSS:")) / 1024.0;
}

constexpr std::int64_t small = 100'000;
constexpr std::int64_t large = 1'000'000;

BENCHMARK(BM_LibraryMemory)->Arg(small)->Arg(large)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Resort)->Arg(small)->Arg(large)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterSearchKey)->Arg(small)->Arg(large)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterKeyword)->Arg(small)->Arg(large)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Totals)->Arg(small)->Arg(large)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddObject)->Arg(small)->Arg(large)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloorSort)->Arg(small)->Arg(large)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloorSubstringScan)->Arg(small)->Arg(large)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloorSums)->Arg(small)->Arg(large)->Unit(benchmark::kMillisecond);

} // namespace
