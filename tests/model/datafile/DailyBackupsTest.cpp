#include "DailyBackups.h"
#include "Clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

class Backups : public ::testing::Test {
protected:
    ~Backups() override { Clock::reset(); }

    static void setToday(QDate day) { Clock::setFixed(QDateTime(day, QTime(9, 30))); }
    // A write as the data file writer makes it: the day's copy first, then a new file in place.
    void save(const QByteArray& content, QDate day) {
        setToday(day);
        ASSERT_TRUE(backups.keep()) << backups.errorString().toStdString();
        QFile::remove(dataPath);
        put(dataPath, content);
    }
    static void put(const QString& path, const QByteArray& content) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    static QByteArray contentOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Damage written into a file where it lies, as a failing disk or another program might.
    static void damageInPlace(const QString& path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.write("XXXX");
    }
    QStringList namesIn(const QString& folder) const {
        return QDir(folder).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir home;
    QString dataPath = home.filePath(QStringLiteral("Kesh Data"));
    DailyBackups backups{dataPath};
};

TEST_F(Backups, theDaysCopyIsTheLibraryBeforeItsFirstWriteAndNothingBeforeTheFirstFile) {
    save("first ever", QDate(2026, 12, 6));
    // There was no library before the first write.
    EXPECT_FALSE(QFileInfo::exists(backups.folder()));
    save("monday morning", QDate(2026, 12, 7));
    save("monday evening", QDate(2026, 12, 7));
    EXPECT_EQ(contentOf(backups.pathFor(QDate(2026, 12, 7))), QByteArray("first ever"));
    EXPECT_TRUE(backups.pathFor(QDate(2026, 12, 7)).endsWith(QStringLiteral("Kesh Backups/Kesh Data 2026-12-07")));
    save("tuesday", QDate(2026, 12, 8));
    EXPECT_EQ(contentOf(backups.pathFor(QDate(2026, 12, 8))), QByteArray("monday evening"));
    EXPECT_EQ(backups.copies().size(), 2);
}

TEST_F(Backups, theCopyIsItsOwnFileThatDamageToTheLibraryInPlaceLeavesAlone) {
    put(dataPath, "whole library");
    setToday(QDate(2026, 5, 4));
    ASSERT_TRUE(backups.keep());
    damageInPlace(dataPath);
    EXPECT_EQ(contentOf(backups.pathFor(QDate(2026, 5, 4))), QByteArray("whole library"));

    // A hard link an older kesh made for today is replaced by a copy.
    setToday(QDate(2026, 5, 5));
    ASSERT_TRUE(QDir().mkpath(backups.folder()));
    ASSERT_EQ(::link(QFile::encodeName(dataPath).constData(),
                     QFile::encodeName(backups.pathFor(QDate(2026, 5, 5))).constData()),
              0);
    EXPECT_FALSE(backups.hasTodaysCopy());
    ASSERT_TRUE(backups.keep());
    EXPECT_TRUE(backups.hasTodaysCopy());
    const QByteArray kept = contentOf(dataPath);
    damageInPlace(dataPath);
    put(dataPath, "later");
    EXPECT_EQ(contentOf(backups.pathFor(QDate(2026, 5, 5))), kept);
}

// A user who keeps the library in a synced folder and links it into place.
struct LinkedLibrary {
    const char* name;
    bool relative;
};

class LinkedBackups : public Backups, public ::testing::WithParamInterface<LinkedLibrary> {};

TEST_P(LinkedBackups, aLinkedLibraryIsCopiedFromItsTargetAndItsCopiesArePruned) {
    ASSERT_TRUE(QDir().mkpath(home.filePath(QStringLiteral("Synced"))));
    const QString target = home.filePath(QStringLiteral("Synced/Kesh Data"));
    const QString linkTarget = GetParam().relative ? QStringLiteral("Synced/Kesh Data") : target;
    ASSERT_TRUE(QFile::link(linkTarget, dataPath));

    for (int day = 1; day <= 20; ++day) {
        setToday(QDate(2026, 3, day));
        put(target, QByteArray::number(day));
        ASSERT_TRUE(backups.keep()) << backups.errorString().toStdString();
    }
    const QStringList copies = backups.copies();
    ASSERT_EQ(copies.size(), DailyBackups::kept);
    for (const QString& copy : copies) {
        EXPECT_FALSE(QFileInfo(copy).isSymLink()) << copy.toStdString();
    }
    EXPECT_EQ(contentOf(copies.last()), QByteArray("20"));
    damageInPlace(target);
    EXPECT_EQ(contentOf(copies.last()), QByteArray("20"));
    EXPECT_EQ(namesIn(backups.folder()).size(), DailyBackups::kept);
}

INSTANTIATE_TEST_SUITE_P(Targets, LinkedBackups,
                         ::testing::Values(LinkedLibrary{"absolute", false}, LinkedLibrary{"relative", true}),
                         [](const ::testing::TestParamInfo<LinkedLibrary>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(Backups, aLinkToNothingIsReportedAndNoCopyIsMade) {
    ASSERT_TRUE(QFile::link(home.filePath(QStringLiteral("gone/Kesh Data")), dataPath));
    setToday(QDate(2026, 3, 1));
    EXPECT_FALSE(backups.keep());
    EXPECT_TRUE(backups.errorString().contains(QStringLiteral("does not exist")))
        << backups.errorString().toStdString();
    EXPECT_TRUE(namesIn(backups.folder()).isEmpty());
}

TEST_F(Backups, copiesDatedAfterTodayStayAndTodaysCopyIsKeptBesideThem) {
    ASSERT_TRUE(QDir().mkpath(backups.folder()));
    // A clock that ran ahead for three weeks.
    for (int day = 1; day <= 21; ++day) {
        put(backups.pathFor(QDate(2027, 1, day)), "from the future");
    }
    put(dataPath, "today's library");
    setToday(QDate(2026, 12, 9));
    ASSERT_TRUE(backups.keep());
    EXPECT_EQ(contentOf(backups.pathFor(QDate(2026, 12, 9))), QByteArray("today's library"));
    EXPECT_EQ(backups.copies().size(), 22);
    EXPECT_EQ(backups.copies().first(), backups.pathFor(QDate(2026, 12, 9)));
}

TEST_F(Backups, prunedByDaysUpToTodayWithTheMomentsOfAKeptDayAndOlderLinks) {
    ASSERT_TRUE(QDir().mkpath(backups.folder()));
    const QDate today(2026, 6, 30);
    for (int age = 0; age < 20; ++age) {
        put(backups.pathFor(today.addDays(-age)), QByteArray::number(age));
    }
    // A moment of a kept day and one of a day beyond them.
    put(backups.pathFor(QDateTime(today.addDays(-2), QTime(14, 3, 22))), "before a restore");
    put(backups.pathFor(QDateTime(today.addDays(-18), QTime(8, 0))), "long ago");
    // A link an older kesh left for a day long past.
    ASSERT_TRUE(QFile::link(dataPath, backups.pathFor(today.addDays(-30))));
    put(dataPath, "library");
    setToday(today);
    ASSERT_TRUE(backups.keep());

    QStringList expected;
    for (int age = DailyBackups::kept - 1; age >= 0; --age) {
        expected << backups.pathFor(today.addDays(-age));
        if (age == 2) {
            expected << backups.pathFor(QDateTime(today.addDays(-2), QTime(14, 3, 22)));
        }
    }
    EXPECT_EQ(backups.copies(), expected);
    EXPECT_EQ(namesIn(backups.folder()).size(), expected.size());
    EXPECT_EQ(backups.dateOf(expected.last()), QDateTime(today, QTime(0, 0)));
}

TEST_F(Backups, aNewCopyIsTodaysWhenThereIsNoneAndOneOfTheMomentOtherwise) {
    setToday(QDate(2026, 4, 1));
    EXPECT_EQ(backups.newCopyPath(), backups.pathFor(QDate(2026, 4, 1)));
    put(backups.pathFor(QDate(2026, 4, 1)), "today");
    EXPECT_EQ(backups.newCopyPath(), backups.pathFor(QDateTime(QDate(2026, 4, 1), QTime(9, 30))));
    put(backups.pathFor(QDateTime(QDate(2026, 4, 1), QTime(9, 30))), "a moment");
    EXPECT_EQ(backups.newCopyPath(), backups.pathFor(QDateTime(QDate(2026, 4, 1), QTime(9, 30, 1))));
}

TEST_F(Backups, theFileOfAnOlderFormatIsKeptOnceUnderItsOwnNameAndNeverPruned) {
    const QString older = home.filePath(QStringLiteral("older"));
    put(older, "format one library");
    ASSERT_TRUE(backups.keepFormatCopy(older, 1));
    EXPECT_EQ(contentOf(backups.formatCopyPath(1)), QByteArray("format one library"));
    EXPECT_TRUE(backups.formatCopyPath(1).endsWith(QStringLiteral("Kesh Backups/Kesh Data (format 1)")));
    // The same file again adds nothing; another one is kept beside the first.
    ASSERT_TRUE(backups.keepFormatCopy(older, 1));
    EXPECT_EQ(backups.formatCopies().size(), 1);
    put(older, "another format one library");
    ASSERT_TRUE(backups.keepFormatCopy(older, 1));
    ASSERT_EQ(backups.formatCopies().size(), 2);
    EXPECT_EQ(contentOf(backups.formatCopies().at(1)), QByteArray("another format one library"));

    put(dataPath, "library");
    for (int day = 1; day <= 20; ++day) {
        setToday(QDate(2026, 7, day));
        ASSERT_TRUE(backups.keep());
    }
    EXPECT_EQ(backups.formatCopies().size(), 2);
    EXPECT_EQ(backups.copies().size(), DailyBackups::kept);
}

TEST_F(Backups, filesThatAreNotDatedCopiesAreNeverRemoved) {
    ASSERT_TRUE(QDir().mkpath(backups.folder()));
    const QStringList foreign = {QStringLiteral("notes.txt"), QStringLiteral("Kesh Data 2026-02-31"),
                                 QStringLiteral("Kesh Data 2000-01-01.old"), QStringLiteral("Other 2000-01-01"),
                                 QStringLiteral("Kesh Data 2000-01-01 25.00.00")};
    for (const QString& name : foreign) {
        put(QDir(backups.folder()).filePath(name), "");
    }
    put(dataPath, "x");
    for (int day = 1; day <= 20; ++day) {
        setToday(QDate(2026, 1, day));
        ASSERT_TRUE(backups.keep());
    }
    for (const QString& name : foreign) {
        EXPECT_TRUE(QFileInfo::exists(QDir(backups.folder()).filePath(name))) << name.toStdString();
    }
    EXPECT_EQ(backups.copies().size(), DailyBackups::kept);
}

TEST_F(Backups, aFolderThatCannotBeMadeIsReportedAndTheDataFileStays) {
    // A file where the folder should be.
    put(backups.folder(), "");
    setToday(QDate(2026, 3, 1));
    put(dataPath, "library");
    EXPECT_FALSE(backups.keep());
    EXPECT_TRUE(backups.errorString().contains(QStringLiteral("not a folder"))) << backups.errorString().toStdString();
    EXPECT_EQ(contentOf(dataPath), QByteArray("library"));
}

} // namespace
