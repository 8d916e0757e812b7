#include "HeapTuning.h"

#include <QCoreApplication>
#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {
// Peak resident memory of this process, from the kernel's own count.
void printPeakMemory() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return;
    }
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith("VmHWM:")) {
            std::printf("Peak resident memory (%s)\n", line.simplified().constData());
        }
    }
}
} // namespace

int main(int argc, char** argv) {
    // Measured as both programs run.
    HeapTuning::useHugePages(argv);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printPeakMemory();
    return 0;
}
