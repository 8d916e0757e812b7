#pragma once

#include <QLockFile>
#include <QString>

// Marks the library as in use by one program ("Kesh Data.lock" beside the
// data file), so kesh, a second kesh and kesh-import never overwrite each
// other's work. Held from a successful tryLock() until unlock() or destruction.
class DataFileLock {
public:
    explicit DataFileLock(const QString& dataFilePath);
    ~DataFileLock();
    DataFileLock(const DataFileLock&) = delete;
    DataFileLock& operator=(const DataFileLock&) = delete;

    // Takes the lock unless another live process holds it. Stale locks of
    // crashed processes are taken over.
    bool tryLock();
    void unlock();
    bool isLocked() const;
    // Who holds the lock when tryLock() failed, e.g. "kesh (process 1234 on host)";
    // empty when unknown.
    QString holder() const;
    // Why tryLock() failed, ready to show.
    QString errorString() const;

private:
    QString m_path;
    QLockFile m_lock;
    QString m_holder;
    QString m_error;
};
