#include "AmountCondition.h"
#include "AndConditions.h"
#include "BookListController.h"
#include "CommentCondition.h"
#include "ConditionControlBox.h"
#include "ConditionEditWindow.h"
#include "ConditionEditWindowController.h"
#include "DataFile.h"
#include "GroupConditionView.h"
#include "KeshApp.h"
#include "LibraryDocument.h"
#include "MainWindow.h"
#include "OrConditions.h"
#include "SingleConditionView.h"
#include "SyntheticLibrary.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct EditorLaunch {
    int argc = 1;
    char name[5] = "kesh";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<KeshApp> app;

    bool start(benchmark::State& state, std::size_t records) {
        QFile::remove(DataFile::defaultPath());
        QDir().mkpath(QDir::homePath() + QStringLiteral("/Library"));
        DataFile file;
        if (!file.save(*SyntheticLibrary::build(records))) {
            state.SkipWithError("cannot write the library");
            return false;
        }
        app = std::make_unique<KeshApp>(argc, argv);
        if (!app->init()) {
            state.SkipWithError("kesh did not start");
            return false;
        }
        app->loadInterface();
        return true;
    }
    ConditionEditWindowController* editor() const { return app->conditionEditWindowController(); }
    // Opens the sheet on the book, runs `inSheet` once it shows, then closes it.
    void inSheet(const SmartBookPtr& book, const std::function<void(ConditionEditWindow&)>& inSheet) {
        editor()->editSmartPlaylist(book);
        QTimer::singleShot(0, editor(), [this, inSheet] {
            inSheet(*editor()->window());
            if (editor()->window()) {
                editor()->cancelClicked();
            }
        });
        editor()->openWindowAsSheetOf(app->mainWindow());
    }
};

// 200 comment rows in 40 groups nested one in the next, AND and OR by turns.
ConditionPtr deepTree() {
    std::shared_ptr<ConditionGroup> outer;
    for (int level = 39; level >= 0; --level) {
        std::shared_ptr<ConditionGroup> group;
        if (level % 2 == 0) {
            group = AndConditions::create();
        } else {
            group = OrConditions::create();
        }
        for (int row = 0; row < 5; ++row) {
            auto leaf = CommentCondition::create();
            leaf->setConditionTypeCode(Condition::Includes);
            leaf->setObject(QStringLiteral("row %1.%2").arg(level).arg(row));
            group->addCondition(leaf);
        }
        if (outer) {
            group->addCondition(outer);
        }
        outer = group;
    }
    return outer;
}

SmartBookPtr bookWith(ConditionPtr tree) {
    const SmartBookPtr book = SmartBook::create();
    book->setConditions(std::move(tree));
    return book;
}

// The innermost group of the tree: down through each group's last child.
GroupConditionView* deepestGroup(ConditionView* view) {
    auto* group = qobject_cast<GroupConditionView*>(view);
    while (group && !group->children().isEmpty()) {
        auto* inner = qobject_cast<GroupConditionView*>(group->children().back());
        if (!inner) {
            break;
        }
        group = inner;
    }
    return group;
}

void BM_OpenConditionEditor(benchmark::State& state) {
    EditorLaunch launch;
    if (!launch.start(state, 100)) {
        return;
    }
    const SmartBookPtr book = bookWith(deepTree());
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        double seconds = 0;
        launch.inSheet(book, [&](ConditionEditWindow& window) {
            window.repaint();
            seconds = double(timer.nsecsElapsed()) / 1e9;
        });
        state.SetIterationTime(seconds);
    }
}

void BM_ConditionEdit(benchmark::State& state) {
    EditorLaunch launch;
    if (!launch.start(state, 100)) {
        return;
    }
    const SmartBookPtr book = bookWith(deepTree());
    launch.inSheet(book, [&](ConditionEditWindow& window) {
        for (auto _ : state) {
            GroupConditionView* group = deepestGroup(launch.editor()->rootView());
            ConditionView* row = group->children().back();
            QElapsedTimer timer;
            timer.start();
            // " & " nests the row with a new one in an AND group (its group is an OR).
            row->controlBox()->andButton()->click();
            window.repaint();
            state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
            // " - " on the new row dissolves that group again: the next round starts alike.
            auto* nested = static_cast<GroupConditionView*>(group->children().back());
            nested->children().back()->controlBox()->deleteButton()->click();
        }
    });
}

void BM_SmartBookAfterOK(benchmark::State& state) {
    EditorLaunch launch;
    if (!launch.start(state, 1'000'000)) {
        return;
    }
    auto tree = AndConditions::create();
    for (int i = 0; i < 10; ++i) {
        auto leaf = AmountCondition::create();
        leaf->setConditionTypeCode(i % 2 ? Condition::LessThan : Condition::GreaterThan);
        leaf->setObject(Amount::fromInt(i % 2 ? 10'000 + i : -10'000 - i));
        tree->addCondition(leaf);
    }
    const SmartBookPtr book = bookWith(tree);
    launch.app->document()->addSmartBook(book);
    launch.app->bookListController()->reloadData();
    launch.app->bookListController()->selectBook(book);
    // The table is read again once the sheet has closed: that ends the round.
    int tableReads = 0;
    const QAbstractItemModel* table =
        launch.app->mainWindow()->findChild<QAbstractItemView*>(QStringLiteral("ioListView"))->model();
    // The rows follow the change in place: a new layout, or their cells read again.
    QObject::connect(table, &QAbstractItemModel::layoutChanged, [&] { ++tableReads; });
    QObject::connect(table, &QAbstractItemModel::dataChanged, [&] { ++tableReads; });
    int round = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        const int before = tableReads;
        launch.inSheet(book, [&](ConditionEditWindow& sheet) {
            // OK on an unchanged tree changes nothing: the first bound moves each round.
            sheet.findChild<QLineEdit*>(u"amountField"_s)->setText(++round % 2 ? u"-50"_s : u"-10000"_s);
            timer.start();
            launch.editor()->okClicked();
        });
        QCoreApplication::processEvents();
        launch.app->mainWindow()->repaint();
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        if (tableReads == before) {
            state.SkipWithError("the table was not read again after OK");
            break;
        }
    }
    state.counters["records"] = double(book->count());
}

} // namespace

BENCHMARK(BM_OpenConditionEditor)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConditionEdit)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(BM_SmartBookAfterOK)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
