// Speed of a whole import: reading and judging a legacy library file, making
// its records and writing the data file; and of the reading alone, which kesh
// runs before it shows what an import would add.
#include "../SyntheticLibrary.h"

#include "DataFile.h"
#include "LegacyImport.h"
#include "LegacyLibraryReader.h"
#include "LegacySlot.h"

#include <benchmark/benchmark.h>

#include <QDate>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtEndian>

#include <bit>
#include <stdexcept>

namespace {

QByteArray slotOf(const IO& record, std::size_t number, QStringEncoder& encoder) {
    QByteArray slot(LegacySlot::size, '\0');
    const qint64 days = QDate(1904, 1, 1).daysTo(record.date());
    // Entered at some hour of the day, as the legacy program stored it.
    const auto seconds = quint32(days * 86'400 + (number % 86'400));
    qToBigEndian<quint32>(seconds, slot.data() + LegacySlot::secondsOffset);
    qToBigEndian<quint64>(std::bit_cast<quint64>(record.amountAsDouble()), slot.data() + LegacySlot::amountOffset);
    QByteArray comment = encoder.encode(record.comment());
    // Every tenth comment in Japanese, so the text decoder does real work.
    if (number % 10 == 0) {
        comment = encoder.encode(QString::fromUtf8("食料品 ") + record.comment());
    }
    comment.truncate(255);
    slot[LegacySlot::commentOffset] = char(comment.size());
    std::copy(comment.begin(), comment.end(), slot.begin() + LegacySlot::commentOffset + 1);
    slot[LegacySlot::includeOffset] = char(record.includeInStats());
    slot[LegacySlot::inUseOffset] = 1;
    return slot;
}

// A legacy file with the records of the synthetic library, written once.
const QString& legacyFile(std::size_t records) {
    static QTemporaryDir folder;
    static QString path;
    if (path.isEmpty()) {
        path = folder.filePath(QStringLiteral("Kesh Library"));
        QStringEncoder encoder("Shift_JIS");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            throw std::runtime_error("cannot write the legacy file");
        }
        std::size_t number = 0;
        for (const IOPtr& record : SyntheticLibrary::shared(records)->mainLibrary()->records()) {
            file.write(slotOf(*record, ++number, encoder));
        }
    }
    return path;
}

void removeLibrary(const QString& dataPath) {
    QFile::remove(dataPath);
    QFile::remove(DataFile::backupPath(dataPath));
}

// Into a library that does not exist yet.
void BM_ImportLegacy(benchmark::State& state) {
    const auto records = std::size_t(state.range(0));
    const QString& legacy = legacyFile(records);
    QTemporaryDir home;
    const QString dataPath = home.filePath(QStringLiteral("Kesh Data"));
    for (auto _ : state) {
        state.PauseTiming();
        removeLibrary(dataPath);
        state.ResumeTiming();
        const LegacyImportResult result = LegacyImport(dataPath, legacy).run();
        if (!result.succeeded() || result.imported != qint64(records)) {
            state.SkipWithError("the import failed");
            break;
        }
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()) * state.range(0));
}
BENCHMARK(BM_ImportLegacy)->Arg(100'000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// Reading and judging alone: the records and the preview, nothing written.
void BM_ReadLegacyLibrary(benchmark::State& state) {
    const auto records = std::size_t(state.range(0));
    const QString& legacy = legacyFile(records);
    for (auto _ : state) {
        LegacyLibraryReader reader(legacy);
        if (!reader.read() || reader.records().size() != records) {
            state.SkipWithError("the reading failed");
            break;
        }
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()) * state.range(0));
}
BENCHMARK(BM_ReadLegacyLibrary)->Arg(100'000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Into a library that already holds a lifetime of records: its reading counts too.
void BM_ImportLegacyIntoLibrary(benchmark::State& state) {
    const auto records = std::size_t(state.range(0));
    const QString& legacy = legacyFile(records);
    QTemporaryDir home;
    const QString dataPath = home.filePath(QStringLiteral("Kesh Data"));
    const QString existing = home.filePath(QStringLiteral("existing"));
    if (!DataFile(existing).save(*SyntheticLibrary::shared(records))) {
        state.SkipWithError("cannot write the existing library");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        removeLibrary(dataPath);
        QFile::copy(existing, dataPath);
        state.ResumeTiming();
        if (!LegacyImport(dataPath, legacy).run().succeeded()) {
            state.SkipWithError("the import failed");
            break;
        }
    }
}
BENCHMARK(BM_ImportLegacyIntoLibrary)->Arg(100'000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
