#include "LegacyImport.h"

#include "DataFile.h"
#include "DataFileLock.h"
#include "GetFileFromFileType.h"
#include "LegacyFork.h"
#include "LegacySlot.h"
#include "LegacyTextDecoder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <array>

namespace {
// Progress is told every this many slots (about half a megabyte).
constexpr qint64 slotsPerProgressStep = 1024;

LegacyImportResult failure(LegacyImportResult::Outcome outcome, const QString& detail,
                           LegacyStatus::Code status = LegacyStatus::noError) {
    LegacyImportResult result;
    result.outcome = outcome;
    result.detail = detail;
    result.legacyStatus = status;
    return result;
}
} // namespace

LegacyImport::LegacyImport(const QString& dataFilePath, const QString& legacyFilePath)
    : m_dataFilePath(dataFilePath)
    , m_legacyFilePath(legacyFilePath) {}

QString LegacyImport::defaultLegacyFilePath() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).filePath(
        QString::fromLatin1(legacyLibraryName + 1, static_cast<unsigned char>(legacyLibraryName[0])));
}

LegacyImportResult LegacyImport::run() {
    // kesh writes its whole library when it quits: importing under it would
    // lose every imported record, so nothing is read while another holds it.
    DataFileLock lock(m_dataFilePath);
    if (!lock.tryLock()) {
        LegacyImportResult result = failure(LegacyImportResult::Outcome::DataFileLocked, lock.errorString());
        result.lockHolder = lock.holder();
        return result;
    }
    DataFile file(m_dataFilePath);
    if (!file.load()) {
        return failure(LegacyImportResult::Outcome::DataFileUnreadable, file.errorString());
    }
    return readAndWrite(*file.root());
}

LegacyImportResult LegacyImport::readAndWrite(DataRoot& root) {
    QString path;
    if (const LegacyStatus::Code status = locate(&path); status != LegacyStatus::noError) {
        LegacyImportResult result = failure(LegacyImportResult::Outcome::LegacyFileFailed, QString(), status);
        result.legacyFilePath = m_legacyFilePath.isEmpty() ? defaultLegacyFilePath() : m_legacyFilePath;
        return result;
    }
    LegacyFork fork;
    if (const LegacyStatus::Code status = fork.open(LegacyFileRef{path}); status != LegacyStatus::noError) {
        LegacyImportResult result = failure(LegacyImportResult::Outcome::LegacyFileFailed, fork.errorString(), status);
        result.legacyFilePath = path;
        return result;
    }
    LegacyImportResult result;
    result.legacyFilePath = path;
    if (!readRecords(fork, root, result)) {
        return result;
    }
    fork.close();

    reportProgress(Phase::Writing, 0, 0);
    DataFile file(m_dataFilePath);
    if (!file.save(root)) {
        LegacyImportResult failed = failure(LegacyImportResult::Outcome::DataFileNotWritten, file.errorString());
        failed.legacyFilePath = path;
        return failed;
    }
    return result;
}

LegacyStatus::Code LegacyImport::locate(QString* path) const {
    if (m_legacyFilePath.isEmpty()) {
        LegacyFileRef ref;
        const LegacyStatus::Code status =
            GetFileFromFileType(QByteArrayView(legacyLibraryName), documentsFolderType, false, &ref);
        *path = ref.path;
        return status;
    }
    *path = m_legacyFilePath;
    return QFileInfo::exists(m_legacyFilePath) ? LegacyStatus::noError : LegacyStatus::fileNotFound;
}

bool LegacyImport::readRecords(LegacyFork& fork, DataRoot& root, LegacyImportResult& result) {
    const qint64 total = fork.size();
    // Room for every slot the file claims, within reason: a file that lies
    // about its size must not reserve the machine's memory.
    IOList records;
    records.reserve(std::size_t(std::clamp<qint64>(total / LegacySlot::size, 0, qint64(1) << 22)));

    LegacyTextDecoder decoder;
    const CalendarDate importMoment = CalendarDate::now();
    std::array<char, LegacySlot::size> buffer{};
    LegacyStatus::Code status = LegacyStatus::noError;
    for (qint64 slotIndex = 0;; ++slotIndex) {
        if (slotIndex % slotsPerProgressStep == 0 && !reportProgress(Phase::Reading, fork.position(), total)) {
            result = failure(LegacyImportResult::Outcome::Cancelled, QString());
            return false;
        }
        // A trailing piece shorter than a slot is no record: it ends the file.
        status = fork.read(buffer.data(), LegacySlot::size);
        if (status != LegacyStatus::noError) {
            break;
        }
        const LegacySlot slot(buffer.data());
        if (!slot.isInUse()) {
            continue;
        }
        if (IOPtr record = slot.toRecord(decoder, importMoment)) {
            records.push_back(std::move(record));
        } else {
            ++result.skipped;
        }
    }
    if (status != LegacyStatus::endOfFile) {
        const QString path = result.legacyFilePath;
        result = failure(LegacyImportResult::Outcome::LegacyFileFailed, fork.errorString(), status);
        result.legacyFilePath = path;
        return false;
    }
    reportProgress(Phase::Reading, total, total);

    // Appended after the library's own records, unsorted: kesh sorts a book
    // before it shows it. The records are new, so none can be there already.
    const BookPtr& library = root.mainLibrary();
    IOList all = library->records();
    all.insert(all.end(), records.begin(), records.end());
    library->setRecords(std::move(all));
    result.imported = qint64(records.size());
    return true;
}

bool LegacyImport::reportProgress(Phase phase, qint64 done, qint64 total) const {
    return !m_progress || m_progress(phase, done, total);
}
