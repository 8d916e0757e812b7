#include "LegacyImport.h"

#include "DataFile.h"
#include "DataFileLock.h"
#include "LegacyLibraryReader.h"

namespace {
LegacyImportResult failure(LegacyImportResult::Outcome outcome, const QString& detail) {
    LegacyImportResult result;
    result.outcome = outcome;
    result.detail = detail;
    return result;
}
} // namespace

LegacyImport::LegacyImport(const QString& dataFilePath, const QString& legacyFilePath)
    : m_dataFilePath(dataFilePath)
    , m_legacyFilePath(legacyFilePath) {}

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
    return importInto(*file.root());
}

LegacyImportResult LegacyImport::importInto(DataRoot& root) {
    LegacyLibraryReader reader(m_legacyFilePath);
    if (m_progress) {
        reader.setProgressHandler(
            [this](qint64 done, qint64 total) { return m_progress(Phase::Reading, done, total); });
    }
    if (!reader.read()) {
        return readingFailure(reader);
    }
    LegacyImportResult result;
    result.legacyFilePath = reader.filePath();
    result.preview = reader.preview();
    if (m_confirmation && !m_confirmation(reader.preview(), reader.filePath())) {
        result.outcome = LegacyImportResult::Outcome::Cancelled;
        return result;
    }

    // Appended after the library's own records, unsorted: kesh sorts a book
    // before it shows it. The records are new, so none can be there already.
    IOList records = reader.takeRecords();
    const BookPtr& library = root.mainLibrary();
    IOList all = library->records();
    all.insert(all.end(), records.begin(), records.end());
    library->setRecords(std::move(all));

    reportProgress(Phase::Writing, 0, 0);
    DataFile file(m_dataFilePath);
    if (!file.save(root)) {
        result.outcome = LegacyImportResult::Outcome::DataFileNotWritten;
        result.detail = file.errorString();
        return result;
    }
    result.imported = qint64(records.size());
    return result;
}

LegacyImportResult LegacyImport::readingFailure(const LegacyLibraryReader& reader) {
    using Outcome = LegacyImportResult::Outcome;
    using Failure = LegacyLibraryReader::Failure;
    LegacyImportResult result;
    switch (reader.failure()) {
    case Failure::Cancelled:
        result.outcome = Outcome::Cancelled;
        break;
    case Failure::NotALegacyLibrary:
        result.outcome = Outcome::NotALegacyLibrary;
        break;
    case Failure::NotFound:
    case Failure::Unreadable:
    case Failure::None:
        result.outcome = Outcome::LegacyFileFailed;
        break;
    }
    result.detail = reader.errorString();
    result.legacyStatus = reader.status();
    result.legacyFilePath = reader.filePath();
    result.preview = reader.preview();
    return result;
}

bool LegacyImport::reportProgress(Phase phase, qint64 done, qint64 total) const {
    return !m_progress || m_progress(phase, done, total);
}
