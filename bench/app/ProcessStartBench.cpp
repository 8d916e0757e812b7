// The whole start-up as a user meets it: from launching the kesh program to
// its window answering from the event loop. The in-process start-up bench
// leaves out process start, the heap set-up and Qt's first platform and font
// loading; this one counts them.

#include "AppLaunch.h"
#include "ProcessMemory.h"
#include "RunningInstance.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

// Asks the running kesh to come to the front until it answers: it answers
// once its window is shown and its event loop runs.
bool waitForAnswer(QProcess& process) {
    while (process.state() != QProcess::NotRunning) {
        if (RunningInstance::askToShow(DataFile::defaultPath(), 1000)) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

// Resident memory of another process, in KiB.
qint64 residentKilobytes(qint64 pid) {
    QFile file(QStringLiteral("/proc/%1/status").arg(pid));
    return file.open(QIODevice::ReadOnly) ? ProcessMemory::kilobytes(file.readAll(), "VmRSS:") : 0;
}

// Also tells what kesh holds with its window shown: all of it, and per record.
void BM_ProcessStartToWindow(benchmark::State& state) {
    const auto records = std::size_t(state.range(0));
    writeLibrary(records);
    qint64 resident = 0;
    for (auto _ : state) {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral(KESH_PROGRAM), {});
        const bool answered = waitForAnswer(process);
        state.PauseTiming();
        resident = std::max(resident, residentKilobytes(process.processId()));
        process.kill();
        process.waitForFinished();
        // A killed kesh leaves its lock behind; the next launch must not find it.
        QFile::remove(DataFile::lockPath(DataFile::defaultPath()));
        state.ResumeTiming();
        if (!answered) {
            state.SkipWithError("kesh ended before its window answered");
            break;
        }
    }
    state.counters["rss_MiB"] = double(resident) / 1024.0;
}

} // namespace

BENCHMARK(BM_ProcessStartToWindow)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ProcessStartToWindow)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(10);
