#include "AlertAnswers.h"
#include "AppFixture.h"
#include "Autosaver.h"
#include "DailyBackups.h"
#include "DataFileLock.h"
#include "FileDialogAnswer.h"
#include "GraphWindow.h"
#include "LibraryDocument.h"
#include "PreferencesManager.h"
#include "RunningInstance.h"

#include <QAction>
#include <QLabel>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include <csignal>

namespace {

// kesh on library files outside "~/Library": a stick, a synced folder.
class LibraryElsewhere : public AppFixture {
protected:
    LibraryElsewhere() { QDir(stick()).removeRecursively(); }

    static QString stick() { return TestEnvironment::home() + QStringLiteral("/stick"); }
    static QString onStick(const QString& name = QStringLiteral("Ledger")) { return stick() + u'/' + name; }
    static DataRootPtr libraryWith(const QString& comment) {
        DataRootPtr root = library();
        root->mainLibrary()->appendObject(sampleRecord("-4", QDate(2024, 3, 1), comment));
        return root;
    }
    static QString rememberedLibrary() { return QSettings().value(PreferencesManager::lastLibraryKey()).toString(); }
    QString firstComment() const { return app->dataRoot()->mainLibrary()->records().at(0)->comment(); }
    void enterRecord(const QString& comment) {
        app->document()->enterRecord(sampleRecord("7", QDate(2024, 3, 2), comment));
    }
};

TEST_F(LibraryElsewhere, theLockTheSaveTheBackupsAndTheAutosaveFollowTheLibrary) {
    writeLibrary(*libraryWith(QStringLiteral("on the stick")), onStick());
    ASSERT_TRUE(launch(true, onStick()));
    EXPECT_EQ(app->dataFilePath(), onStick());
    EXPECT_EQ(firstComment(), QStringLiteral("on the stick"));
    EXPECT_TRUE(QFileInfo::exists(DataFile::lockPath(onStick())));
    EXPECT_FALSE(DataFileLock(onStick()).tryLock());
    EXPECT_TRUE(app->runningInstance()->isListening());
    EXPECT_NE(RunningInstance::serverName(onStick()), RunningInstance::serverName(dataPath()));

    app->autosaver()->setIntervals(10, 10);
    enterRecord(QStringLiteral("autosaved"));
    ASSERT_TRUE(QTest::qWaitFor([] { return readLibrary(onStick())->mainLibrary()->count() == 2; }, 5000))
        << "the autosave did not write the library on the stick";
    EXPECT_EQ(readLibrary(DataFile::backupPath(onStick()))->mainLibrary()->count(), 1u);
    EXPECT_EQ(DailyBackups(onStick()).folder(), stick() + QStringLiteral("/Kesh Backups"));
    EXPECT_EQ(DailyBackups(onStick()).copies().size(), 1);

    ASSERT_TRUE(quit());
    app.reset();
    EXPECT_FALSE(QFileInfo::exists(DataFile::lockPath(onStick())));
    // The default library was never touched, nor made.
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(dataPath()).absolutePath()));
    // Named for this run only.
    EXPECT_TRUE(rememberedLibrary().isEmpty());
}

TEST_F(LibraryElsewhere, aLibraryThatIsNotThereIsMadeOnlyWhenTheUserAgrees) {
    QDir().mkpath(stick());
    {
        AlertAnswers user({QStringLiteral("Quit")});
        EXPECT_FALSE(launch(true, onStick()));
        ASSERT_EQ(user.alerts().size(), 1);
        EXPECT_EQ(user.alerts().first().objectName, QStringLiteral("createLibraryAlert"));
        EXPECT_EQ(QDir(stick()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    }
    AlertAnswers user({QStringLiteral("Create Library")});
    ASSERT_TRUE(launch(true, onStick()));
    // There at once: a later start finds it even if this run never saves again.
    const DataRootPtr made = readLibrary(onStick());
    ASSERT_TRUE(made);
    EXPECT_EQ(made->mainLibrary()->count(), 0u);
    EXPECT_EQ(app->mainWindow()->windowFilePath(), onStick());
}

TEST_F(LibraryElsewhere, aPathThatCannotHoldALibraryIsRefusedAndNothingIsMade) {
    QDir().mkpath(stick());
    writeBytes("%PDF-1.4 a statement", onStick(QStringLiteral("statement.pdf")));
    struct Case {
        QString path;
        QString says;
    };
    const QList<Case> cases{{onStick(QStringLiteral("gone/Ledger")), QStringLiteral("does not exist")},
                            {onStick(QStringLiteral("statement.pdf")), QStringLiteral("is not a kesh library")},
                            {stick(), QStringLiteral("is a folder")}};
    for (const Case& refused : cases) {
        AlertAnswers user({QStringLiteral("OK")});
        EXPECT_FALSE(launch(true, refused.path)) << refused.path.toStdString();
        ASSERT_EQ(user.alerts().size(), 1);
        EXPECT_EQ(user.alerts().first().objectName, QStringLiteral("libraryNotOpenedAlert"));
        EXPECT_TRUE(user.alerts().first().informativeText.contains(refused.says))
            << user.alerts().first().informativeText.toStdString();
    }
    EXPECT_EQ(readBytes(onStick(QStringLiteral("statement.pdf"))), QByteArray("%PDF-1.4 a statement"));
    EXPECT_FALSE(QFileInfo::exists(onStick(QStringLiteral("gone"))));
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(dataPath()).absolutePath()));
}

TEST_F(LibraryElsewhere, openLibrarySavesTheCurrentOneAndEverythingFollowsTheOther) {
    writeLibrary(*libraryWith(QStringLiteral("at home")));
    writeLibrary(*libraryWith(QStringLiteral("on the stick")), onStick());
    ASSERT_TRUE(launch());
    EXPECT_EQ(app->mainWindow()->windowTitle(), QStringLiteral("Kesh Data[*]"));
    enterRecord(QStringLiteral("not saved yet"));
    app->toggleGraphWindow();

    chooseInFileDialog(onStick());
    find<QAction>("openLibraryAction")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([this] { return app->dataFilePath() == onStick(); }, 5000))
        << "kesh did not switch to the library on the stick";

    EXPECT_EQ(readLibrary()->mainLibrary()->count(), 2u);
    EXPECT_TRUE(DataFileLock(dataPath()).tryLock());
    EXPECT_FALSE(DataFileLock(onStick()).tryLock());
    EXPECT_EQ(firstComment(), QStringLiteral("on the stick"));
    EXPECT_EQ(find<QLabel>("recordCountLabel")->text(), QStringLiteral("1 record"));
    // The windows open before are open on this library too.
    ASSERT_TRUE(app->graphWindow());
    EXPECT_TRUE(app->graphWindow()->isVisible());
    EXPECT_EQ(app->mainWindow()->windowTitle(), QStringLiteral("Ledger[*]"));
    // Undoing here cannot reach into the other library.
    EXPECT_FALSE(app->document()->undoStack()->canUndo());
    EXPECT_EQ(app->commentSuggestion().array(), QStringList{QStringLiteral("on the stick")});
    EXPECT_TRUE(RunningInstance::askToShow(onStick(), 2000));
    EXPECT_EQ(rememberedLibrary(), onStick());

    // The next start comes back to it; --library overrides it for one run.
    ASSERT_TRUE(quit());
    ASSERT_TRUE(launch(false));
    EXPECT_EQ(app->dataFilePath(), onStick());
    app.reset();
    ASSERT_TRUE(launch(false, dataPath()));
    EXPECT_EQ(app->dataFilePath(), dataPath());
    EXPECT_EQ(rememberedLibrary(), onStick());
}

TEST_F(LibraryElsewhere, aRememberedLibraryThatIsGoneIsToldAndTheDefaultOpens) {
    writeLibrary(*libraryWith(QStringLiteral("at home")));
    writeLibrary(*library(), onStick());
    ASSERT_TRUE(launch());
    ASSERT_TRUE(app->switchToLibrary(onStick(), false));
    ASSERT_TRUE(quit());
    app.reset();
    QDir(stick()).removeRecursively();

    AlertAnswers user({QStringLiteral("OK")});
    ASSERT_TRUE(launch(false));
    ASSERT_EQ(user.alerts().size(), 1);
    EXPECT_EQ(user.alerts().first().objectName, QStringLiteral("lastLibraryMissingAlert"));
    EXPECT_TRUE(user.alerts().first().informativeText.contains(onStick()));
    EXPECT_EQ(app->dataFilePath(), dataPath());
    EXPECT_EQ(firstComment(), QStringLiteral("at home"));
    EXPECT_TRUE(rememberedLibrary().isEmpty());
}

// In use elsewhere, not there, already there, or the current one not saved: kesh stays as it was.
TEST_F(LibraryElsewhere, aSwitchThatCannotBeMadeLeavesKeshOnTheLibraryItHasOpen) {
    writeLibrary(*libraryWith(QStringLiteral("at home")));
    writeLibrary(*library(), onStick());
    ASSERT_TRUE(launch());
    QStringList told;
    {
        DataFileLock other(onStick());
        ASSERT_TRUE(other.tryLock());
        AlertAnswers user({QStringLiteral("Keep Current Library")});
        EXPECT_FALSE(app->switchToLibrary(onStick(), false));
        ASSERT_EQ(user.alerts().size(), 1);
        EXPECT_FALSE(user.alerts().first().informativeText.contains(QStringLiteral("quits")));
        told << user.alerts().first().objectName;
    }
    {
        AlertAnswers user({QStringLiteral("OK")});
        EXPECT_FALSE(app->switchToLibrary(onStick(QStringLiteral("none")), false));
        EXPECT_FALSE(app->switchToLibrary(onStick(), true));
        enterRecord(QStringLiteral("unsaved"));
        // A folder where the library should go: no save can replace it.
        ASSERT_TRUE(QFile::remove(dataPath()));
        ASSERT_TRUE(QDir().mkpath(dataPath()));
        EXPECT_FALSE(app->switchToLibrary(onStick(), false));
        QDir(dataPath()).removeRecursively();
        for (const Alert::Shown& alert : user.alerts()) {
            told << alert.objectName;
        }
    }
    EXPECT_EQ(told, (QStringList{QStringLiteral("libraryInUseAlert"), QStringLiteral("libraryNotOpenedAlert"),
                                 QStringLiteral("libraryNotOpenedAlert"), QStringLiteral("switchNotSavedAlert")}));
    EXPECT_EQ(app->dataFilePath(), dataPath());
    EXPECT_TRUE(DataFileLock(onStick()).tryLock());
    EXPECT_TRUE(app->document()->isModified());
    EXPECT_TRUE(rememberedLibrary().isEmpty());
}

TEST_F(LibraryElsewhere, newLibraryMakesAnEmptyFileAndOpensIt) {
    QDir().mkpath(stick());
    ASSERT_TRUE(launch());
    enterRecord(QStringLiteral("at home"));
    chooseInFileDialog(onStick(QStringLiteral("Kesh Data")));
    find<QAction>("newLibraryAction")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([this] { return app->dataFilePath() == onStick(QStringLiteral("Kesh Data")); }, 5000))
        << "kesh did not switch to the new library";
    EXPECT_EQ(readLibrary(onStick(QStringLiteral("Kesh Data")))->mainLibrary()->count(), 0u);
    EXPECT_EQ(readLibrary()->mainLibrary()->count(), 1u);
    EXPECT_EQ(app->dataRoot()->mainLibrary()->count(), 0u);
    // Same name as the default: the folder tells them apart.
    EXPECT_EQ(app->mainWindow()->windowTitle(),
              QStringLiteral("Kesh Data in %1[*]").arg(QDir::toNativeSeparators(stick())));
}

// Two libraries, two kesh; a second kesh on the same library hands over to the first.
TEST_F(LibraryElsewhere, theSingleKeshIsPerLibrary) {
    writeLibrary(*library(), onStick());
    ASSERT_TRUE(launch());

    QProcess sameLibrary;
    sameLibrary.start(QStringLiteral(KESH_BINARY), {QStringLiteral("--library"), dataPath()});
    const bool handedOver = sameLibrary.waitForFinished(20000);
    if (!handedOver) {
        sameLibrary.kill();
        sameLibrary.waitForFinished();
    }
    ASSERT_TRUE(handedOver) << "a kesh on the same library did not hand over";
    EXPECT_EQ(sameLibrary.exitCode(), 0);

    QProcess otherLibrary;
    otherLibrary.start(QStringLiteral(KESH_BINARY), {QStringLiteral("--library"), onStick()});
    ASSERT_TRUE(otherLibrary.waitForStarted());
    const bool listening = QTest::qWaitFor([] { return RunningInstance::askToShow(onStick(), 500); }, 20000);
    const bool stillRunning = otherLibrary.state() == QProcess::Running;
    if (stillRunning) {
        ::kill(pid_t(otherLibrary.processId()), SIGTERM);
    }
    const bool ended = otherLibrary.waitForFinished(20000);
    if (!ended) {
        otherLibrary.kill();
        otherLibrary.waitForFinished();
    }
    EXPECT_TRUE(listening) << "no kesh came up on the other library: "
                           << otherLibrary.readAllStandardError().toStdString();
    EXPECT_TRUE(stillRunning);
    EXPECT_TRUE(ended) << "the kesh on the other library did not end on SIGTERM";
    EXPECT_TRUE(app->runningInstance()->isListening());
}

} // namespace
