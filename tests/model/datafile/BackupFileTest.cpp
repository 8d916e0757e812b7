#include "BackupFile.h"
#include "Clock.h"
#include "DailyBackups.h"
#include "DataFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

DataRootPtr libraryWithDays(const QList<QDate>& days) {
    const DataRootPtr root = DataRoot::create();
    for (const QDate& day : days) {
        root->mainLibrary()->appendObject(IO::create(Amount::fromInt(-5), QDateTime(day, QTime(0, 0)), {}, {}, 1));
    }
    return root;
}

class BackupFiles : public ::testing::Test {
protected:
    ~BackupFiles() override { Clock::reset(); }

    void write(const DataRoot& root, const QString& path) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        DataFile file(path);
        ASSERT_TRUE(file.save(root)) << file.errorString().toStdString();
    }

    QTemporaryDir home;
    QString dataPath = home.filePath(QStringLiteral("Kesh Data"));
    DailyBackups backups{dataPath};
};

TEST_F(BackupFiles, listedPreviousVersionFirstThenCopiesNewestFirstThenOlderFormats) {
    write(*libraryWithDays({}), dataPath);
    write(*libraryWithDays({}), DataFile::backupPath(dataPath));
    const QDateTime moment(QDate(2026, 5, 2), QTime(10, 15, 0));
    for (const QString& path : {backups.pathFor(QDate(2026, 5, 1)), backups.pathFor(QDate(2026, 5, 2)),
                                backups.pathFor(moment), backups.formatCopyPath(1)}) {
        write(*libraryWithDays({}), path);
    }

    const std::vector<BackupFile> listed = BackupFile::listFor(dataPath);
    ASSERT_EQ(listed.size(), 5u);
    EXPECT_EQ(listed[0].kind(), BackupFile::Kind::Previous);
    EXPECT_EQ(listed[1].path(), backups.pathFor(moment));
    EXPECT_EQ(listed[1].kind(), BackupFile::Kind::Moment);
    EXPECT_EQ(listed[1].when(), moment);
    EXPECT_EQ(listed[2].kind(), BackupFile::Kind::Day);
    EXPECT_EQ(listed[2].when().date(), QDate(2026, 5, 2));
    EXPECT_EQ(listed[3].when().date(), QDate(2026, 5, 1));
    EXPECT_EQ(listed[4].kind(), BackupFile::Kind::OlderFormat);
}

TEST_F(BackupFiles, anUnreadableOrEmptyBackupSaysSo) {
    const QString damaged = backups.pathFor(QDate(2026, 5, 1));
    QDir().mkpath(backups.folder());
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a library");
    file.close();
    BackupFile unreadable(damaged, BackupFile::Kind::Day, {});
    EXPECT_FALSE(unreadable.load());
    EXPECT_FALSE(unreadable.isRead());
    EXPECT_FALSE(unreadable.errorString().isEmpty());

    BackupFile gone(backups.pathFor(QDate(2026, 5, 2)), BackupFile::Kind::Day, {});
    EXPECT_FALSE(gone.load());
    EXPECT_FALSE(gone.errorString().isEmpty());

    write(*libraryWithDays({}), dataPath);
    BackupFile empty(dataPath, BackupFile::Kind::Previous, {});
    ASSERT_TRUE(empty.load());
    EXPECT_EQ(empty.recordCount(), 0u);
    EXPECT_FALSE(empty.firstDay().isValid());
}

} // namespace
