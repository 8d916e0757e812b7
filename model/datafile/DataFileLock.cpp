#include "DataFileLock.h"

#include "DataFilePaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

bool isDiskFull(int error) {
    return error == ENOSPC || error == EDQUOT;
}

bool isReadOnlyDisk(const QString& folder) {
    struct statvfs disk {};
    return ::statvfs(QFile::encodeName(folder).constData(), &disk) == 0 && (disk.f_flag & ST_RDONLY) != 0;
}

// QLockFile does not say why it could not write its file. A file of the same
// size, made and removed again beside it, finds out: the error of the system.
int errorOfWritingBeside(const QString& lockPath) {
    const QByteArray probe = QFile::encodeName(lockPath + QStringLiteral(".%1").arg(::getpid()));
    const int descriptor = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (descriptor < 0) {
        return errno;
    }
    // Room for what a lock file holds: process id, application and host names.
    const std::array<char, 512> bytes{};
    errno = 0;
    int error = 0;
    if (::write(descriptor, bytes.data(), bytes.size()) != ssize_t(bytes.size())) {
        // A short count reports no error: the disk is full.
        error = errno != 0 ? errno : ENOSPC;
    }
    ::close(descriptor);
    ::unlink(probe.constData());
    return error;
}

} // namespace

DataFileLock::DataFileLock(const QString& dataFilePath)
    : m_path(DataFilePaths::lockPath(dataFilePath))
    , m_lock(m_path) {
    // A lock is stale only when its process is gone, never because it is old:
    // kesh holds it for as long as it runs.
    m_lock.setStaleLockTime(0);
}

DataFileLock::~DataFileLock() = default;

bool DataFileLock::tryLock() {
    m_errorKind = Error::None;
    m_holder.clear();
    m_holderApplication.clear();
    m_holderPid = 0;
    m_error.clear();
    if (m_lock.isLocked()) {
        return true;
    }
    if (!makeFolder(QFileInfo(m_path).absolutePath())) {
        return false;
    }
    // Takes over the lock of a process that is gone.
    if (m_lock.tryLock(0)) {
        return true;
    }
    if (m_lock.error() == QLockFile::LockFailedError) {
        return failHeld();
    }
    return failToCreate(m_lock.error());
}

void DataFileLock::unlock() {
    m_lock.unlock();
}

bool DataFileLock::isLocked() const {
    return m_lock.isLocked();
}

bool DataFileLock::makeFolder(const QString& folder) {
    struct stat info {};
    if (::stat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode)) {
        return true;
    }
    // One level at a time, so that the level that fails says why.
    QString made;
    for (const QString& part : QDir::cleanPath(folder).split(u'/', Qt::SkipEmptyParts)) {
        made += u'/' + part;
        if (::mkdir(QFile::encodeName(made).constData(), 0777) == 0 || errno == EEXIST) {
            continue;
        }
        const int error = errno;
        if (isDiskFull(error)) {
            return fail(Error::DiskFull, tr("The disk is full: there is no room for the library's folder “%1”.")
                                             .arg(QDir::toNativeSeparators(made)));
        }
        return fail(Error::FolderNotCreated, tr("The library's folder “%1” could not be made: %2")
                                                 .arg(QDir::toNativeSeparators(made), qt_error_string(error)));
    }
    if (::stat(QFile::encodeName(folder).constData(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return fail(Error::FolderNotCreated,
                    tr("The library's folder “%1” could not be made.").arg(QDir::toNativeSeparators(folder)));
    }
    return true;
}

bool DataFileLock::failHeld() {
    qint64 pid = 0;
    QString host;
    QString application;
    if (!m_lock.getLockInfo(&pid, &host, &application)) {
        return fail(Error::HeldByOther, tr("The library is in use by another program."));
    }
    m_holderApplication = application;
    m_holderPid = pid;
    const QString name = application.isEmpty() ? tr("another program") : application;
    m_holder = host.isEmpty() ? tr("%1 (process %2)").arg(name).arg(pid)
                              : tr("%1 (process %2 on %3)").arg(name).arg(pid).arg(host);
    return fail(Error::HeldByOther, tr("The library is in use by %1.").arg(m_holder));
}

bool DataFileLock::failToCreate(QLockFile::LockError error) {
    const QString folder = QFileInfo(m_path).absolutePath();
    if (error == QLockFile::PermissionError) {
        return failWithErrno(EACCES, folder);
    }
    return failWithErrno(errorOfWritingBeside(m_path), folder);
}

bool DataFileLock::failWithErrno(int error, const QString& folder) {
    if (isDiskFull(error)) {
        return fail(Error::DiskFull, tr("The disk is full: there is no room for the file that marks the library as "
                                        "in use."));
    }
    if (error == EACCES || error == EPERM || error == EROFS) {
        if (isReadOnlyDisk(folder)) {
            return fail(Error::PermissionDenied,
                        tr("The library lies on a read-only disk, so kesh cannot mark it as in use."));
        }
        return fail(Error::PermissionDenied, tr("kesh has no permission to create files in the library's folder "
                                                "“%1”, so it cannot mark the library as in use.")
                                                 .arg(QDir::toNativeSeparators(folder)));
    }
    if (error == 0) {
        return fail(Error::Failed, tr("kesh could not mark the library as in use."));
    }
    return fail(Error::Failed, tr("kesh could not mark the library as in use: %1").arg(qt_error_string(error)));
}

bool DataFileLock::fail(Error kind, const QString& message) {
    m_errorKind = kind;
    m_error = message;
    return false;
}
