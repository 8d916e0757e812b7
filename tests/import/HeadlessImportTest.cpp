#include "DataFileLock.h"
#include "LegacyFileWriter.h"
#include "LibraryOnDisk.h"
#include "ProgramRun.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// kesh-import FILE as a script runs it, on a machine without any display.
class HeadlessImport : public ::testing::Test {
protected:
    HeadlessImport() {
        QDir(folder()).removeRecursively();
        QDir(QDir::homePath() + QStringLiteral("/Library")).removeRecursively();
        QDir().mkpath(folder());
    }

    static QString folder() { return TestEnvironment::home() + QStringLiteral("/scripted"); }
    static QString legacyPath() { return folder() + QStringLiteral("/Old Ledger"); }
    static QString libraryPath() { return folder() + QStringLiteral("/Ledger"); }
    static void writeLegacy(std::size_t count) {
        std::vector<LegacyEntry> entries;
        for (std::size_t i = 0; i < count; ++i) {
            // 1 March 2020 onwards, one a day; a spare slot between every hundred.
            entries.push_back({3665952000u + std::uint32_t(i) * 86400u, -12.5 - double(i % 7), "bus"});
        }
        entries.push_back({3665952000u, 1.0, "unused", 1, 0});
        ASSERT_TRUE(writeFile(legacyPath(), legacyFileBytes(entries)));
    }
    static void writeLibrary(const QString& path = libraryPath()) {
        DataRootPtr root = DataRoot::create();
        root->mainLibrary()->appendObject(IO::create(Amount::fromInt(-3), QDateTime(QDate(2020, 1, 2), QTime(0, 0)),
                                                     KeywordList{}, QStringLiteral("Bread"), 1));
        ASSERT_TRUE(saveLibrary(*root, path));
    }

    static ProgramRun importer(const QStringList& arguments, const QString& locale = QStringLiteral("C")) {
        return ProgramRun::of(QStringLiteral(KESH_IMPORT_BINARY), arguments, folder(), locale);
    }
};

TEST_F(HeadlessImport, appendsToTheNamedLibraryAndSaysSoInOneLine) {
    writeLibrary();
    writeLegacy(1234);
    // A relative FILE is taken from the folder the script runs in.
    const ProgramRun run = importer({QStringLiteral("--library"), libraryPath(), QStringLiteral("Old Ledger")},
                                    QStringLiteral("en_US.UTF-8"));
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Appended 1,234 records from Old Ledger to %1\n").arg(libraryPath()));
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();

    const DataRootPtr library = libraryAt(libraryPath());
    ASSERT_TRUE(library);
    EXPECT_EQ(library->mainLibrary()->count(), 1235u);
    // The save kept the library as it was beside it, and let go of its lock.
    EXPECT_EQ(libraryAt(libraryPath() + QStringLiteral(".bak"))->mainLibrary()->count(), 1u);
    EXPECT_TRUE(DataFileLock(libraryPath()).tryLock());
    EXPECT_FALSE(QFileInfo::exists(QDir::homePath() + QStringLiteral("/Library")));
}

TEST_F(HeadlessImport, withoutALibraryNamedTheDefaultOneIsMadeAsTheWindowWould) {
    writeLegacy(2);
    const ProgramRun run = importer({legacyPath()});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("Appended 2 records"))) << run.out.toStdString();
    const DataRootPtr library = libraryAt(DataFile::defaultPath());
    ASSERT_TRUE(library);
    EXPECT_EQ(library->mainLibrary()->count(), 2u);
}

TEST_F(HeadlessImport, aRefusalIsOneLineWithStatusOneAndChangesNothing) {
    writeLegacy(3);
    writeLibrary();
    const QByteArray before = contentOf(libraryPath());
    ASSERT_TRUE(writeFile(folder() + QStringLiteral("/notes.txt"), "shopping list"));

    struct Case {
        QString library;
        QString file;
        QString says;
    };
    const QList<Case> cases{
        {folder() + QStringLiteral("/Typo"), legacyPath(), QStringLiteral("There is no library at")},
        {folder() + QStringLiteral("/gone/Ledger"), legacyPath(), QStringLiteral("does not exist")},
        {folder() + QStringLiteral("/notes.txt"), legacyPath(), QStringLiteral("is not a kesh library")},
        {libraryPath(), folder() + QStringLiteral("/No Such File"), QStringLiteral("No Such File")},
    };
    for (const Case& refused : cases) {
        const ProgramRun run = importer({QStringLiteral("--library"), refused.library, refused.file});
        EXPECT_EQ(run.status, 1) << refused.library.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("Nothing was imported"))) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(refused.says)) << run.err.toStdString();
    }
    EXPECT_EQ(contentOf(libraryPath()), before);
    EXPECT_EQ(contentOf(folder() + QStringLiteral("/notes.txt")), QByteArray("shopping list"));
    EXPECT_FALSE(QFileInfo::exists(folder() + QStringLiteral("/Typo")));
    EXPECT_FALSE(QFileInfo::exists(folder() + QStringLiteral("/gone")));
}

TEST_F(HeadlessImport, aLibraryThatKeshHoldsIsLeftAlone) {
    writeLegacy(3);
    writeLibrary();
    const QByteArray before = contentOf(libraryPath());
    DataFileLock kesh(libraryPath());
    ASSERT_TRUE(kesh.tryLock());

    const ProgramRun run = importer({QStringLiteral("--library"), libraryPath(), legacyPath()});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("in use"))) << run.err.toStdString();
    EXPECT_EQ(contentOf(libraryPath()), before);
    EXPECT_TRUE(kesh.isLocked());
}

} // namespace
