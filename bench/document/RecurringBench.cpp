// Speed of entering what recurring records bring after kesh stayed closed
// for years: every occurrence made and entered into a lifetime's library as
// one change.
#include "../SyntheticLibrary.h"

#include "Clock.h"
#include "DataRoot.h"
#include "LibraryDocument.h"
#include "RecurringRecord.h"

#include <benchmark/benchmark.h>

namespace {

// Argument: recurring records. A quarter weekly, the rest monthly (some on
// the last day of the month), all last entered five years ago.
void addRecurringRecords(LibraryDocument& document, int count, QDate today) {
    const KeywordList& keywords = document.root()->keywords();
    for (int i = 0; i < count; ++i) {
        RecurringRecordPtr recurring = RecurringRecord::create();
        recurring->setAmount(Amount::fromParts(-(1000 + i * 37), -2));
        recurring->setComment(QStringLiteral("Standing order %1").arg(i));
        recurring->setKeywords({keywords[std::size_t(i) % keywords.size()]});
        RecurrenceRule rule;
        rule.setStart(today.addYears(-6).addDays(i % 28));
        if (i % 4 == 0) {
            rule.setUnit(RecurrenceRule::Unit::Weeks);
        } else {
            rule.setMonthDay(i % 7 == 0 ? RecurrenceRule::lastDayOfMonth : 1 + i % 28);
        }
        recurring->setRule(rule);
        recurring->setLastEntered(today.addYears(-5));
        document.addRecurringRecord(recurring);
    }
}

void BM_RecurringDue(benchmark::State& state) {
    const QDate today = Clock::today();
    LibraryDocument document(SyntheticLibrary::build(1'000'000, 23));
    addRecurringRecords(document, int(state.range(0)), today);
    std::size_t entered = 0;
    for (auto _ : state) {
        entered = document.enterDueRecurringRecords(today).size();
        state.PauseTiming();
        document.undoStack()->undo();
        state.ResumeTiming();
    }
    state.counters["entered"] = double(entered);
}

} // namespace

BENCHMARK(BM_RecurringDue)->Arg(200)->ArgName("recurring")->Unit(benchmark::kMillisecond);
