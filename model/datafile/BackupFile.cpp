#include "BackupFile.h"

#include "DailyBackups.h"
#include "DataFile.h"

#include <QFileInfo>

BackupFile::BackupFile(QString path, Kind kind, QDateTime when)
    : m_path(std::move(path))
    , m_kind(kind)
    , m_when(std::move(when)) {}

std::vector<BackupFile> BackupFile::listFor(const QString& dataFilePath) {
    std::vector<BackupFile> found;
    const QFileInfo previous(DataFile::backupPath(dataFilePath));
    if (previous.isFile()) {
        found.emplace_back(previous.filePath(), Kind::Previous, previous.lastModified());
    }
    const DailyBackups backups(dataFilePath);
    QStringList copies = backups.copies();
    for (auto copy = copies.crbegin(); copy != copies.crend(); ++copy) {
        const QDateTime when = backups.dateOf(*copy);
        found.emplace_back(*copy, *copy == backups.pathFor(when.date()) ? Kind::Day : Kind::Moment, when);
    }
    for (const QString& older : backups.formatCopies()) {
        found.emplace_back(older, Kind::OlderFormat, QFileInfo(older).lastModified());
    }
    return found;
}

DataRootPtr BackupFile::load() {
    DataFile file(m_path);
    m_read = file.load() && file.status() == DataFile::Status::Read;
    if (!m_read) {
        m_error = file.status() == DataFile::Status::NoFile ? tr("The file is gone.") : file.errorString();
        return nullptr;
    }
    m_error.clear();
    const DataRootPtr& root = file.root();
    m_recordCount = root->mainLibrary()->count();
    m_firstDay = QDate();
    m_lastDay = QDate();
    for (const IOPtr& record : root->mainLibrary()->records()) {
        const QDate day = record->date();
        if (!day.isValid()) {
            continue;
        }
        if (!m_firstDay.isValid() || day < m_firstDay) {
            m_firstDay = day;
        }
        if (!m_lastDay.isValid() || day > m_lastDay) {
            m_lastDay = day;
        }
    }
    return root;
}
