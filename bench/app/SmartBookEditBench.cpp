#include "AmountCondition.h"
#include "AndConditions.h"
#include "AppLaunch.h"
#include "BookListController.h"
#include "DateCondition.h"
#include "IOTableModel.h"
#include "KeshApp.h"
#include "KeywordCondition.h"
#include "LibraryDocument.h"
#include "MainWindow.h"
#include "OrConditions.h"
#include "RecordTableView.h"
#include "SmartBook.h"

#include <benchmark/benchmark.h>

namespace {

// Ten leaves over amount, day and keywords: spending of the last five years
// that carries any of eight keywords.
SmartBookPtr tenLeafBook(const DataRoot& root) {
    auto tree = AndConditions::create();
    auto spent = AmountCondition::create();
    spent->setConditionTypeCode(Condition::LessThan);
    spent->setObject(Amount::fromInt(0));
    tree->addCondition(spent);
    auto recent = DateCondition::create();
    recent->setConditionTypeCode(Condition::WithinLast);
    recent->setObject(Amount::fromInt(5 * 12));
    recent->setPeriodID(DateCondition::Months);
    tree->addCondition(recent);
    auto tagged = OrConditions::create();
    for (std::size_t k = 0; k < 8; ++k) {
        auto keyword = KeywordCondition::create();
        keyword->setConditionTypeCode(Condition::Includes);
        keyword->setObject(root.keywords()[k * 5]);
        tagged->addCondition(keyword);
    }
    tree->addCondition(tagged);
    SmartBookPtr book = SmartBook::create();
    book->setBookName(QStringLiteral("Ten leaves"));
    book->setConditions(tree);
    return book;
}

// kesh on the library with the ten-leaf smart book added and shown.
IOTableModel* showTenLeafBook(Launch& launch) {
    launch.paint();
    const SmartBookPtr book = tenLeafBook(*launch.app->dataRoot());
    launch.app->document()->addSmartBook(book);
    launch.settle();
    launch.app->bookListController()->selectBook(book);
    launch.settle();
    return qobject_cast<IOTableModel*>(launch.app->mainWindow()->ioListView()->model());
}

// kesh started on a library of the bench's size, showing the ten-leaf book; null when it could not.
IOTableModel* startOnTenLeafBook(Launch& launch, benchmark::State& state) {
    writeLibrary(std::size_t(state.range(0)));
    if (!launch.startFor(state)) {
        return nullptr;
    }
    IOTableModel* model = showTenLeafBook(launch);
    if (model->rowCount() == 0) {
        state.SkipWithError("the smart book is empty");
        return nullptr;
    }
    return model;
}

// An amount edited in the smart book: its conditions read amounts, so the book is chosen again.
void BM_CellEditSmartBook(benchmark::State& state) {
    Launch launch;
    IOTableModel* model = startOnTenLeafBook(launch, state);
    if (!model) {
        return;
    }
    int cents = 0;
    for (auto _ : state) {
        // Spending still: the record stays in the book.
        model->setData(model->index(0, IOTableModel::AmountColumn),
                       QStringLiteral("-") + QString::number(++cents % 1000 + 1) + QStringLiteral(".25"), Qt::EditRole);
        launch.settle();
    }
    state.counters["rows"] = double(model->rowCount());
}

// A comment edited in the same book: no condition, order or search reads comments.
void BM_CellEditUnrelatedField(benchmark::State& state) {
    Launch launch;
    IOTableModel* model = startOnTenLeafBook(launch, state);
    if (!model) {
        return;
    }
    int edits = 0;
    for (auto _ : state) {
        model->setData(model->index(0, IOTableModel::CommentColumn), QStringLiteral("Edited %1").arg(++edits % 1000),
                       Qt::EditRole);
        launch.settle();
    }
    state.counters["rows"] = double(model->rowCount());
}

} // namespace

BENCHMARK(BM_CellEditSmartBook)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CellEditUnrelatedField)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
