#include "DailyBackups.h"
#include "Clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class Backups : public ::testing::Test {
protected:
    ~Backups() override { Clock::reset(); }

    void save(const QByteArray& content, QDate day) {
        Clock::setFixed(QDateTime(day, QTime(9, 30)));
        // Saving replaces the file, as the data file writer does.
        QFile::remove(dataPath);
        QFile file(dataPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        ASSERT_TRUE(backups.keep()) << backups.errorString().toStdString();
    }
    static QByteArray contentOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir home;
    QString dataPath = home.filePath(QStringLiteral("Kesh Data"));
    DailyBackups backups{dataPath};
};

TEST_F(Backups, theFirstSaveOfADayIsKeptAndTheOldestBeyondFourteenGo) {
    save("monday morning", QDate(2026, 12, 7));
    save("monday evening", QDate(2026, 12, 7));
    EXPECT_EQ(contentOf(backups.pathFor(QDate(2026, 12, 7))), QByteArray("monday morning"));
    EXPECT_TRUE(backups.pathFor(QDate(2026, 12, 7)).endsWith(QStringLiteral("Kesh Backups/Kesh Data 2026-12-07")));

    for (int day = 8; day <= 22; ++day) {
        save(QByteArray::number(day), QDate(2026, 12, day));
    }
    const QStringList copies = backups.copies();
    ASSERT_EQ(copies.size(), DailyBackups::kept);
    EXPECT_TRUE(copies.first().endsWith(QStringLiteral("2026-12-09")));
    EXPECT_EQ(contentOf(copies.last()), QByteArray("22"));
}

TEST_F(Backups, filesThatAreNotDatedCopiesAreNeverRemoved) {
    ASSERT_TRUE(QDir().mkpath(backups.folder()));
    const QStringList foreign = {QStringLiteral("notes.txt"), QStringLiteral("Kesh Data 2026-02-31"),
                                 QStringLiteral("Kesh Data 2000-01-01.old"), QStringLiteral("Other 2000-01-01")};
    for (const QString& name : foreign) {
        QFile file(QDir(backups.folder()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    for (int day = 1; day <= 20; ++day) {
        save("x", QDate(2026, 1, day));
    }
    for (const QString& name : foreign) {
        EXPECT_TRUE(QFileInfo::exists(QDir(backups.folder()).filePath(name))) << name.toStdString();
    }
    EXPECT_EQ(backups.copies().size(), DailyBackups::kept);
}

TEST_F(Backups, aFolderThatCannotBeMadeIsReportedAndTheDataFileStays) {
    // A file where the folder should be.
    QFile blocker(backups.folder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Clock::setFixed(QDateTime(QDate(2026, 3, 1), QTime(8, 0)));
    QFile data(dataPath);
    ASSERT_TRUE(data.open(QIODevice::WriteOnly));
    data.write("library");
    data.close();
    EXPECT_FALSE(backups.keep());
    EXPECT_FALSE(backups.errorString().isEmpty());
    EXPECT_EQ(contentOf(dataPath), QByteArray("library"));
}

} // namespace
