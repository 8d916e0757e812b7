#include "LegacyImport.h"
#include "DataFileLock.h"
#include "LegacyFileWriter.h"
#include "LibraryOnDisk.h"
#include "LocalizedStrings.h"
#include "TestEnvironment.h"
#include "WatchedFifo.h"

#include "Keyword.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <csignal>
#include <limits>
#include <tuple>

#include <sys/resource.h>

namespace {

using Outcome = LegacyImportResult::Outcome;

class Import : public ::testing::Test {
protected:
    void SetUp() override {
        LocalizedStrings::installForModel();
        m_documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        m_legacyPath = m_documents + QStringLiteral("/Kesh Library");
        m_dataPath = DataFile::defaultPath();
        TearDown();
        ASSERT_TRUE(QDir().mkpath(m_documents));
    }
    void TearDown() override {
        QDir(m_documents).removeRecursively();
        QDir(QDir::homePath() + QStringLiteral("/Library")).removeRecursively();
        QFile::remove(QDir::homePath() + QStringLiteral("/Library"));
    }

    void writeLegacy(const std::vector<LegacyEntry>& entries, const QByteArray& trailing = {}) {
        ASSERT_TRUE(writeFile(m_legacyPath, legacyFileBytes(entries, trailing)));
    }
    LegacyImportResult runImport() { return LegacyImport(m_dataPath).run(); }
    DataRootPtr library() { return libraryAt(m_dataPath); }
    // A library on disk with one record that carries a keyword and sits in a plain book.
    void writeExistingLibrary() {
        DataRootPtr root = DataRoot::create();
        const KeywordPtr keyword = Keyword::create();
        keyword->setName(QStringLiteral("Food"));
        root->addKeyword(keyword);
        const IOPtr record = IO::create(Amount::fromInt(-3), QDateTime(QDate(2020, 1, 2), QTime(0, 0)),
                                        KeywordList{keyword}, QStringLiteral("Bread"), 1);
        root->mainLibrary()->addObject(record);
        const BookPtr book = Book::create();
        book->setBookName(QStringLiteral("Groceries"));
        book->addObject(record);
        root->addDumbBook(book);
        ASSERT_TRUE(saveLibrary(*root, m_dataPath));
    }

    QString m_documents;
    QString m_legacyPath;
    QString m_dataPath;
};

// What a file holds -----------------------------------------------------------

struct FileCase {
    const char* name;
    std::vector<LegacyEntry> entries;
    QByteArray trailing;
    qint64 imported;
    qint64 leftOut;

    friend void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }
};

class ImportOfFile : public Import, public ::testing::WithParamInterface<FileCase> {};

TEST_P(ImportOfFile, importsTheSlotsInUseThatHoldRecords) {
    const FileCase& c = GetParam();
    writeLegacy(c.entries, c.trailing);
    const LegacyImportResult result = runImport();
    ASSERT_EQ(result.outcome, Outcome::Imported) << result.detail.toStdString();
    EXPECT_EQ(result.imported, c.imported);
    EXPECT_EQ(result.preview.recordCount(), c.imported);
    EXPECT_EQ(result.preview.leftOutCount(), c.leftOut);
    EXPECT_EQ(result.legacyFilePath, m_legacyPath);
    const DataRootPtr root = library();
    ASSERT_TRUE(root);
    EXPECT_EQ(qint64(root->mainLibrary()->count()), c.imported);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ImportOfFile,
    ::testing::Values(FileCase{"empty", {}, {}, 0, 0},
                      FileCase{"secondSlotFree", {{0, 1.0, "a"}, {0, 2.0, "b", 1, 0}}, {}, 1, 0},
                      FileCase{"trailingSixtyBytes", {{0, 1.0, "a"}}, QByteArray(60, '\x01'), 1, 0},
                      FileCase{"everySlotFree", {{0, 1.0, {}, 1, 0}, {0, 1.0, {}, 1, 0}}, {}, 0, 0},
                      // Odd slots of a ledger are left out, as long as they are the fewer.
                      FileCase{"oddSlotsLeftOut",
                               {{0, std::numeric_limits<double>::quiet_NaN(), "nan"},
                                {0, 5.0, "five"},
                                {0, -std::numeric_limits<double>::infinity(), "-inf"},
                                {0, 6.0, "six"},
                                {0, 7.0, "seven"}},
                               {},
                               3,
                               2}),
    [](const ::testing::TestParamInfo<FileCase>& info) { return std::string(info.param.name); });

TEST_F(Import, aFreshLibraryIsMadeWithTheRecordsAsTheFileHasThem) {
    writeLegacy({{3'034'799'999u, -12.5, QByteArray::fromHex("928b94d191e3"), 255},
                 {0, 1500.0, "Salary", 0},
                 {86'340, 0.25, QByteArray(255, 'z'), 1},
                 {0, 2.0, {}}});
    ASSERT_TRUE(runImport().succeeded());
    const DataRootPtr root = library();
    ASSERT_TRUE(root);
    EXPECT_EQ(root->mainLibrary()->bookName(), QStringLiteral("Library"));
    EXPECT_TRUE(root->keywords().empty());
    EXPECT_TRUE(root->dumbBooks().empty());
    ASSERT_EQ(root->mainLibrary()->count(), 4u);

    // Appended in file order.
    const IOPtr lunch = root->mainLibrary()->objectAtIndex(0);
    EXPECT_EQ(lunch->amount()->toString(), QStringLiteral("-12.5"));
    EXPECT_EQ(lunch->date(), QDate(2000, 3, 1));
    EXPECT_EQ(lunch->comment(), QString::fromUtf8("昼飯代"));
    EXPECT_NE(lunch->includeInStats(), 0);
    const IOPtr salary = root->mainLibrary()->objectAtIndex(1);
    EXPECT_EQ(salary->date(), QDate(1904, 1, 1));
    EXPECT_EQ(salary->includeInStats(), 0);
    EXPECT_EQ(root->mainLibrary()->objectAtIndex(2)->comment(), QString(255, u'z'));
    EXPECT_EQ(root->mainLibrary()->objectAtIndex(3)->comment(), QStringLiteral(""));
    // Counted or not as the include byte says, expenditure by its sign.
    root->mainLibrary()->reloadFilteredListWithSearchKey(QString(), {});
    EXPECT_DOUBLE_EQ(root->mainLibrary()->totalOut(), 12.5);
    EXPECT_DOUBLE_EQ(root->mainLibrary()->totalIn(), 2.25);
}

TEST_F(Import, isAppendedToTheLibraryEveryTimeItRunsAndChangesNothingElse) {
    writeExistingLibrary();
    writeLegacy({{0, 1.0, "one"}, {0, 2.0, "two"}});
    ASSERT_TRUE(runImport().succeeded());
    const LegacyImportResult second = runImport();
    ASSERT_TRUE(second.succeeded());
    EXPECT_EQ(second.imported, 2);

    const DataRootPtr root = library();
    ASSERT_TRUE(root);
    const Book& main = *root->mainLibrary();
    ASSERT_EQ(main.count(), 5u);
    EXPECT_EQ(main.objectAtIndex(0)->comment(), QStringLiteral("Bread"));
    EXPECT_EQ(main.objectAtIndex(1)->comment(), QStringLiteral("one"));
    EXPECT_EQ(main.objectAtIndex(3)->comment(), QStringLiteral("one"));
    ASSERT_EQ(root->keywords().size(), 1u);
    ASSERT_EQ(root->dumbBooks().size(), 1u);
    EXPECT_EQ(root->dumbBooks()[0]->count(), 1u);
    EXPECT_TRUE(main.objectAtIndex(0)->includesKeyword(root->keywords()[0]));
}

TEST_F(Import, isConfirmedWithWhatTheFileHoldsBeforeAnythingIsWritten) {
    writeExistingLibrary();
    const QByteArray before = contentOf(m_dataPath);
    writeLegacy({{86'400 * 400, 1.0, "later"}, {86'400 * 10, 2.0, "earlier"}, {0, 1e300, "odd"}});
    LegacyImport run(m_dataPath);
    int asked = 0;
    run.setConfirmation([&](const LegacyPreview& preview, const QString& path) {
        ++asked;
        EXPECT_EQ(path, m_legacyPath);
        EXPECT_EQ(preview.recordCount(), 3);
        EXPECT_EQ(preview.oddRecordCount(LegacySlot::Oddity::AmountTooLarge), 1);
        EXPECT_EQ(preview.firstDay(), QDate(1904, 1, 1));
        EXPECT_EQ(preview.lastDay(), QDate(1905, 2, 4));
        // Nothing is written while the user decides.
        EXPECT_EQ(contentOf(m_dataPath), before);
        return false;
    });
    EXPECT_EQ(run.run().outcome, Outcome::Cancelled);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(contentOf(m_dataPath), before);
}

// Nothing changes when it cannot go on ------------------------------------------

TEST_F(Import, stopsBeforeReadingWhileAnotherProgramHoldsTheLibrary) {
    writeExistingLibrary();
    const QByteArray before = contentOf(m_dataPath);
    writeLegacy({{0, 1.0, "one"}});
    DataFileLock kesh(m_dataPath);
    ASSERT_TRUE(kesh.tryLock());

    const LegacyImportResult result = runImport();
    EXPECT_EQ(result.outcome, Outcome::DataFileLocked);
    EXPECT_FALSE(result.detail.isEmpty());
    EXPECT_EQ(contentOf(m_dataPath), before);

    kesh.unlock();
    EXPECT_TRUE(runImport().succeeded());
}

TEST_F(Import, neverOverwritesADataFileItCannotRead) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(m_dataPath).path()));
    const QByteArray garbage("this is not a library, but it is somebody's file");
    ASSERT_TRUE(writeFile(m_dataPath, garbage));
    writeLegacy({{0, 1.0, "one"}});

    const LegacyImportResult result = runImport();
    EXPECT_EQ(result.outcome, Outcome::DataFileUnreadable);
    EXPECT_FALSE(result.detail.isEmpty());
    EXPECT_EQ(contentOf(m_dataPath), garbage);
}

TEST_F(Import, aFileThatIsNoLegacyLibraryIsRefusedBeforeTheConfirmation) {
    writeExistingLibrary();
    const QByteArray before = contentOf(m_dataPath);
    // A library copied where the legacy one should be.
    ASSERT_TRUE(QFile::copy(m_dataPath, m_legacyPath));
    LegacyImport run(m_dataPath);
    run.setConfirmation([](const LegacyPreview&, const QString&) {
        ADD_FAILURE() << "asked to confirm a refused file";
        return true;
    });
    const LegacyImportResult result = run.run();
    EXPECT_EQ(result.outcome, Outcome::NotALegacyLibrary);
    EXPECT_TRUE(result.detail.contains(QStringLiteral("Kesh Library"))) << result.detail.toStdString();
    EXPECT_EQ(contentOf(m_dataPath), before);
}

TEST_F(Import, aLegacyFileThatIsMissingOrFailsToReadChangesNothing) {
    writeExistingLibrary();
    const QByteArray before = contentOf(m_dataPath);

    LegacyImportResult result = runImport();
    EXPECT_EQ(result.outcome, Outcome::LegacyFileFailed);
    EXPECT_EQ(result.legacyStatus, -43);
    EXPECT_EQ(result.legacyFilePath, m_legacyPath);

    // A folder where the file should be, and a file whose reading fails.
    ASSERT_TRUE(QDir().mkpath(m_legacyPath));
    EXPECT_EQ(runImport().outcome, Outcome::LegacyFileFailed);
    result = LegacyImport(m_dataPath, QStringLiteral("/proc/self/mem")).run();
    EXPECT_EQ(result.outcome, Outcome::LegacyFileFailed);
    EXPECT_NE(result.legacyStatus, -39);
    EXPECT_EQ(contentOf(m_dataPath), before);
}

// A FIFO would block the import while it holds the library's lock, and
// /dev/zero would never end: neither is opened.
TEST_F(Import, aLegacyFileThatIsNoRegularFileIsRefusedForWhatItIsAndLeavesTheLibraryFree) {
    writeExistingLibrary();
    const QByteArray before = contentOf(m_dataPath);
    const WatchedFifo fifo(m_legacyPath);
    ASSERT_TRUE(fifo.made());

    for (const auto& [path, shown, said] :
         {std::tuple{QString(), "~/Documents/Kesh Library", "It is a pipe, not a file."},
          std::tuple{QStringLiteral("/dev/zero"), "/dev/zero", "It is a device, not a file."}}) {
        LegacyImport run(m_dataPath, path);
        QElapsedTimer reading;
        reading.start();
        run.setProgressHandler([&reading](LegacyImport::Phase, qint64, qint64) { return !reading.hasExpired(5000); });
        const LegacyImportResult result = run.run();
        ASSERT_NE(result.outcome, Outcome::Cancelled) << shown << " was still being read after 5 s";
        EXPECT_EQ(result.outcome, Outcome::LegacyFileFailed);
        EXPECT_EQ(result.legacyStatus, LegacyStatus::notAFile);
        EXPECT_EQ(result.detail,
                  QStringLiteral("“%1” cannot be read: %2").arg(QString::fromUtf8(shown), QString::fromUtf8(said)));
    }
    EXPECT_FALSE(fifo.wasOpened());
    EXPECT_EQ(contentOf(m_dataPath), before);
    DataFileLock lock(m_dataPath);
    EXPECT_TRUE(lock.tryLock());
}

TEST_F(Import, aCancelledImportChangesNothing) {
    writeExistingLibrary();
    const QByteArray before = contentOf(m_dataPath);
    writeLegacy(std::vector<LegacyEntry>(3000, LegacyEntry{0, 1.0, "x"}));
    LegacyImport run(m_dataPath);
    // Told at the start and again after the first thousand slots, where it says stop.
    run.setProgressHandler([](LegacyImport::Phase, qint64 done, qint64 total) {
        EXPECT_EQ(total, 3000 * 540);
        return done == 0;
    });
    EXPECT_EQ(run.run().outcome, Outcome::Cancelled);
    EXPECT_EQ(contentOf(m_dataPath), before);
}

TEST_F(Import, aFolderThatCannotHoldTheLibraryFailsAndCreatesNothing) {
    // "~/Library" is a plain file, so nothing can be made inside it, not even by root.
    ASSERT_TRUE(writeFile(QDir::homePath() + QStringLiteral("/Library"), "in the way"));
    writeLegacy({{0, 1.0, "one"}});
    const LegacyImportResult result = runImport();
    EXPECT_FALSE(result.succeeded());
    EXPECT_FALSE(result.detail.isEmpty());
    EXPECT_EQ(contentOf(QDir::homePath() + QStringLiteral("/Library")), QByteArray("in the way"));
}

TEST_F(Import, aWriteThatFailsPartWayKeepsTheOldLibrary) {
    writeExistingLibrary();
    const QByteArray before = contentOf(m_dataPath);
    std::vector<LegacyEntry> entries(4000, LegacyEntry{0, -1.5, QByteArray(200, 'c')});
    writeLegacy(entries);

    // Files may grow to 64 KiB only: the lock and the old library fit, the new library does not.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const LegacyImportResult result = runImport();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(result.outcome, Outcome::DataFileNotWritten);
    EXPECT_FALSE(result.detail.isEmpty());
    EXPECT_EQ(contentOf(m_dataPath), before);
    EXPECT_TRUE(runImport().succeeded());
}

} // namespace
