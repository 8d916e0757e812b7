#include "HeapTuning.h"
#include "ProcessMemory.h"

#include <QCoreApplication>
#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdio>

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
    ProcessMemory::printPeak();
    return 0;
}
