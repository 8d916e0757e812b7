#include "HeapTuning.h"
#include "ProcessMemory.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

// Every benchmark starts its own KeshApp, so no application is made here.
// kesh runs in a home folder of its own on the offscreen platform, so no
// real library or preferences are touched.
int main(int argc, char** argv) {
    // Measured as both programs run.
    HeapTuning::useHugePages(argv);
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/kesh-bench-XXXXXX"));
    const QByteArray path = QFile::encodeName(home.path());
    qputenv("HOME", path);
    qputenv("XDG_CONFIG_HOME", path + "/.config");
    qputenv("XDG_RUNTIME_DIR", path + "/.runtime");
    QDir().mkpath(home.path() + QStringLiteral("/.runtime"));
    QFile::setPermissions(home.path() + QStringLiteral("/.runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "1");

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ProcessMemory::printPeak();
    return 0;
}
