// How long File › Export PDF… takes for a long list of records.
#include "AppLaunch.h"
#include "DataRoot.h"
#include "RecordPrinter.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Argument: records. The newest of a lifetime's library laid out on pages and
// written as a PDF file, titled and totalled as the main window's are.
void BM_PrintPdf(benchmark::State& state) {
    writeLibrary(1'000'000);
    Launch launch;
    if (!launch.startFor(state)) {
        return;
    }
    const IOList& all = launch.app->dataRoot()->mainLibrary()->records();
    const IOList records(all.begin(), all.begin() + std::min<std::ptrdiff_t>(state.range(0), std::ssize(all)));
    const QString path = QDir::temp().filePath(QStringLiteral("kesh-bench-print.pdf"));
    for (auto _ : state) {
        const RecordPrinter printer(
            RecordPrinter::recordTable(records, QStringLiteral("Library"), {QStringLiteral("Search: rent")}, 2));
        if (!printer.writePdf(path)) {
            state.SkipWithError("the PDF could not be written");
            return;
        }
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
    QFile::remove(path);
}

} // namespace

BENCHMARK(BM_PrintPdf)->Arg(10'000)->ArgName("records")->Unit(benchmark::kMillisecond)->Iterations(3);
