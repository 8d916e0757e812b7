#include "AppLaunch.h"
#include "EntryForm.h"
#include "IOWindowController.h"
#include "KeywordListModel.h"
#include "KeywordViewController.h"
#include "KeywordWindowController.h"
#include "RecordTableView.h"
#include "TextSuggestion.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

namespace {

void BM_EnterRecord(benchmark::State& state) {
    writeLibrary(std::size_t(state.range(0)));
    Launch launch;
    if (!launch.startFor(state)) {
        return;
    }
    launch.paint();
    EntryForm* form = launch.app->ioWindowController()->form();
    for (auto _ : state) {
        form->amountField()->setText(QStringLiteral("-12.50"));
        form->commentField()->setText(QStringLiteral("Coffee"));
        if (!form->enter()) {
            state.SkipWithError("the record was refused");
            break;
        }
        // The table and the totals follow on the next turn of the event loop.
        launch.settle();
    }
    state.counters["records"] = double(launch.app->dataRoot()->mainLibrary()->count());
}

void BM_TickKeyword(benchmark::State& state) {
    writeLibrary(std::size_t(state.range(0)));
    Launch launch;
    if (!launch.startFor(state)) {
        return;
    }
    launch.paint();
    KeywordWindowController* keywords = launch.app->keywordWindowController();
    keywords->toggleWindow();
    RecordTableView* table = launch.app->mainWindow()->ioListView();
    const QAbstractItemModel* rows = table->model();
    table->selectionModel()->select(QItemSelection(rows->index(0, 0), rows->index(9'999, rows->columnCount() - 1)),
                                    QItemSelectionModel::ClearAndSelect);
    KeywordListModel* boxes = keywords->keywordView()->model();
    const QModelIndex box = boxes->index(0, KeywordListModel::IncludedColumn);
    bool on = false;
    for (auto _ : state) {
        on = !on;
        boxes->setData(box, on ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
        launch.settle();
        keywords->window()->repaint();
    }
    state.counters["selected"] = double(keywords->keywordView()->records().size());
}

void BM_CommentCompletion(benchmark::State& state) {
    writeLibrary(100'000);
    Launch launch;
    if (!launch.startFor(state)) {
        return;
    }
    TextSuggestion& suggestions = launch.app->commentSuggestion();
    for (int n = 0; suggestions.array().size() < state.range(0); ++n) {
        suggestions.addWord(QStringLiteral("stored comment %1").arg(n));
    }
    EntryForm* form = launch.app->ioWindowController()->form();
    QLineEdit* comment = form->commentField();
    comment->setFocus();
    // A letter no stored comment begins with: every entry is looked at.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("§"));
    QKeyEvent digit(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
    for (auto _ : state) {
        state.PauseTiming();
        comment->clear();
        // Typed elsewhere last, so the keystroke below is completed even though
        // it repeats the one before.
        form->amountField()->clear();
        QCoreApplication::sendEvent(form->amountField(), &digit);
        state.ResumeTiming();
        QCoreApplication::sendEvent(comment, &press);
    }
    state.counters["comments"] = double(suggestions.array().size());
}

// The first keystroke after start-up puts the comments in order once.
void BM_FirstCommentCompletion(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        TextSuggestion suggestions;
        for (int n = 0; n < state.range(0); ++n) {
            suggestions.addWord(QStringLiteral("stored comment %1").arg((n * 7919) % state.range(0)));
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(suggestions.search(QStringLiteral("§")));
    }
}

void BM_KeywordSearch(benchmark::State& state) {
    writeLibrary(std::size_t(state.range(0)));
    Launch launch;
    if (!launch.startFor(state)) {
        return;
    }
    launch.paint();
    KeywordWindowController* keywords = launch.app->keywordWindowController();
    QTableView* view = keywords->keywordView()->keywordView();
    const QAbstractItemModel* names = view->model();
    for (int row : {0, 1}) {
        view->selectionModel()->select(names->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    for (auto _ : state) {
        state.PauseTiming();
        keywords->showAll();
        state.ResumeTiming();
        keywords->searchBySelectedKeywords();
        launch.window()->repaint();
    }
    state.counters["rows"] = double(launch.app->dataRoot()->mainLibrary()->filteredCount());
}

} // namespace

BENCHMARK(BM_EnterRecord)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TickKeyword)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CommentCompletion)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstCommentCompletion)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeywordSearch)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
