#pragma once

#include "LegacyImportResult.h"

#include <QString>

#include <functional>

class DataRoot;
class LegacyLibraryReader;

// kesh-import's run: takes the library's lock, reads the data file (or starts
// a fresh library), reads and judges the legacy file, asks for confirmation,
// appends the records to the main library and writes the data file once, at
// the end. Any failure or refusal before that write leaves the data file as
// it was.
class LegacyImport {
public:
    enum class Phase { Reading, Writing };
    // Told how far the run is (bytes of the legacy file while reading); a
    // false answer while reading stops the run and leaves everything as it was.
    using ProgressHandler = std::function<bool(Phase phase, qint64 done, qint64 total)>;
    // Asked with what would be imported before anything is written; false
    // stops the run and leaves everything as it was.
    using Confirmation = std::function<bool(const LegacyPreview& preview, const QString& legacyFilePath)>;

    // An empty `legacyFilePath` means "Kesh Library" in the documents folder.
    explicit LegacyImport(const QString& dataFilePath, const QString& legacyFilePath = QString());

    void setProgressHandler(ProgressHandler handler) { m_progress = std::move(handler); }
    void setConfirmation(Confirmation confirmation) { m_confirmation = std::move(confirmation); }

    LegacyImportResult run();

private:
    LegacyImportResult importInto(DataRoot& root);
    static LegacyImportResult readingFailure(const LegacyLibraryReader& reader);
    bool reportProgress(Phase phase, qint64 done, qint64 total) const;

    QString m_dataFilePath;
    QString m_legacyFilePath;
    ProgressHandler m_progress;
    Confirmation m_confirmation;
};
