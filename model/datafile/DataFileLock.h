#pragma once

#include <QCoreApplication>
#include <QLockFile>
#include <QString>

// Marks the library as in use by one program ("Kesh Data.lock" beside the
// data file), so kesh, a second kesh and kesh-import never overwrite each
// other's work. Held from a successful tryLock() until unlock() or destruction.
class DataFileLock {
    Q_DECLARE_TR_FUNCTIONS(DataFileLock)

public:
    // Why tryLock() failed; each asks the user for something else.
    enum class Error {
        None,
        HeldByOther,      // another live program holds it: holderApplication(), holderPid()
        PermissionDenied, // no permission to create the lock file in the library's folder
        DiskFull,         // no room left for the lock file
        FolderNotCreated, // the library's folder is missing and could not be made
        Failed,           // any other error of the system
    };

    explicit DataFileLock(const QString& dataFilePath);
    ~DataFileLock();
    DataFileLock(const DataFileLock&) = delete;
    DataFileLock& operator=(const DataFileLock&) = delete;

    // Takes the lock unless another live process holds it. Stale locks of
    // crashed processes are taken over.
    bool tryLock();
    void unlock();
    bool isLocked() const;

    Error error() const { return m_errorKind; }
    // Who holds the lock when tryLock() failed with HeldByOther, e.g.
    // "kesh (process 1234 on host)"; empty when unknown.
    QString holder() const { return m_holder; }
    // The holder's application name ("kesh", "kesh-import") and process id;
    // empty and 0 when unknown.
    QString holderApplication() const { return m_holderApplication; }
    qint64 holderPid() const { return m_holderPid; }
    // Why tryLock() failed, ready to show; it does not repeat the data file's path.
    QString errorString() const { return m_error; }

private:
    bool makeFolder(const QString& folder);
    bool failHeld();
    bool failToCreate(QLockFile::LockError error);
    bool failWithErrno(int error, const QString& folder);
    bool fail(Error kind, const QString& message);

    QString m_path;
    QLockFile m_lock;
    Error m_errorKind = Error::None;
    QString m_holder;
    QString m_holderApplication;
    qint64 m_holderPid = 0;
    QString m_error;
};
