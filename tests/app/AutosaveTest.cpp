#include "AppFixture.h"
#include "Autosaver.h"
#include "DailyBackups.h"
#include "LibraryDocument.h"

#include <QStatusBar>
#include <QTest>

namespace {

using Autosave = AppFixture;

TEST_F(Autosave, aPauseAfterAChangeWritesTheLibraryWhileKeshRunsAndKeepsTodaysCopy) {
    ASSERT_TRUE(launch());
    EXPECT_FALSE(app->mainWindow()->isWindowModified());
    find<QAction>("newBookAction")->trigger();
    EXPECT_TRUE(app->mainWindow()->isWindowModified());
    EXPECT_FALSE(QFileInfo::exists(dataPath()));

    // What a kill at this moment would leave on disk.
    ASSERT_TRUE(QTest::qWaitFor([] { return QFileInfo::exists(dataPath()); }, 3 * Autosaver::idleMilliseconds));
    const DataRootPtr onDisk = readLibrary();
    ASSERT_TRUE(onDisk);
    EXPECT_EQ(onDisk->bookCount(), app->dataRoot()->bookCount());
    EXPECT_FALSE(app->mainWindow()->isWindowModified());
    EXPECT_EQ(DailyBackups(dataPath()).copies().size(), 1);
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

} // namespace
