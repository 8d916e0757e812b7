#include "DataFileLock.h"

#include "DataFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString tr(const char* text) {
    return QCoreApplication::translate("DataFile", text);
}
} // namespace

DataFileLock::DataFileLock(const QString& dataFilePath)
    : m_path(DataFile::lockPath(dataFilePath))
    , m_lock(m_path) {
    // A lock is stale only when its process is gone, never because it is old:
    // kesh holds it for as long as it runs.
    m_lock.setStaleLockTime(0);
}

DataFileLock::~DataFileLock() = default;

bool DataFileLock::tryLock() {
    m_holder.clear();
    m_error.clear();
    if (m_lock.isLocked()) {
        return true;
    }
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir(folder).exists() && !QDir().mkpath(folder)) {
        m_error = tr("Could not create the folder “%1” for the library.").arg(folder);
        return false;
    }
    // Takes over the lock of a process that is gone.
    if (m_lock.tryLock(0)) {
        return true;
    }
    switch (m_lock.error()) {
    case QLockFile::LockFailedError: {
        qint64 pid = 0;
        QString host;
        QString application;
        if (m_lock.getLockInfo(&pid, &host, &application)) {
            const QString name = application.isEmpty() ? tr("another program") : application;
            m_holder = host.isEmpty() ? tr("%1 (process %2)").arg(name).arg(pid)
                                      : tr("%1 (process %2 on %3)").arg(name).arg(pid).arg(host);
            m_error = tr("The library is in use by %1.").arg(m_holder);
        } else {
            m_error = tr("The library is in use by another program.");
        }
        break;
    }
    case QLockFile::PermissionError:
        m_error = tr("Could not mark the library as in use: no permission to write in “%1”.").arg(folder);
        break;
    default:
        m_error = tr("Could not mark the library as in use.");
        break;
    }
    return false;
}

void DataFileLock::unlock() {
    m_lock.unlock();
}

bool DataFileLock::isLocked() const {
    return m_lock.isLocked();
}

QString DataFileLock::holder() const {
    return m_holder;
}

QString DataFileLock::errorString() const {
    return m_error;
}
