#pragma once

#include "DataFile.h"
#include "KeshApp.h"
#include "MainWindow.h"
#include "SyntheticLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <memory>

// kesh as started from a desktop: one program name, no arguments.
struct Launch {
    int argc = 1;
    char name[5] = "kesh";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<KeshApp> app;

    bool start() {
        app = std::make_unique<KeshApp>(argc, argv);
        if (!app->init()) {
            return false;
        }
        app->loadInterface();
        return true;
    }
    // Starts kesh, or marks the benchmark as failed when it would not start.
    bool startFor(benchmark::State& state) {
        if (start()) {
            return true;
        }
        state.SkipWithError("kesh did not start");
        return false;
    }
    QMainWindow* window() const { return app->mainWindow(); }
    // The queued reload a change ends in, then the window drawn again.
    void settle() const {
        QCoreApplication::processEvents();
        window()->repaint();
    }
    // Until the window is on screen and every pixel of it drawn.
    void paint() const {
        while (!window()->windowHandle() || !window()->windowHandle()->isExposed()) {
            QCoreApplication::processEvents();
        }
        window()->repaint();
    }
};

// A data file of this many records in the benchmark's home folder, written
// once per size; one record of which size is on disk for every benchmark.
inline void writeLibrary(std::size_t records) {
    static std::size_t written = 0;
    if (written == records) {
        return;
    }
    QFile::remove(DataFile::defaultPath());
    QFile::remove(DataFile::backupPath(DataFile::defaultPath()));
    QDir().mkpath(QDir::homePath() + QStringLiteral("/Library"));
    const DataRootPtr root = SyntheticLibrary::build(records);
    DataFile file;
    if (!file.save(*root)) {
        qFatal("cannot write the library: %s", qPrintable(file.errorString()));
    }
    written = records;
}
