#include "AppLaunch.h"
#include "BookListController.h"
#include "CustomTableView.h"
#include "DataFile.h"
#include "KeshApp.h"
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
BENCHMARK(BM_SelectBook)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->MinTime(3.0);
