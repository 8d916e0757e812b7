#pragma once

#include "LegacyImportResult.h"

#include <QString>

#include <functional>

class DataRoot;
class LegacyFork;

// One import run: takes the library's lock, reads the data file (or starts a
// fresh library), reads every slot of the legacy file, appends the records to
// the main library and writes the data file once, at the end. Any failure
// before that write leaves the data file as it was.
class LegacyImport {
public:
    enum class Phase { Reading, Writing };
    // Told how far the run is (bytes of the legacy file while reading); a
    // false answer while reading stops the run and leaves everything as it was.
    using ProgressHandler = std::function<bool(Phase phase, qint64 done, qint64 total)>;

    // An empty `legacyFilePath` means "Kesh Library" in the documents folder.
    LegacyImport(const QString& dataFilePath, const QString& legacyFilePath = QString());

    void setProgressHandler(ProgressHandler handler) { m_progress = std::move(handler); }

    LegacyImportResult run();

    // Where the default legacy library is, whether or not it is there.
    static QString defaultLegacyFilePath();

private:
    LegacyImportResult readAndWrite(DataRoot& root);
    LegacyStatus::Code locate(QString* path) const;
    bool readRecords(LegacyFork& fork, DataRoot& root, LegacyImportResult& result);
    bool reportProgress(Phase phase, qint64 done, qint64 total) const;

    QString m_dataFilePath;
    QString m_legacyFilePath;
    ProgressHandler m_progress;
};
