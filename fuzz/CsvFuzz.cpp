#include "CsvDateGuess.h"
#include "CsvDateReader.h"
#include "CsvHeaderFinder.h"
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

// The table's start lies in it, and the days of its first fields, read in
// every format offered, are real days that a time after them leaves alone.
void checkGuesses(const CsvTable& table) {
    const CsvHeaderFinder::Start start = CsvHeaderFinder::find(table);
    if (start.row >= table.rowCount()) {
        fail("the table starts past its end");
    }
    const QStringList formats = CsvRecordMapping::dateFormats() + QStringList{QStringLiteral("yyyy-MM-dd HH:mm:ss"),
                                                                              QStringLiteral("M/d/yyyy h:mm AP"),
                                                                              QStringLiteral("d.M.yyyy HH:mm t")};
    for (std::size_t row = 0; row < table.rowCount() && row < 8; ++row) {
        for (int column = 0; column < table.fieldCount(row) && column < 4; ++column) {
            const QStringView text = table.field(row, column);
            for (const QString& format : formats) {
                const QDate day = CsvDateReader(format).read(text, nullptr);
                if (day.isValid() && !format.contains(u':') && !text.contains(u':') &&
                    CsvDateReader(format).read(text.trimmed().toString() + QStringLiteral(" 08:15"), nullptr) != day) {
                    fail("a time after a day changes it");
                }
            }
        }
    }
    if (table.columnCount() > 0) {
        const CsvDateGuess guess(table, 0, start.row);
        if (guess.isAmbiguous() && (guess.sampleRow() >= table.rowCount() || guess.sampleText().isEmpty())) {
            fail("days read two ways without a day to show");
        }
        if (!guess.readings().isEmpty() && !guess.readings().contains(guess.preferred(QLocale::c()))) {
            fail("the preferred reading is none of the readings");
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
    checkGuesses(*table);
    // Whatever the guess, planning and making records must hold.
    const DataRootPtr root = DataRoot::create();
    const CsvImportPlan plan(table, CsvRecordMapping::guess(*table), *root);
    const CsvImportPlan::Batch batch = plan.makeRecords(*root);
    if (plan.canImport() && batch.records.size() != plan.importedCount()) {
        fail("another number of records");
    }
    return 0;
}
