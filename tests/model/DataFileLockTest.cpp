#include "DataFileLock.h"
#include "DataFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(DataFileLock, SecondLockIsRefusedAndNamesTheHolder) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Library/Kesh Data"));
    DataFileLock first(path);
    ASSERT_TRUE(first.tryLock()) << first.errorString().toStdString();
    EXPECT_TRUE(first.isLocked());
    EXPECT_TRUE(QFile::exists(DataFile::lockPath(path)));

    DataFileLock second(path);
    EXPECT_FALSE(second.tryLock());
    EXPECT_FALSE(second.isLocked());
    const QString pid = QString::number(QCoreApplication::applicationPid());
    EXPECT_TRUE(second.holder().contains(pid)) << second.holder().toStdString();
    EXPECT_TRUE(second.errorString().contains(second.holder())) << second.errorString().toStdString();

    first.unlock();
    EXPECT_TRUE(second.tryLock()) << second.errorString().toStdString();
    EXPECT_TRUE(second.holder().isEmpty());
}

TEST(DataFileLock, GoesWithItsHolder) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Kesh Data"));
    {
        DataFileLock held(path);
        ASSERT_TRUE(held.tryLock());
    }
    EXPECT_FALSE(QFile::exists(DataFile::lockPath(path)));
    DataFileLock again(path);
    EXPECT_TRUE(again.tryLock());
}

TEST(DataFileLock, LockOfAProcessThatIsGoneIsTakenOver) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Kesh Data"));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Takes the lock and ends without giving it back, as a crash would.
        DataFileLock lock(path);
        ::_exit(lock.tryLock() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFile::exists(DataFile::lockPath(path)));

    DataFileLock lock(path);
    EXPECT_TRUE(lock.tryLock()) << lock.errorString().toStdString();
}

} // namespace
