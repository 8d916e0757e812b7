#pragma once

#include "DataRoot.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QString>

#include <vector>

// One file a library can be restored from: the previous version every save
// keeps beside the data file, a dated copy in "Kesh Backups", or the file of
// an older format kept there. Reading it never writes it.
class BackupFile {
    Q_DECLARE_TR_FUNCTIONS(BackupFile)

public:
    enum class Kind {
        Previous,    // "<data file>.bak": the version before the last save
        Day,         // the library before a day's first change
        Moment,      // the library at a moment of a day (before a restore)
        OlderFormat, // the file of an older format, before it was saved anew
    };

    BackupFile(QString path, Kind kind, QDateTime when);

    // The backups of the data file there are: the previous version, then the
    // dated copies newest first, then the files of older formats.
    static std::vector<BackupFile> listFor(const QString& dataFilePath);

    const QString& path() const { return m_path; }
    Kind kind() const { return m_kind; }
    // The day (at midnight) of a day's copy; the moment it stands for otherwise.
    const QDateTime& when() const { return m_when; }

    // Reads the library it holds; null with errorString() when it cannot be
    // read. Takes what the list shows from it.
    DataRootPtr load();
    bool isRead() const { return m_read; }
    QString errorString() const { return m_error; }
    std::size_t recordCount() const { return m_recordCount; }
    // The earliest and the latest day of its records; invalid without records.
    QDate firstDay() const { return m_firstDay; }
    QDate lastDay() const { return m_lastDay; }

private:
    QString m_path;
    Kind m_kind;
    QDateTime m_when;
    bool m_read = false;
    QString m_error;
    std::size_t m_recordCount = 0;
    QDate m_firstDay;
    QDate m_lastDay;
};
