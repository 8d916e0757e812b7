#include "OfxReader.h"
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

// Reads arbitrary bytes as an OFX or QFX file: read whole or refused with a
// reason, never half; what is read plans and makes records.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    OfxReader reader;
    if (!reader.read(QByteArrayView(data, qsizetype(size)))) {
        if (reader.errorString().isEmpty()) {
            fail("refused without a reason");
        }
        if (!reader.statement().accounts.empty()) {
            fail("refused but half read");
        }
        return 0;
    }
    if (reader.statement().accounts.empty()) {
        fail("read but no account");
    }
    const DataRootPtr root = DataRoot::create();
    for (const OfxStatement::Account& account : reader.statement().accounts) {
        const StatementImportPlan plan(OfxStatement::transactionsOf(account), {}, *root);
        if (plan.makeRecords(*root).records.size() != plan.importedCount()) {
            fail("another number of records");
        }
    }
    return 0;
}
