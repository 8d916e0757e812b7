#include "AlertAnswers.h"
#include "AppFixture.h"
#include "Crc32.h"
#include "DataFileFormat.h"
#include "DataFileLock.h"
#include "LocalizedStrings.h"
#include "RecordTableView.h"
#include "RunningInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocalServer>
#include <QMainWindow>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <unistd.h>

namespace {

using StartAndQuit = AppFixture;

QStringList libraryFolder() {
    return QDir(QFileInfo(DataFile::defaultPath()).absolutePath())
        .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
}

TEST_F(StartAndQuit, aFirstLaunchStartsFreshAndWritesTheLibraryOnlyWhenQuitting) {
    ASSERT_TRUE(launch(false));
    const DataRoot& root = *app->dataRoot();
    EXPECT_EQ(root.mainLibrary()->bookName(), app->getLocalizedStringWithKey(QStringLiteral("MainLibrary")));
    EXPECT_NE(root.mainLibrary()->bookName(), QStringLiteral("plist Error"));
    EXPECT_EQ(root.bookCount(), 1u);
    EXPECT_TRUE(root.keywords().empty());
    EXPECT_TRUE(app->commentSuggestion().array().isEmpty());

    app->loadInterface();
    EXPECT_TRUE(app->mainWindow()->isVisible());
    // The empty table says how records get in.
    EXPECT_TRUE(
        find<RecordTableView>("ioListView")->placeholderText().contains(QStringLiteral("Import Legacy Library")));
    EXPECT_FALSE(QFileInfo::exists(dataPath()));
    // Nothing changed, and still the library is written.
    ASSERT_TRUE(quit());
    const DataRootPtr saved = readLibrary();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->mainLibrary()->bookName(), root.mainLibrary()->bookName());
}

TEST_F(StartAndQuit, theLibraryIsReadAndEachCommentIsSuggestedOnceInLibraryOrder) {
    const DataRootPtr root = library();
    const QDate day(2024, 5, 1);
    for (const char* comment : {"lunch", "", "rent", "lunch", "Lunch"}) {
        root->mainLibrary()->appendObject(sampleRecord("-5", day, QString::fromLatin1(comment)));
    }
    writeLibrary(*root);

    ASSERT_TRUE(launch());
    EXPECT_EQ(app->dataRoot()->mainLibrary()->count(), 5u);
    EXPECT_EQ(app->commentSuggestion().array(),
              (QStringList{QStringLiteral("lunch"), QStringLiteral("rent"), QStringLiteral("Lunch")}));
    EXPECT_EQ(find<QLabel>("recordCountLabel")->text(), QStringLiteral("5 records"));
}

TEST_F(StartAndQuit, anUnreadableLibraryIsNeitherReplacedNorMovedWithoutABackup) {
    const QByteArray damaged("not a kesh library at all");
    writeBytes(damaged);
    AlertAnswers user({QStringLiteral("Quit")});
    EXPECT_FALSE(launch(true));
    ASSERT_EQ(user.alerts().size(), 1);
    EXPECT_EQ(user.alerts().first().objectName, QStringLiteral("unreadableLibraryAlert"));
    EXPECT_TRUE(user.alerts().first().informativeText.contains(QDir::toNativeSeparators(dataPath())));
    EXPECT_EQ(user.alerts().first().buttons, QStringList{QStringLiteral("Quit")});
    EXPECT_FALSE(app->dataRoot());
    app.reset();
    EXPECT_EQ(readBytes(), damaged);
    EXPECT_EQ(libraryFolder(), QStringList{QStringLiteral("Kesh Data")});
}

TEST_F(StartAndQuit, aReadableBackupTakesOverAndTheDamagedFileIsKeptAside) {
    const DataRootPtr backup = library();
    backup->mainLibrary()->addObject(sampleRecord("42", QDate(2024, 1, 2), QStringLiteral("from the backup")));
    writeLibrary(*backup, DataFile::backupPath(dataPath()));
    const QByteArray damaged = readBytes(DataFile::backupPath(dataPath())).left(100);
    writeBytes(damaged);

    AlertAnswers user({QStringLiteral("Start From Backup")});
    ASSERT_TRUE(launch(true));
    ASSERT_EQ(user.alerts().size(), 1);
    EXPECT_EQ(user.alerts().first().buttons,
              (QStringList{QStringLiteral("Start From Backup"), QStringLiteral("Quit")}));
    ASSERT_EQ(app->dataRoot()->mainLibrary()->count(), 1u);
    EXPECT_EQ(app->dataRoot()->mainLibrary()->objectAtIndex(0)->comment(), QStringLiteral("from the backup"));
    EXPECT_EQ(app->commentSuggestion().array(), QStringList{QStringLiteral("from the backup")});

    const QStringList aside = libraryFolder().filter(QStringLiteral("damaged"));
    ASSERT_EQ(aside.size(), 1);
    const QString asidePath = QFileInfo(dataPath()).absolutePath() + QLatin1Char('/') + aside.first();
    EXPECT_EQ(readBytes(asidePath), damaged);

    ASSERT_TRUE(quit());
    ASSERT_TRUE(readLibrary());
    EXPECT_EQ(readLibrary()->mainLibrary()->count(), 1u);
    EXPECT_EQ(readBytes(asidePath), damaged);
}

TEST_F(StartAndQuit, aSecondLaunchBringsTheRunningKeshToTheFrontAndEndsQuietly) {
    ASSERT_TRUE(launch());
    app->mainWindow()->showMinimized();
    QSignalSpy requests(app->runningInstance(), &RunningInstance::showRequested);

    // The real program, in the same home: an alert there would hang it, so it is given a deadline.
    QProcess second;
    second.start(QStringLiteral(KESH_BINARY), {});
    ASSERT_TRUE(second.waitForStarted());
    const bool ended = QTest::qWaitFor([&second] { return second.state() == QProcess::NotRunning; }, 20000);
    if (!ended) {
        second.kill();
        second.waitForFinished();
    }
    ASSERT_TRUE(ended) << "the second kesh did not end";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(requests.count(), 1);
    EXPECT_FALSE(app->mainWindow()->isMinimized());
    // It neither read nor wrote the library.
    EXPECT_FALSE(QFileInfo::exists(dataPath()));
}

// As while a large library is read: kesh listens, but its own thread handles no event until the launch has ended.
TEST_F(StartAndQuit, aLaunchWhileKeshIsStillStartingIsHandedOverAndTheWindowComesForwardOnceItExists) {
    ASSERT_TRUE(launch(false));
    QSignalSpy requests(app->runningInstance(), &RunningInstance::showRequested);

    QProcess second;
    second.start(QStringLiteral(KESH_BINARY), {});
    const bool ended = second.waitForFinished(20000);
    if (!ended) {
        second.kill();
        second.waitForFinished();
    }
    ASSERT_TRUE(ended) << "the second kesh did not end while the first was busy starting";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();

    // Heard once this thread is free again, before there is a window to show.
    ASSERT_TRUE(QTest::qWaitFor([&requests] { return requests.count() == 1; }, 5000))
        << "the running kesh did not hear of the second launch";
    app->loadInterface();
    EXPECT_TRUE(app->mainWindow()->isVisible());
    EXPECT_FALSE(app->mainWindow()->isMinimized());
    EXPECT_FALSE(QFileInfo::exists(dataPath()));
}

TEST_F(StartAndQuit, aSocketLeftByAKeshThatCrashedDoesNotStopTheNextOne) {
    const QString name = RunningInstance::serverName(dataPath());
    {
        QFile leftOver(name);
        ASSERT_TRUE(leftOver.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(launch());
    EXPECT_TRUE(app->runningInstance()->isListening());
}

TEST_F(StartAndQuit, aLibraryInUseIsLeftAlone) {
    writeLibrary(*library());
    const QByteArray before = readBytes();
    DataFileLock other(dataPath());
    ASSERT_TRUE(other.tryLock());

    AlertAnswers user({QStringLiteral("Quit")});
    EXPECT_FALSE(launch(true));
    ASSERT_EQ(user.alerts().size(), 1);
    EXPECT_EQ(user.alerts().first().objectName, QStringLiteral("libraryInUseAlert"));
    EXPECT_TRUE(user.alerts().first().informativeText.contains(QStringLiteral("process %1").arg(getpid())))
        << user.alerts().first().informativeText.toStdString();
    app.reset();
    EXPECT_EQ(readBytes(), before);
    EXPECT_TRUE(other.isLocked());
}

TEST_F(StartAndQuit, aLockThatCannotBeTakenForAnotherReasonIsNotCalledInUse) {
    // A file where the library's folder should be is no other program.
    const QString home = QDir::homePath();
    QDir(home + QStringLiteral("/Library")).removeRecursively();
    writeBytes("a file, not a folder", home + QStringLiteral("/Library"));
    AlertAnswers user({QStringLiteral("Quit")});
    EXPECT_FALSE(launch(true));
    ASSERT_EQ(user.alerts().size(), 1);
    EXPECT_EQ(user.alerts().first().text, QStringLiteral("kesh cannot make the folder for your library."));
    EXPECT_FALSE(user.alerts().first().informativeText.contains(QStringLiteral("Close the other program")));
}

TEST_F(StartAndQuit, aLibraryOfANewerKeshIsLeftAsItIsAndNoBackupIsOffered) {
    writeLibrary(*library());
    writeLibrary(*library(), DataFile::backupPath(dataPath()));
    QByteArray bytes = readBytes();
    DataFileFormat::putLittleEndian32(bytes.data() + DataFileFormat::versionOffset, DataFileFormat::version + 1);
    DataFileFormat::putLittleEndian32(bytes.data() + DataFileFormat::headerCrcOffset,
                                      Crc32::of(QByteArrayView(bytes.constData(), DataFileFormat::headerCrcOffset)));
    writeBytes(bytes);

    AlertAnswers user({QStringLiteral("OK")});
    EXPECT_FALSE(launch(true));
    ASSERT_EQ(user.alerts().size(), 1);
    EXPECT_EQ(user.alerts().first().objectName, QStringLiteral("newerLibraryAlert"));
    EXPECT_EQ(user.alerts().first().buttons, QStringList{QStringLiteral("OK")});
    app.reset();
    EXPECT_EQ(readBytes(), bytes);
    EXPECT_FALSE(DataFileLock(dataPath()).isLocked());
}

TEST_F(StartAndQuit, aLibraryThatIsNoFileOffersTheBackupButSuggestsQuitting) {
    writeLibrary(*library(), DataFile::backupPath(dataPath()));
    ASSERT_TRUE(QDir().mkpath(dataPath()));
    AlertAnswers user({QStringLiteral("Quit")});
    EXPECT_FALSE(launch(true));
    ASSERT_EQ(user.alerts().size(), 1);
    EXPECT_EQ(user.alerts().first().buttons,
              (QStringList{QStringLiteral("Start From Backup"), QStringLiteral("Quit")}));
    EXPECT_EQ(user.alerts().first().defaultButton, QStringLiteral("Quit"));
    EXPECT_TRUE(user.alerts().first().informativeText.contains(QStringLiteral("back in its place")));
    // What could not be read is not called damaged.
    EXPECT_FALSE(user.alerts().first().informativeText.contains(QStringLiteral("damaged")))
        << user.alerts().first().informativeText.toStdString();
    app.reset();
    EXPECT_TRUE(QFileInfo(dataPath()).isDir());
}

class FailedSave : public AppFixture {
protected:
    // A folder where the library should go: no save can replace it.
    static void blockTheLibrary() { ASSERT_TRUE(QDir().mkpath(dataPath())); }
    static void unblockTheLibrary() { QDir(dataPath()).removeRecursively(); }
};

TEST_F(FailedSave, theUserMayStayTryAgainOrQuitKnowingWhatIsLost) {
    ASSERT_TRUE(launch());
    app->dataRoot()->mainLibrary()->addObject(sampleRecord("9", QDate(2024, 2, 2), QStringLiteral("new")));
    blockTheLibrary();
    {
        AlertAnswers user({QStringLiteral("Don’t Quit")});
        EXPECT_FALSE(quit());
        ASSERT_EQ(user.alerts().size(), 1);
        const Alert::Shown& alert = user.alerts().first();
        EXPECT_EQ(alert.objectName, QStringLiteral("saveFailedAlert"));
        EXPECT_TRUE(alert.informativeText.contains(QDir::toNativeSeparators(dataPath())));
        EXPECT_TRUE(alert.informativeText.contains(QStringLiteral("lost")));
        QStringList buttons = alert.buttons;
        buttons.sort();
        EXPECT_EQ(buttons, (QStringList{QStringLiteral("Don’t Quit"), QStringLiteral("Quit Without Saving"),
                                        QStringLiteral("Try Again")}));
    }
    EXPECT_TRUE(app->mainWindow()->isVisible());
    {
        // The second attempt finds the way clear.
        AlertAnswers user({QStringLiteral("Try Again")}, [] { unblockTheLibrary(); });
        EXPECT_TRUE(quit());
        EXPECT_EQ(user.alerts().size(), 1);
    }
    ASSERT_TRUE(readLibrary());
    EXPECT_EQ(readLibrary()->mainLibrary()->count(), 1u);
}

TEST_F(FailedSave, quittingWithoutSavingEndsTheRunAndWritesNothing) {
    ASSERT_TRUE(launch());
    blockTheLibrary();
    AlertAnswers user({QStringLiteral("Quit Without Saving")});
    EXPECT_TRUE(quit());
    EXPECT_EQ(user.alerts().size(), 1);
    EXPECT_TRUE(QFileInfo(dataPath()).isDir());
    // Once ended, a second request (a signal, the close box) does nothing.
    EXPECT_FALSE(quit());
    EXPECT_EQ(user.alerts().size(), 1);
}

TEST_F(StartAndQuit, closingTheMainWindowSavesLikeTheQuitCommand) {
    ASSERT_TRUE(launch());
    app->dataRoot()->mainLibrary()->addObject(sampleRecord("3", QDate(2024, 2, 2), QStringLiteral("closing")));
    app->mainWindow()->close();
    ASSERT_TRUE(readLibrary());
    EXPECT_EQ(readLibrary()->mainLibrary()->count(), 1u);
}

TEST_F(StartAndQuit, aTerminationSignalSavesOnTheEventLoop) {
    ASSERT_TRUE(launch());
    app->dataRoot()->mainLibrary()->addObject(sampleRecord("3", QDate(2024, 2, 2), QStringLiteral("signalled")));
    // The handler only notes the signal; the save happens when the loop comes round.
    std::raise(SIGTERM);
    EXPECT_FALSE(QFileInfo::exists(dataPath()));
    EXPECT_TRUE(QTest::qWaitFor([] { return QFileInfo::exists(dataPath()); })) << "no library was written within 5 s";
    ASSERT_TRUE(readLibrary());
    EXPECT_EQ(readLibrary()->mainLibrary()->count(), 1u);
}

TEST_F(StartAndQuit, alertsShowTheNumberedTextsOrPlistError) {
    ASSERT_TRUE(launch());
    AlertAnswers user({QStringLiteral("OK")});
    app->complain(1);
    app->complain(99);
    ASSERT_EQ(user.alerts().size(), 2);
    EXPECT_EQ(user.alerts().at(0).text, app->getLocalizedStringWithKey(QStringLiteral("ErrorTitle1")));
    EXPECT_EQ(user.alerts().at(0).informativeText, app->getLocalizedStringWithKey(QStringLiteral("ErrorContent1")));
    EXPECT_NE(user.alerts().at(0).text, QStringLiteral("plist Error"));
    EXPECT_EQ(user.alerts().at(0).buttons, QStringList{QStringLiteral("OK")});
    EXPECT_EQ(user.alerts().at(1).text, QStringLiteral("plist Error"));
    EXPECT_EQ(user.alerts().at(1).informativeText, QStringLiteral("plist Error"));
}

TEST_F(StartAndQuit, textsAreLookedUpByKeyAndByPrefixAndNumber) {
    ASSERT_TRUE(launch(false));
    EXPECT_EQ(app->getLocalizedStringWithKeyPrefixAndId(QStringLiteral("ConditionWhat"), 2),
              app->getLocalizedStringWithKey(QStringLiteral("ConditionWhat2")));
    EXPECT_NE(app->getLocalizedStringWithKey(QStringLiteral("ConditionWhat2")), QStringLiteral("plist Error"));
    EXPECT_EQ(app->getLocalizedStringWithKeyPrefixAndId(QStringLiteral("ConditionPeriod"), 0),
              QStringLiteral("plist Error"));
    EXPECT_EQ(app->getLocalizedStringWithKey(QStringLiteral("NoSuchKey")), QStringLiteral("plist Error"));

    // Japanese where it has a text, English where it has none.
    const LocalizedStrings english{QLocale(QStringLiteral("en_US"))};
    const LocalizedStrings japanese{QLocale(QStringLiteral("ja_JP"))};
    const LocalizedStrings welsh{QLocale(QStringLiteral("cy_GB"))};
    EXPECT_EQ(japanese.language().left(2), QStringLiteral("ja"));
    EXPECT_FALSE(japanese.text(QStringLiteral("Records")).isEmpty());
    EXPECT_NE(japanese.text(QStringLiteral("Records")), english.text(QStringLiteral("Records")));
    EXPECT_EQ(welsh.text(QStringLiteral("Records")), english.text(QStringLiteral("Records")));
    EXPECT_TRUE(japanese.text(QStringLiteral("NoSuchKey")).isNull());
}

} // namespace
