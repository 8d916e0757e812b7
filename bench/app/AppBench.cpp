#include "AppLaunch.h"
#include "Autosaver.h"
#include "BookListController.h"
#include "CustomTableView.h"
#include "DataFile.h"
#include "GraphWindow.h"
#include "IOTableModel.h"
#include "KeshApp.h"
#include "LedgerChartView.h"
#include "LibraryDocument.h"
#include "MainWindow.h"
#include "ProcessMemory.h"
#include "RecordTableView.h"
#include "SyntheticLibrary.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QUndoStack>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <thread>

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

IOTableModel* recordModel(const Launch& launch) {
    return qobject_cast<IOTableModel*>(launch.app->mainWindow()->ioListView()->model());
}

// Where start-up spends its time: the application object, reading the
// library (with the comment suggestions), the windows and their first
// reload, the first paint. Reported as counters of the last round.
void BM_StartupPhases(benchmark::State& state) {
    writeLibrary(std::size_t(state.range(0)));
    for (auto _ : state) {
        Launch launch;
        QElapsedTimer clock;
        clock.start();
        launch.app = std::make_unique<KeshApp>(launch.argc, launch.argv);
        const double made = double(clock.nsecsElapsed()) / 1e6;
        if (!launch.app->init()) {
            state.SkipWithError("kesh did not start");
            break;
        }
        const double read = double(clock.nsecsElapsed()) / 1e6;
        launch.app->loadInterface();
        const double windows = double(clock.nsecsElapsed()) / 1e6;
        launch.paint();
        const double painted = double(clock.nsecsElapsed()) / 1e6;
        state.counters["app_ms"] = made;
        state.counters["read_ms"] = read - made;
        state.counters["windows_ms"] = windows - read;
        state.counters["paint_ms"] = painted - windows;
        state.PauseTiming();
        launch.app.reset();
        state.ResumeTiming();
    }
}

// One amount of the main library edited in its cell: the row and the totals follow.
void BM_CellEdit(benchmark::State& state) {
    writeLibrary(std::size_t(state.range(0)));
    Launch launch;
    if (!launch.startFor(state)) {
        return;
    }
    launch.paint();
    IOTableModel* model = recordModel(launch);
    const QModelIndex cell = model->index(0, IOTableModel::AmountColumn);
    int cents = 0;
    for (auto _ : state) {
        model->setData(cell, QString::number(++cents % 1000) + QStringLiteral(".25"), Qt::EditRole);
        launch.settle();
    }
    state.counters["records"] = double(model->rowCount());
}

// Undoing one amount edit, then redoing it outside the clock.
void BM_UndoCellEdit(benchmark::State& state) {
    writeLibrary(std::size_t(state.range(0)));
    Launch launch;
    if (!launch.startFor(state)) {
        return;
    }
    launch.paint();
    IOTableModel* model = recordModel(launch);
    model->setData(model->index(0, IOTableModel::AmountColumn), QStringLiteral("12.34"), Qt::EditRole);
    launch.settle();
    QUndoStack* stack = launch.app->document()->undoStack();
    for (auto _ : state) {
        stack->undo();
        launch.settle();
        state.PauseTiming();
        stack->redo();
        launch.settle();
        state.ResumeTiming();
    }
}

// Undoing the deletion of 100,000 records from the main library; the memory
// the library takes before, after the deletion and after the undo.
void BM_UndoDeleteRecords(benchmark::State& state) {
    writeLibrary(std::size_t(state.range(0)));
    Launch launch;
    if (!launch.startFor(state)) {
        return;
    }
    launch.paint();
    const qint64 before = ProcessMemory::kilobytes("VmRSS:");
    const BookPtr library = launch.app->dataRoot()->mainLibrary();
    IOList doomed;
    for (std::size_t i = 0; i < library->count(); i += 10) {
        doomed.push_back(library->objectAtIndex(i));
    }
    LibraryDocument* document = launch.app->document();
    QUndoStack* stack = document->undoStack();
    document->deleteRecords(library, doomed);
    launch.settle();
    doomed.clear();
    const qint64 deleted = ProcessMemory::kilobytes("VmRSS:");
    for (auto _ : state) {
        stack->undo();
        launch.settle();
        state.PauseTiming();
        stack->redo();
        launch.settle();
        state.ResumeTiming();
    }
    stack->undo();
    launch.settle();
    state.counters["deleted"] = double(library->count() / 10);
    state.counters["rss_before_MB"] = double(before) / 1024.0;
    state.counters["rss_deleted_MB"] = double(deleted) / 1024.0;
    state.counters["rss_undone_MB"] = double(ProcessMemory::kilobytes("VmRSS:")) / 1024.0;
}

// The longest the event loop waits on one autosave: a change, then the save
// the pause after it starts, with the loop turned every millisecond.
void BM_AutosavePause(benchmark::State& state) {
    writeLibrary(std::size_t(state.range(0)));
    Launch launch;
    if (!launch.startFor(state)) {
        return;
    }
    launch.paint();
    IOTableModel* model = recordModel(launch);
    Autosaver* autosaver = launch.app->autosaver();
    QUndoStack* stack = launch.app->document()->undoStack();
    double longest = 0;
    int cents = 0;
    for (auto _ : state) {
        state.PauseTiming();
        model->setData(model->index(0, IOTableModel::AmountColumn), QString::number(++cents) + QStringLiteral(".5"),
                       Qt::EditRole);
        launch.settle();
        state.ResumeTiming();
        // The idle wait is not measured: the save starts at once.
        QElapsedTimer turn;
        turn.start();
        autosaver->startSave();
        double slowest = double(turn.nsecsElapsed()) / 1e6;
        while (!stack->isClean()) {
            turn.restart();
            QCoreApplication::processEvents();
            slowest = std::max(slowest, double(turn.nsecsElapsed()) / 1e6);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        longest = std::max(longest, slowest);
        state.SetIterationTime(slowest / 1000.0);
    }
    state.counters["longest_ms"] = longest;
}

} // namespace

BENCHMARK(BM_CellEdit)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoCellEdit)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoDeleteRecords)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_AutosavePause)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_SearchKeystroke)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupPhases)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_StartupToWindow)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_StartupToWindow)->Arg(100'000)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_SearchKeystroke)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveOnQuit)->Arg(100'000)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_GraphReload)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_SelectBook)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->MinTime(3.0);
