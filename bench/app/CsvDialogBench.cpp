// How soon the CSV import dialog shows a big statement's first rows.
#include "AppLaunch.h"
#include "CsvImport.h"
#include "CsvImportDialog.h"
#include "SyntheticStatement.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTableView>
#include <QTimer>

namespace {

// From the file chosen to its first rows drawn in the dialog, against a
// library of a million records.
void BM_CsvDialogOpen(benchmark::State& state) {
    writeLibrary(1'000'000);
    Launch launch;
    if (!launch.startFor(state)) {
        return;
    }
    const QString& path = SyntheticStatement::path(*launch.app->dataRoot(), std::size_t(state.range(0)));
    for (auto _ : state) {
        QElapsedTimer clock;
        double shownAfter = -1;
        QTimer poll;
        poll.setInterval(0);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<CsvImportDialog*>(QApplication::activeModalWidget());
            auto* rows = dialog ? dialog->findChild<QTableView*>(QStringLiteral("fileTableView")) : nullptr;
            if (!rows || rows->model()->rowCount() == 0 || !dialog->windowHandle()->isExposed()) {
                return;
            }
            rows->repaint();
            shownAfter = double(clock.nsecsElapsed()) / 1e9;
            poll.stop();
            dialog->reject();
        });
        poll.start();
        clock.start();
        CsvImport(launch.app->document(), launch.window()).runWithFile(path);
        if (shownAfter < 0) {
            state.SkipWithError("the dialog showed no rows");
            break;
        }
        state.SetIterationTime(shownAfter);
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}

} // namespace

BENCHMARK(BM_CsvDialogOpen)->Arg(1'000'000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
