#include "QifReader.h"
#include "QifWriter.h"
#include "StatementImportPlan.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

} // namespace

// Reads arbitrary bytes as a QIF file, in both orders of day and month and
// both ways with splits, and plans the import of what it read.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QifReader reader;
    if (!reader.read(QByteArrayView(data, qsizetype(size)))) {
        if (reader.errorString().isEmpty()) {
            fail("refused without a reason");
        }
        return 0;
    }
    const DataRootPtr root = DataRoot::create();
    for (const QifDateReader::Order order : {QifDateReader::Order::MonthFirst, QifDateReader::Order::DayFirst}) {
        for (const QifReader::SplitMode mode : {QifReader::SplitMode::Total, QifReader::SplitMode::PerSplit}) {
            QifReader::Transactions read = reader.transactions(order, mode);
            if (mode == QifReader::SplitMode::Total &&
                read.transactions.size() + read.problems.size() < reader.items().size() + reader.problems().size()) {
                fail("an item was dropped");
            }
            std::vector<StatementImportPlan::Problem> problems;
            const StatementImportPlan plan(std::move(read.transactions), std::move(problems), *root);
            const StatementImportPlan::Batch batch = plan.makeRecords(*root);
            if (batch.records.size() != plan.importedCount()) {
                fail("another number of records");
            }
            // What was read writes and reads back with as many transactions.
            QifReader again;
            if (!again.read(QifWriter::toBytes(batch.records)) || again.items().size() != batch.records.size()) {
                fail("written but not read back");
            }
        }
    }
    return 0;
}
