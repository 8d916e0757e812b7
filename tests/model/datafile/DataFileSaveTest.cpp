#include "AndConditions.h"
#include "DataFile.h"
#include "DataFileWriter.h"
#include "SmartBook.h"
#include "TestEnvironment.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>
#include <unistd.h>

namespace {

DataRootPtr libraryOf(int records, const QString& prefix = QStringLiteral("Comment")) {
    const DataRootPtr root = DataRoot::create();
    for (int i = 0; i < records; ++i) {
        root->mainLibrary()->appendObject(IO::create(Amount::fromInt(i),
                                                     QDateTime(QDate(2024, 1, 1).addDays(i % 400), QTime(8, 0)), {},
                                                     QStringLiteral("%1 %2").arg(prefix).arg(i), 1));
    }
    return root;
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A device that takes `capacity` bytes and then fails: with a short count and
// no error, as a full disk has been seen to, or with an error.
class FailingDevice : public QIODevice {
public:
    enum class Failure { ShortCount, Error };
    FailingDevice(qint64 capacity, Failure failure)
        : m_capacity(capacity)
        , m_failure(failure) {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        const qint64 room = std::max<qint64>(0, m_capacity - m_taken);
        if (room < size && m_failure == Failure::Error) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        const qint64 taken = std::min(size, room);
        m_contents.replace(pos(), taken, QByteArray(data, taken));
        m_taken += taken;
        return taken;
    }

private:
    qint64 m_capacity;
    Failure m_failure;
    qint64 m_taken = 0;
    QByteArray m_contents;
};

struct DeviceCase {
    const char* name;
    // Bytes the device takes; negative: that many short of the whole file.
    qint64 capacity;
    FailingDevice::Failure failure;
};

class DataFileFailingDeviceTest : public ::testing::TestWithParam<DeviceCase> {};

TEST_P(DataFileFailingDeviceTest, WriteReportsFailure) {
    // Over a megabyte, so that the payload goes out in more than one piece.
    static const DataRootPtr root = libraryOf(40000);
    QByteArray whole;
    QBuffer buffer(&whole);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(DataFileWriter().write(*root, &buffer));
    ASSERT_GT(whole.size(), 1 << 20);

    // The header goes out twice: first as room for itself, last with the checksum.
    const qint64 needed = whole.size() + 32;
    const qint64 capacity = GetParam().capacity < 0 ? needed + GetParam().capacity : GetParam().capacity;
    FailingDevice device(capacity, GetParam().failure);
    DataFileWriter writer;
    EXPECT_FALSE(writer.write(*root, &device));
    const QString expected = GetParam().failure == FailingDevice::Failure::Error
                                 ? QStringLiteral("No space left on device")
                                 : QStringLiteral("disk may be full");
    EXPECT_TRUE(writer.errorString().contains(expected)) << writer.errorString().toStdString();

    FailingDevice roomy(needed, GetParam().failure);
    EXPECT_TRUE(writer.write(*root, &roomy)) << writer.errorString().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Capacities, DataFileFailingDeviceTest,
                         ::testing::Values(DeviceCase{"PartOfTheHeader", 31, FailingDevice::Failure::ShortCount},
                                           DeviceCase{"FirstPiece", 32 + (1 << 20), FailingDevice::Failure::ShortCount},
                                           DeviceCase{"InSecondPiece", 40 + (1 << 20),
                                                      FailingDevice::Failure::ShortCount},
                                           DeviceCase{"AllButTheFinalHeader", -20, FailingDevice::Failure::ShortCount},
                                           DeviceCase{"ErrorLater", 5000, FailingDevice::Failure::Error},
                                           DeviceCase{"ErrorAtTheFinalHeader", -1, FailingDevice::Failure::Error}),
                         [](const auto& info) { return std::string(info.param.name); });

// The limit on file size cuts writes short exactly as a full disk does.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved{};
};

TEST(DataFileSave, FullDiskLeavesTheOldFileByteIdentical) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Kesh Data"));
    DataFile file(path);
    ASSERT_TRUE(file.save(*libraryOf(10)));
    const QByteArray before = contentsOf(path);

    // Big enough to cross the limit inside the first megabyte and again after it.
    for (const int records : {2000, 60000}) {
        {
            const FileSizeLimit limit(rlim_t(before.size() + 4096));
            EXPECT_FALSE(file.save(*libraryOf(records, QStringLiteral("Longer comment"))));
        }
        const QString error = file.errorString();
        // The alert that shows the reason names the file itself.
        EXPECT_FALSE(error.contains(path)) << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("unchanged"))) << error.toStdString();
        EXPECT_EQ(contentsOf(path), before);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Kesh Data")});
    }
    EXPECT_TRUE(file.load());
    EXPECT_EQ(file.status(), DataFile::Status::Read);
}

TEST(DataFileSave, ReadOnlyFolderIsReported) {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("locked/Kesh Data"));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("locked"))));
    ASSERT_TRUE(DataFile(path).save(*libraryOf(2)));
    const QByteArray before = contentsOf(path);
    QFile::setPermissions(dir.filePath(QStringLiteral("locked")), QFile::ReadOwner | QFile::ExeOwner);
    if (::geteuid() == 0) {
        // Permissions do not bind the superuser; a folder of the kernel's does.
        path = QStringLiteral("/proc/self/Kesh Data");
    }
    DataFile file(path);
    EXPECT_FALSE(file.save(*libraryOf(3)));
    EXPECT_FALSE(file.errorString().isEmpty());
    EXPECT_FALSE(file.errorString().contains(path)) << file.errorString().toStdString();
    QFile::setPermissions(dir.filePath(QStringLiteral("locked")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(contentsOf(dir.filePath(QStringLiteral("locked/Kesh Data"))), before);
}

TEST(DataFileSave, ReadOnlyFileOrFolderIsToldInKeshWords) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Kesh Data"));
    ASSERT_TRUE(DataFile(path).save(*libraryOf(1)));
    QFile::setPermissions(path, QFile::ReadOwner);
    DataFile file(path);
    EXPECT_FALSE(file.save(*libraryOf(2)));
    EXPECT_TRUE(file.errorString().contains(QStringLiteral("read-only"))) << file.errorString().toStdString();
    EXPECT_FALSE(file.errorString().contains(path)) << file.errorString().toStdString();

    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_FALSE(file.save(*libraryOf(2)));
    EXPECT_TRUE(file.errorString().contains(QStringLiteral("folder"))) << file.errorString().toStdString();
    EXPECT_FALSE(file.errorString().contains(dir.path())) << file.errorString().toStdString();
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(DataFileSave, KeepsThePreviousVersionAsBackup) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Kesh Data"));
    const QString backup = DataFile::backupPath(path);
    EXPECT_EQ(backup, path + QStringLiteral(".bak"));
    DataFile file(path);
    ASSERT_TRUE(file.save(*libraryOf(1)));
    EXPECT_FALSE(QFile::exists(backup));
    const QByteArray first = contentsOf(path);
    ASSERT_TRUE(file.save(*libraryOf(2)));
    const QByteArray second = contentsOf(path);
    EXPECT_EQ(contentsOf(backup), first);
    ASSERT_TRUE(file.save(*libraryOf(3)));
    EXPECT_EQ(contentsOf(backup), second);
    DataFile backupFile(backup);
    ASSERT_TRUE(backupFile.load());
    EXPECT_EQ(backupFile.root()->mainLibrary()->count(), 2u);
    ASSERT_TRUE(file.load());
    EXPECT_EQ(file.root()->mainLibrary()->count(), 3u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST(DataFileSave, CreatesTheLibraryFolderInTheHomeFolder) {
    const QString path = DataFile::defaultPath();
    EXPECT_EQ(path, TestEnvironment::home() + QStringLiteral("/Library/Kesh Data"));
    QDir(TestEnvironment::home() + QStringLiteral("/Library")).removeRecursively();
    DataFile file;
    ASSERT_TRUE(file.save(*libraryOf(4))) << file.errorString().toStdString();
    ASSERT_TRUE(file.load()) << file.errorString().toStdString();
    EXPECT_EQ(file.root()->mainLibrary()->count(), 4u);
    QDir(TestEnvironment::home() + QStringLiteral("/Library")).removeRecursively();
}

TEST(DataFileSave, LibraryTheFileCannotHoldIsNotWritten) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Kesh Data"));
    DataFile file(path);
    ASSERT_TRUE(file.save(*libraryOf(1)));
    const QByteArray before = contentsOf(path);

    const DataRootPtr misplaced = libraryOf(1);
    misplaced->addDumbBook(SmartBook::create());
    EXPECT_FALSE(file.save(*misplaced));
    EXPECT_TRUE(file.errorString().contains(QStringLiteral("smart book"))) << file.errorString().toStdString();

    const DataRootPtr deep = libraryOf(1);
    ConditionPtr tree = AndConditions::create();
    const SmartBookPtr book = SmartBook::create();
    for (int depth = 0; depth < 1200; ++depth) {
        auto group = AndConditions::create();
        group->addCondition(tree);
        tree = group;
    }
    book->setConditions(tree);
    deep->addSmartBook(book);
    EXPECT_FALSE(file.save(*deep));
    EXPECT_TRUE(file.errorString().contains(QStringLiteral("deeper"))) << file.errorString().toStdString();
    EXPECT_EQ(contentsOf(path), before);
}

} // namespace
