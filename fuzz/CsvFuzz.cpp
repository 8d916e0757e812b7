#include "CsvImportPlan.h"
#include "CsvReader.h"
#include "CsvWriter.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

// What was read writes as CSV and reads back as the same fields.
void checkRoundTrip(const CsvTable& table) {
    QByteArray written;
    QBuffer buffer(&written);
    buffer.open(QIODevice::WriteOnly);
    CsvWriter writer(&buffer);
    for (std::size_t row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < table.fieldCount(row); ++column) {
            writer.addField(table.field(row, column));
        }
        writer.endRow();
    }
    if (!writer.flush()) {
        fail("not written");
    }
    CsvReader again;
    if (!again.read(QByteArrayView(written))) {
        fail(qPrintable(QStringLiteral("written but not read: ") + again.errorString()));
    }
    if (again.table().rowCount() != table.rowCount()) {
        fail("another number of rows");
    }
    for (std::size_t row = 0; row < table.rowCount(); ++row) {
        if (again.table().fieldCount(row) != table.fieldCount(row)) {
            fail("another number of fields");
        }
        for (int column = 0; column < table.fieldCount(row); ++column) {
            if (again.table().field(row, column) != table.field(row, column)) {
                fail("another field");
            }
        }
    }
}

} // namespace

// The first byte chooses the encoding and the separator; the rest is the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const CsvEncoding::Encoding encoding = CsvEncoding::all[data[0] % CsvEncoding::all.size()];
    const QChar separators[] = {u',', u';', u'\t'};
    CsvReader reader;
    reader.setEncoding(encoding);
    reader.setSeparator(separators[(data[0] / 3) % 3]);
    CsvReader::Limits limits;
    limits.fieldCharacters = 4096;
    limits.columns = 64;
    reader.setLimits(limits);
    if (!reader.read(QByteArrayView(data + 1, qsizetype(size - 1)))) {
        if (reader.errorString().isEmpty()) {
            fail("refused without a reason");
        }
        return 0;
    }
    auto table = std::make_shared<const CsvTable>(reader.takeTable());
    if (table->rowCount() == 0) {
        fail("read but no rows");
    }
    if (encoding == CsvEncoding::Utf8 && reader.separator() == u',') {
        checkRoundTrip(*table);
    }
    // Whatever the guess, planning and making records must hold.
    const DataRootPtr root = DataRoot::create();
    const CsvImportPlan plan(table, CsvRecordMapping::guess(*table), *root);
    const CsvImportPlan::Batch batch = plan.makeRecords(*root);
    if (plan.canImport() && batch.records.size() != plan.importedCount()) {
        fail("another number of records");
    }
    return 0;
}
