#include "BookListController.h"
#include "CustomTableView.h"
#include "DataFile.h"
#include "GraphWindow.h"
#include "KeshApp.h"
#include "LedgerChartView.h"
#include "MainWindow.h"
#include "SyntheticLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

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
    // Until the window is on screen and every pixel of it drawn.
    void paint() const {
        while (!window()->windowHandle() || !window()->windowHandle()->isExposed()) {
            QCoreApplication::processEvents();
        }
        window()->repaint();
    }
};

// A data file of this many records in the benchmark's home folder, written once per size.
void writeLibrary(std::size_t records) {
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

void BM_StartupToWindow(benchmark::State& state) {
    writeLibrary(std::size_t(state.range(0)));
    for (auto _ : state) {
        Launch launch;
        if (!launch.startFor(state)) {
            break;
        }
        launch.paint();
        state.PauseTiming();
        launch.app.reset();
        state.ResumeTiming();
    }
}

void BM_SearchKeystroke(benchmark::State& state) {
    writeLibrary(std::size_t(state.range(0)));
    Launch launch;
    if (!launch.startFor(state)) {
        return;
    }
    launch.paint();
    QLineEdit* field = launch.window()->findChild<QLineEdit*>(QStringLiteral("searchField"));
    field->setFocus();
    bool typed = false;
    for (auto _ : state) {
        // One keystroke each: a letter, then the erase key that takes it back.
        QKeyEvent press(QEvent::KeyPress, typed ? Qt::Key_Backspace : Qt::Key_G, Qt::NoModifier,
                        typed ? QString() : QStringLiteral("G"));
        QCoreApplication::sendEvent(field, &press);
        typed = !typed;
        launch.window()->repaint();
    }
    state.counters["rows"] = double(launch.app->dataRoot()->mainLibrary()->filteredCount());
}

void BM_SelectBook(benchmark::State& state) {
    writeLibrary(std::size_t(state.range(0)));
    Launch launch;
    if (!launch.startFor(state)) {
        return;
    }
    launch.paint();
    CustomTableView* books = launch.app->mainWindow()->bookListView();
    BookListController* controller = launch.app->bookListController();
    const int plainRow = int(controller->rowOfBook(launch.app->dataRoot()->dumbBooks().front().get()));
    for (auto _ : state) {
        state.PauseTiming();
        books->selectRow(plainRow);
        state.ResumeTiming();
        books->selectRow(0);
        benchmark::DoNotOptimize(launch.app->mainWindow()->recordCountLabel()->text());
    }
    state.counters["records"] = double(launch.app->dataRoot()->mainLibrary()->count());
}

// The main library selected with the graph window open: the reload, the
// graph's sums and the graph painted. BM_SelectBook is the same without the graph.
void BM_GraphReload(benchmark::State& state) {
    writeLibrary(std::size_t(state.range(0)));
    Launch launch;
    if (!launch.startFor(state)) {
        return;
    }
    launch.paint();
    launch.app->toggleGraphWindow();
    GraphWindow* graph = launch.app->graphWindow();
    while (!graph->windowHandle() || !graph->windowHandle()->isExposed()) {
        QCoreApplication::processEvents();
    }
    CustomTableView* books = launch.app->mainWindow()->bookListView();
    BookListController* controller = launch.app->bookListController();
    const int plainRow = int(controller->rowOfBook(launch.app->dataRoot()->dumbBooks().front().get()));
    for (auto _ : state) {
        state.PauseTiming();
        books->selectRow(plainRow);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        books->selectRow(0);
        // The chart lays itself out on posted events; then every pixel of it is drawn.
        QCoreApplication::sendPostedEvents();
        graph->chartView()->viewport()->repaint();
    }
    state.counters["periods"] = double(graph->totals().periods().size());
}

void BM_SaveOnQuit(benchmark::State& state) {
    writeLibrary(std::size_t(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        Launch launch;
        if (!launch.startFor(state)) {
            break;
        }
        state.ResumeTiming();
        if (!launch.app->terminate()) {
            state.SkipWithError("the library was not saved");
        }
        state.PauseTiming();
        launch.app.reset();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_StartupToWindow)->Arg(100'000)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_SearchKeystroke)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveOnQuit)->Arg(100'000)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_GraphReload)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_SelectBook)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->MinTime(3.0);
