#include "DataFileLock.h"
#include "DataFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Error = DataFileLock::Error;

TEST(DataFileLock, SecondLockIsRefusedAndNamesTheHolder) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Library/Kesh Data"));
    DataFileLock first(path);
    ASSERT_TRUE(first.tryLock()) << first.errorString().toStdString();
    EXPECT_TRUE(first.isLocked());
    EXPECT_EQ(first.error(), Error::None);
    EXPECT_TRUE(QFile::exists(DataFile::lockPath(path)));

    DataFileLock second(path);
    EXPECT_FALSE(second.tryLock());
    EXPECT_FALSE(second.isLocked());
    EXPECT_EQ(second.error(), Error::HeldByOther);
    EXPECT_EQ(second.holderPid(), QCoreApplication::applicationPid());
    EXPECT_EQ(second.holderApplication(), QCoreApplication::applicationName());
    const QString pid = QString::number(QCoreApplication::applicationPid());
    EXPECT_TRUE(second.holder().contains(pid)) << second.holder().toStdString();
    EXPECT_TRUE(second.errorString().contains(second.holder())) << second.errorString().toStdString();

    first.unlock();
    EXPECT_TRUE(second.tryLock()) << second.errorString().toStdString();
    EXPECT_EQ(second.error(), Error::None);
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

TEST(DataFileLock, AFolderThatCannotBeMadeIsNamed) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("Library")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    DataFileLock lock(dir.filePath(QStringLiteral("Library/kesh/Kesh Data")));
    EXPECT_FALSE(lock.tryLock());
    EXPECT_EQ(lock.error(), Error::FolderNotCreated);
    EXPECT_TRUE(lock.errorString().contains(QDir::toNativeSeparators(dir.filePath(QStringLiteral("Library/kesh")))))
        << lock.errorString().toStdString();
    EXPECT_FALSE(lock.errorString().contains(QStringLiteral("in use by"))) << lock.errorString().toStdString();
}

TEST(DataFileLock, AFolderWithoutWritePermissionIsNotTakenForAnotherProgram) {
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("Library"));
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    if (::geteuid() == 0) {
        // Permissions do not bind the superuser; a folder of the kernel's does.
        folder = QStringLiteral("/sys");
        if (::access("/sys", F_OK) != 0) {
            GTEST_SKIP() << "no folder here that this process may not write in";
        }
    }
    const QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    DataFileLock lock(folder + QStringLiteral("/Kesh Data"));
    EXPECT_FALSE(lock.tryLock());
    EXPECT_EQ(lock.error(), Error::PermissionDenied);
    EXPECT_FALSE(lock.errorString().contains(QStringLiteral("in use by"))) << lock.errorString().toStdString();
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    QFile::setPermissions(dir.filePath(QStringLiteral("Library")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// In a child: a small disk of its own, filled up, then the lock tried on it.
// Exits with the lock's error, or 100 when no such disk can be had here.
[[noreturn]] void lockOnAFullDisk(const QByteArray& folder) {
    const uid_t uid = ::geteuid();
    const gid_t gid = ::getegid();
    if (::unshare(CLONE_NEWNS) != 0) {
        // Without the right to mount, a namespace of our own gives it.
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
            ::_exit(100);
        }
        const auto put = [](const char* file, const QByteArray& text) {
            const int descriptor = ::open(file, O_WRONLY);
            const bool ok = descriptor >= 0 && ::write(descriptor, text.constData(), std::size_t(text.size())) > 0;
            ::close(descriptor);
            return ok;
        };
        put("/proc/self/setgroups", "deny");
        if (!put("/proc/self/uid_map", "0 " + QByteArray::number(uid) + " 1") ||
            !put("/proc/self/gid_map", "0 " + QByteArray::number(gid) + " 1")) {
            ::_exit(100);
        }
    }
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("kesh-test", folder.constData(), "tmpfs", 0, "size=64k") != 0) {
        ::_exit(100);
    }
    const int filler = ::open((folder + "/filler").constData(), O_WRONLY | O_CREAT, 0600);
    char block[4096] = {};
    while (::write(filler, block, sizeof block) > 0) {
    }
    if (errno != ENOSPC) {
        ::_exit(100);
    }
    DataFileLock lock(QFile::decodeName(folder + "/Kesh Data"));
    const bool locked = lock.tryLock();
    // Nothing may be left behind by the attempt.
    if (locked || QDir(QFile::decodeName(folder)).entryList(QDir::Files | QDir::Hidden).size() != 1) {
        ::_exit(101);
    }
    ::_exit(int(lock.error()));
}

TEST(DataFileLock, AFullDiskIsNamed) {
    QTemporaryDir dir;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        lockOnAFullDisk(QFile::encodeName(dir.path()));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 100) {
        GTEST_SKIP() << "no small disk of its own can be mounted here";
    }
    EXPECT_NE(WEXITSTATUS(status), 101) << "locked on a full disk, or left a file behind";
    EXPECT_EQ(Error(WEXITSTATUS(status)), Error::DiskFull);
}

} // namespace
