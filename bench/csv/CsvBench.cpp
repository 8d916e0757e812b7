// Speed of CSV import and export at the sizes users reach: a bank's years of
// statements brought into a lifetime's library, and a lifetime exported.
#include "../SyntheticLibrary.h"
#include "../SyntheticStatement.h"

#include "CsvImportPlan.h"
#include "CsvReader.h"
#include "CsvRecordWriter.h"
#include "LibraryDocument.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

// 100,000 rows: records of another library, with every tenth row one the
// big library holds already, so the duplicate check compares comments too.
const QString& importFile(const DataRoot& library, std::size_t rows) {
    static QString path;
    if (path.isEmpty()) {
        const DataRootPtr other = SyntheticLibrary::build(rows, 7);
        IOList records = other->mainLibrary()->records();
        for (std::size_t i = 0; i < records.size(); i += 10) {
            records[i] = library.mainLibrary()->records()[i * 7 % library.mainLibrary()->count()];
        }
        path = folder().filePath(QStringLiteral("statement.csv"));
        CsvRecordWriter writer;
        if (!writer.write(records, path)) {
            throw std::runtime_error("cannot write the CSV file");
        }
    }
    return path;
}

void BM_CsvImport(benchmark::State& state) {
    const DataRootPtr& root = SyntheticLibrary::shared(1'000'000);
    const QString& path = importFile(*root, std::size_t(state.range(0)));
    LibraryDocument document(root);
    std::size_t added = 0;
    for (auto _ : state) {
        CsvReader reader;
        if (!reader.readFile(path)) {
            state.SkipWithError("the file does not read");
            break;
        }
        auto table = std::make_shared<const CsvTable>(reader.takeTable());
        const CsvImportPlan plan(table, CsvRecordMapping::guess(*table), *root);
        const CsvImportPlan::Batch batch = plan.makeRecords(*root);
        document.importRecords(batch.records, batch.newKeywords);
        added = batch.records.size();

        state.PauseTiming();
        document.undoStack()->undo();
        document.undoStack()->clear();
        state.ResumeTiming();
    }
    state.counters["added"] = double(added);
}

// What the import dialog works out in the background once a statement of a
// million rows is chosen: the whole file read, and every row planned against
// a library of a million records, duplicates marked.
void BM_CsvPlan(benchmark::State& state) {
    const DataRootPtr& root = SyntheticLibrary::shared(1'000'000);
    QFile file(SyntheticStatement::path(*root, std::size_t(state.range(0))));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("the statement does not open");
        return;
    }
    const QByteArray bytes = file.readAll();
    std::size_t duplicates = 0;
    // Where the time goes, in milliseconds of the last iteration.
    QElapsedTimer clock;
    double readMs = 0;
    double copyMs = 0;
    double guessMs = 0;
    double planMs = 0;
    for (auto _ : state) {
        clock.start();
        CsvReader reader;
        if (!reader.read(QByteArrayView(bytes))) {
            state.SkipWithError("the statement does not read");
            break;
        }
        auto table = std::make_shared<const CsvTable>(reader.takeTable());
        readMs = double(clock.nsecsElapsed()) / 1e6;
        // As the dialog does it: the library copied, then the plan made from the copy.
        const CsvKnownRecords known(*root->mainLibrary());
        copyMs = double(clock.nsecsElapsed()) / 1e6 - readMs;
        // The guess looks at every row for the days; the dialog looks at every row again once they are read.
        const CsvRecordMapping mapping = CsvRecordMapping::guess(*table, reader.separator());
        guessMs = double(clock.nsecsElapsed()) / 1e6 - readMs - copyMs;
        const CsvImportPlan plan(table, mapping, known);
        planMs = double(clock.nsecsElapsed()) / 1e6 - readMs - copyMs - guessMs;
        duplicates = plan.duplicateCount();
    }
    state.counters["duplicates"] = double(duplicates);
    state.counters["bytes"] = double(bytes.size());
    state.counters["read_ms"] = readMs;
    state.counters["copy_ms"] = copyMs;
    state.counters["guess_ms"] = guessMs;
    state.counters["plan_ms"] = planMs;
}

void BM_CsvExport(benchmark::State& state) {
    const DataRootPtr& root = SyntheticLibrary::shared(std::size_t(state.range(0)));
    const QString path = folder().filePath(QStringLiteral("export.csv"));
    for (auto _ : state) {
        CsvRecordWriter writer;
        if (!writer.write(root->mainLibrary()->records(), path)) {
            state.SkipWithError("the file cannot be written");
            break;
        }
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}

} // namespace

BENCHMARK(BM_CsvImport)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CsvPlan)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CsvExport)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
