#include "AppFixture.h"
#include "PreferencesManager.h"

#include <QMainWindow>

namespace {

using Preferences = AppFixture;

TEST_F(Preferences, theFirstLaunchWritesTheInitialValuesAndLaterLaunchesKeepThem) {
    const QDateTime started = QDateTime::currentDateTime();
    ASSERT_TRUE(launch());
    PreferencesManager* prefs = app->preferencesManager();
    const QDateTime first = prefs->objectForKey(PreferencesManager::dateOfFirstLaunchKey()).toDateTime();
    EXPECT_LE(qAbs(first.secsTo(started)), 5);
    EXPECT_TRUE(prefs->boolForKey(PreferencesManager::ioWindowOpenKey()));
    EXPECT_FALSE(prefs->boolForKey(PreferencesManager::graphWindowOpenKey()));
    EXPECT_FALSE(prefs->boolForKey(QStringLiteral("NoSuchKey")));

    // The user closed the entry window in this run; the first launch lies a year back.
    const QDateTime lastYear = started.addYears(-1);
    prefs->setObject(lastYear, PreferencesManager::dateOfFirstLaunchKey());
    prefs->setBool(false, PreferencesManager::ioWindowOpenKey());
    ASSERT_TRUE(quit());

    ASSERT_TRUE(launch());
    prefs = app->preferencesManager();
    EXPECT_EQ(prefs->objectForKey(PreferencesManager::dateOfFirstLaunchKey()).toDateTime(), lastYear);
    EXPECT_FALSE(prefs->boolForKey(PreferencesManager::ioWindowOpenKey()));
    // "GraphWindowOpen" true changes nothing else at start-up.
    prefs->setBool(true, PreferencesManager::graphWindowOpenKey());
    ASSERT_TRUE(quit());
    ASSERT_TRUE(launch());
    EXPECT_TRUE(app->mainWindowController()->mainWindow()->isVisible());
}

TEST_F(Preferences, coloursComeBackAsStoredAndTheMainWindowKeepsItsFrame) {
    ASSERT_TRUE(launch());
    PreferencesManager* prefs = app->preferencesManager();
    const QColor colour(12, 200, 34, 128);
    prefs->setColour(colour, QStringLiteral("Tint"));
    EXPECT_EQ(prefs->colourForKey(QStringLiteral("Tint")), colour);
    EXPECT_EQ(prefs->objectForKey(QStringLiteral("Tint")).typeId(), QMetaType::QByteArray);
    EXPECT_FALSE(prefs->colourForKey(QStringLiteral("NoColour")).isValid());

    app->mainWindowController()->mainWindow()->resize(640, 480);
    ASSERT_TRUE(quit());
    ASSERT_TRUE(launch());
    EXPECT_EQ(app->mainWindowController()->mainWindow()->size(), QSize(640, 480));
    EXPECT_EQ(app->preferencesManager()->colourForKey(QStringLiteral("Tint")), colour);
}

} // namespace
