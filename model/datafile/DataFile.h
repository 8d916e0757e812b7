#pragma once

#include "DataFilePaths.h"
#include "DataFileReader.h"
#include "DataRoot.h"

#include <QString>

// The library's one file, "~/Library/Kesh Data": read whole at start and
// written whole on save, each program through one of these.
class DataFile {
public:
    using Status = DataFileReader::Status;

    explicit DataFile(const QString& path = DataFilePaths::defaultPath());

    static QString defaultPath() { return DataFilePaths::defaultPath(); }
    static QString backupPath(const QString& path) { return DataFilePaths::backupPath(path); }
    static QString lockPath(const QString& path) { return DataFilePaths::lockPath(path); }

    const QString& path() const { return m_path; }

    // Reads the library; when there is no file, makes a fresh one and
    // status() is NoFile. False for every other failure, with status() saying
    // which and errorString() why.
    bool load();
    // The library after a successful load.
    const DataRootPtr& root() const { return m_root; }
    Status status() const { return m_status; }
    // The format the file was written in; 0 when none was read.
    quint32 formatVersion() const { return m_formatVersion; }

    // Writes the whole library, keeping the previous file as the backup.
    // False with errorString() when the file was left as it was.
    bool save(const DataRoot& root);

    // Why the last load or save failed, ready to show. It does not repeat the
    // path: whoever shows it names the file.
    QString errorString() const { return m_error; }

private:
    QString m_path;
    DataRootPtr m_root;
    Status m_status = Status::NoFile;
    quint32 m_formatVersion = 0;
    QString m_error;
};
