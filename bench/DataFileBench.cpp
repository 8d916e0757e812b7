#include "DataFileReader.h"
#include "DataFileWriter.h"
#include "ProcessMemory.h"
#include "SyntheticLibrary.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>

#include <unistd.h>

namespace {

constexpr const char* childVariable = "KESH_DATAFILE_BENCH_READ";

QTemporaryDir& benchDir() {
    static QTemporaryDir dir;
    return dir;
}

// One file per library size, written once.
QString writtenFile(std::size_t records) {
    static std::map<std::size_t, QString> files;
    auto found = files.find(records);
    if (found != files.end()) {
        return found->second;
    }
    const QString path = benchDir().filePath(QStringLiteral("Kesh Data %1").arg(records));
    DataFileWriter writer;
    if (!writer.writeFile(*SyntheticLibrary::shared(records), path)) {
        std::fprintf(stderr, "%s\n", qPrintable(writer.errorString()));
        std::abort();
    }
    return files.emplace(records, path).first->second;
}

// In a fresh process started by BM_DataFileReadMemory: reads the file named
// by the variable and prints resident memory before, at the peak and after.
// Runs before main, so nothing of the benchmark process is in the figures.
const bool childDone = [] {
    const char* path = std::getenv(childVariable);
    if (!path) {
        return false;
    }
    const qint64 before = ProcessMemory::kilobytes(ProcessMemory::status(), "VmRSS:");
    QElapsedTimer timer;
    timer.start();
    DataFileReader reader;
    const bool ok = reader.readFile(QFile::decodeName(path));
    const qint64 elapsed = timer.nsecsElapsed();
    const QByteArray status = ProcessMemory::status();
    std::printf("%d %lld %lld %lld %lld\n", ok ? 1 : 0, before, ProcessMemory::kilobytes(status, "VmHWM:"),
                ProcessMemory::kilobytes(status, "VmRSS:"), elapsed);
    std::fflush(stdout);
    std::_Exit(0);
}();

void BM_DataFileWrite(benchmark::State& state) {
    const auto records = std::size_t(state.range(0));
    const DataRootPtr& root = SyntheticLibrary::shared(records);
    const QString path = benchDir().filePath(QStringLiteral("Written %1").arg(records));
    DataFileWriter writer;
    for (auto _ : state) {
        if (!writer.writeFile(*root, path)) {
            state.SkipWithError(qPrintable(writer.errorString()));
            return;
        }
    }
    state.counters["bytes_per_record"] = double(QFileInfo(path).size()) / double(records);
    state.counters["file_MB"] = double(QFileInfo(path).size()) / 1e6;
    state.SetItemsProcessed(qint64(state.iterations()) * qint64(records));
}

void BM_DataFileRead(benchmark::State& state) {
    const auto records = std::size_t(state.range(0));
    const QString path = writtenFile(records);
    DataFileReader reader;
    for (auto _ : state) {
        if (!reader.readFile(path)) {
            state.SkipWithError(qPrintable(reader.errorString()));
            return;
        }
        benchmark::DoNotOptimize(reader.root().get());
        // Freeing a library is not part of reading one.
        state.PauseTiming();
        reader = DataFileReader();
        state.ResumeTiming();
    }
    state.counters["bytes_per_record"] = double(QFileInfo(path).size()) / double(records);
    state.SetItemsProcessed(qint64(state.iterations()) * qint64(records));
}

// Peak memory of reading against the memory of the library read, measured
// in a fresh process so that nothing else is resident; and the time of that
// first read, into memory the process has never touched, as at start-up.
void BM_DataFileReadMemory(benchmark::State& state) {
    const auto records = std::size_t(state.range(0));
    const QString path = writtenFile(records);
    double library = 0;
    double peak = 0;
    double coldMilliseconds = 0;
    for (auto _ : state) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(childVariable), path);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        child.waitForFinished(-1);
        const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
        if (figures.size() != 5 || figures[0] != "1") {
            state.SkipWithError("the reading process failed");
            return;
        }
        const double before = figures[1].toDouble();
        peak = (figures[2].toDouble() - before) / 1024.0;
        library = (figures[3].toDouble() - before) / 1024.0;
        coldMilliseconds += figures[4].toDouble() / 1e6 / double(state.max_iterations);
    }
    state.counters["library_MB"] = library;
    state.counters["library_bytes_per_record"] = library * 1024.0 * 1024.0 / double(records);
    state.counters["peak_MB"] = peak;
    state.counters["peak_ratio"] = library > 0 ? peak / library : 0;
    state.counters["cold_read_ms"] = coldMilliseconds;
}

} // namespace

BENCHMARK(BM_DataFileWrite)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
// Long enough for several reads at every size: a single first read is mostly
// the kernel handing out fresh memory (BM_DataFileReadMemory shows that one).
BENCHMARK(BM_DataFileRead)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_DataFileReadMemory)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
