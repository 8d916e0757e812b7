// The whole start-up as a user meets it: from launching the kesh program to
// its window shown and its main thread idle. The in-process start-up bench
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
#include <optional>
#include <thread>

namespace {

// Asks the running kesh to come to the front until it answers. It answers as
// soon as it listens, before its library is read, so the answer only tells
// that this launch is the one running.
bool waitForAnswer(QProcess& process) {
    while (process.state() != QProcess::NotRunning) {
        if (RunningInstance::askToShow(DataFile::defaultPath(), 1000)) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

// Nanoseconds the process's main thread has run, or nothing once it is gone.
std::optional<qint64> mainThreadRunTime(qint64 pid) {
    QFile file(QStringLiteral("/proc/%1/schedstat").arg(pid));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    bool ok = false;
    const qint64 ran = file.readAll().split(' ').value(0).toLongLong(&ok);
    return ok ? std::optional<qint64>(ran) : std::nullopt;
}

// Waits until kesh's main thread has not run for a while, and gives the time
// on `clock` when it last ran: then its window was shown and it had nothing
// left to do. Nothing if kesh ended first.
std::optional<qint64> waitUntilIdle(QProcess& process, const QElapsedTimer& clock) {
    constexpr qint64 quietNs = 300'000'000;
    qint64 lastRan = -1;
    qint64 lastChange = clock.nsecsElapsed();
    while (process.state() != QProcess::NotRunning) {
        const std::optional<qint64> ran = mainThreadRunTime(process.processId());
        const qint64 now = clock.nsecsElapsed();
        if (!ran) {
            return std::nullopt;
        }
        if (*ran != lastRan) {
            lastRan = *ran;
            lastChange = now;
        } else if (now - lastChange >= quietNs) {
            return lastChange;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    return std::nullopt;
}

// Resident memory of another process, in KiB.
qint64 residentKilobytes(qint64 pid) {
    QFile file(QStringLiteral("/proc/%1/status").arg(pid));
    return file.open(QIODevice::ReadOnly) ? ProcessMemory::kilobytes(file.readAll(), "VmRSS:") : 0;
}

// Also tells what kesh holds with its window shown.
void BM_ProcessStartToWindow(benchmark::State& state) {
    const auto records = std::size_t(state.range(0));
    writeLibrary(records);
    qint64 resident = 0;
    for (auto _ : state) {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer clock;
        clock.start();
        process.start(QStringLiteral(KESH_PROGRAM), {});
        const bool answered = waitForAnswer(process);
        const std::optional<qint64> idleAt = answered ? waitUntilIdle(process, clock) : std::nullopt;
        if (idleAt) {
            state.SetIterationTime(double(*idleAt) / 1e9);
            resident = std::max(resident, residentKilobytes(process.processId()));
        }
        process.kill();
        process.waitForFinished();
        // A killed kesh leaves its lock behind; the next launch must not find it.
        QFile::remove(DataFile::lockPath(DataFile::defaultPath()));
        if (!idleAt) {
            state.SkipWithError("kesh ended before its window was shown");
            break;
        }
    }
    state.counters["rss_MiB"] = double(resident) / 1024.0;
}

} // namespace

// One launch per repetition, ten of them: the median is the figure to read,
// as a launch now and then meets a busy machine.
BENCHMARK(BM_ProcessStartToWindow)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ProcessStartToWindow)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
