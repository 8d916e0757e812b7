#include "AppFixture.h"
#include "Autosaver.h"
#include "DailyBackups.h"
#include "IOTableModel.h"
#include "LibraryDocument.h"

#include <QDesktopServices>
#include <QHeaderView>
#include <QProcess>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QUrl>

#include <chrono>
#include <csignal>
#include <thread>

namespace {

using Autosave = AppFixture;

TEST_F(Autosave, aPauseAfterAChangeWritesTheLibraryWhileKeshRunsAndKeepsTodaysCopy) {
    writeLibrary(*library());
    const QByteArray opened = readBytes();
    ASSERT_TRUE(launch());
    EXPECT_FALSE(app->mainWindow()->isWindowModified());
    // The window is named after the library's file; the desktop adds the program's name.
    EXPECT_EQ(app->mainWindow()->windowTitle(), QStringLiteral("Kesh Data[*]"));
    find<QAction>("newBookAction")->trigger();
    EXPECT_TRUE(app->mainWindow()->isWindowModified());
    EXPECT_EQ(readBytes(), opened);

    // What a kill at this moment would leave on disk.
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return !app->mainWindow()->isWindowModified(); }, 3 * Autosaver::idleMilliseconds));
    const DataRootPtr onDisk = readLibrary();
    ASSERT_TRUE(onDisk);
    EXPECT_EQ(onDisk->bookCount(), app->dataRoot()->bookCount());
    // Today's copy is the library as it was before the day's first change.
    ASSERT_EQ(DailyBackups(dataPath()).copies().size(), 1);
    EXPECT_EQ(readBytes(DailyBackups(dataPath()).copies().first()), opened);
}

TEST_F(Autosave, steadyChangesAreSavedWithinTheLongestWaitOfTheFirst) {
    ASSERT_TRUE(launch());
    // A pause kesh would never see; the longest wait short enough to pass between two changes.
    app->autosaver()->setIntervals(3600 * 1000, 300);
    int changes = 0;
    const bool saved = QTest::qWaitFor(
        [&] {
            app->document()->addPlainBook();
            ++changes;
            return readLibrary() && readLibrary()->dumbBooks().size() > 0;
        },
        10000);
    ASSERT_TRUE(saved) << "nothing saved after " << changes << " changes";
    EXPECT_GT(changes, 1);
}

TEST_F(Autosave, anotherSortOrderIsSavedThoughThereIsNothingToUndo) {
    writeLibrary(*library());
    ASSERT_TRUE(launch());
    app->autosaver()->setIntervals(50, 1000);
    auto* header = find<QTableView>("ioListView")->horizontalHeader();
    header->setSortIndicator(IOTableModel::AmountColumn, Qt::DescendingOrder);
    EXPECT_EQ(app->document()->undoStack()->count(), 0);
    const auto amountFirst = [this] {
        const DataRootPtr onDisk = readLibrary();
        return onDisk && !onDisk->mainLibrary()->sortDescriptors().isEmpty() &&
               onDisk->mainLibrary()->sortDescriptors().first().key == QStringLiteral("amount");
    };
    EXPECT_TRUE(QTest::qWaitFor(amountFirst, 5000)) << "the order was not saved";
    // The file is whole before the worker's outcome reaches this thread.
    EXPECT_TRUE(QTest::qWaitFor([this] { return !app->document()->isModified(); }, 5000))
        << "the saved order still counted as unsaved";
}

TEST_F(Autosave, aFailingSaveIsToldOnceAndTriedAgainUntilItWorks) {
    ASSERT_TRUE(launch());
    // A folder where the library should go: no save can replace it.
    ASSERT_TRUE(QDir().mkpath(dataPath()));
    {
        const AlertAnswers user({QStringLiteral("OK")});
        find<QAction>("newBookAction")->trigger();
        EXPECT_FALSE(app->autosaver()->saveNow());
        find<QAction>("newBookAction")->trigger();
        EXPECT_FALSE(app->autosaver()->saveNow());
        ASSERT_EQ(user.alerts().size(), 1);
        EXPECT_EQ(user.alerts().first().objectName, QStringLiteral("autosaveFailedAlert"));
        EXPECT_TRUE(user.alerts().first().informativeText.contains(QDir::toNativeSeparators(dataPath())));
    }
    EXPECT_FALSE(app->mainWindow()->statusBar()->currentMessage().isEmpty());
    EXPECT_TRUE(app->mainWindow()->isWindowModified());

    QDir(dataPath()).removeRecursively();
    EXPECT_TRUE(app->autosaver()->saveNow());
    EXPECT_TRUE(app->mainWindow()->statusBar()->currentMessage().isEmpty());
    ASSERT_TRUE(readLibrary());
    EXPECT_EQ(readLibrary()->bookCount(), app->dataRoot()->bookCount());
}

TEST_F(Autosave, aChangeMadeWhileTheLibraryIsBeingWrittenWaitsForTheSaveAndIsSavedNextTime) {
    ASSERT_TRUE(launch());
    find<QAction>("newBookAction")->trigger();
    const std::size_t savedBooks = app->dataRoot()->bookCount();
    app->autosaver()->startSave();
    EXPECT_TRUE(app->autosaver()->isSaving());
    // The second book waits for the first save, which holds one book only.
    find<QAction>("newBookAction")->trigger();
    EXPECT_FALSE(app->autosaver()->isSaving());
    ASSERT_TRUE(readLibrary());
    EXPECT_EQ(readLibrary()->bookCount(), savedBooks);
    EXPECT_TRUE(app->mainWindow()->isWindowModified());

    EXPECT_TRUE(app->autosaver()->saveNow());
    EXPECT_EQ(readLibrary()->bookCount(), savedBooks + 1);
    EXPECT_FALSE(app->mainWindow()->isWindowModified());
}

TEST_F(Autosave, killingKeshAFewSecondsAfterAChangeLosesNothing) {
    QProcess kesh;
    kesh.start(QStringLiteral(KESH_AUTOSAVE_CHILD), {QStringLiteral("Groceries 2026")});
    ASSERT_TRUE(kesh.waitForStarted());
    // No application runs in this test: the child's output is waited for, not delivered.
    QByteArray said;
    while (!said.contains("changed") && kesh.waitForReadyRead(20000)) {
        said += kesh.readAllStandardOutput();
    }
    const bool changed = said.contains("changed");
    // Well past the pause that starts a save, as a user who stopped typing.
    if (changed) {
        std::this_thread::sleep_for(std::chrono::milliseconds(Autosaver::idleMilliseconds + 2000));
    }
    ::kill(pid_t(kesh.processId()), SIGKILL);
    kesh.waitForFinished();
    ASSERT_TRUE(changed) << "kesh did not start: " << kesh.readAllStandardError().toStdString();

    const DataRootPtr onDisk = readLibrary();
    ASSERT_TRUE(onDisk);
    ASSERT_EQ(onDisk->dumbBooks().size(), 1u);
    EXPECT_EQ(onDisk->dumbBooks().front()->bookName(), QStringLiteral("Groceries 2026"));
}

// Takes the URLs kesh asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

TEST_F(Autosave, showBackupsOpensTheFolderOfTheDailyCopiesOrSaysThereAreNoneYet) {
    ASSERT_TRUE(launch());
    const UrlCatcher desktop;
    {
        const AlertAnswers user({QStringLiteral("OK")});
        find<QAction>("showBackupsAction")->trigger();
        ASSERT_EQ(user.alerts().size(), 1);
        EXPECT_EQ(user.alerts().first().objectName, QStringLiteral("noBackupsAlert"));
    }
    EXPECT_TRUE(desktop.opened.isEmpty());

    // Unsaved changes are saved first, and the first save of the day over a
    // library on disk makes today's copy.
    find<QAction>("newBookAction")->trigger();
    EXPECT_TRUE(app->autosaver()->saveNow());
    find<QAction>("newBookAction")->trigger();
    find<QAction>("showBackupsAction")->trigger();
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(desktop.opened.first().toLocalFile(), DailyBackups(dataPath()).folder());
    EXPECT_EQ(DailyBackups(dataPath()).copies().size(), 1);
}

} // namespace

#include "AutosaveTest.moc"
