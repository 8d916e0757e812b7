#include "AppFixture.h"
#include "BookListController.h"
#include "CustomTableView.h"
#include "IOTableModel.h"
#include "PreferencesManager.h"
#include "RecordTableView.h"

#include <QHeaderView>

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
    EXPECT_TRUE(app->mainWindow()->isVisible());
}

TEST_F(Preferences, coloursComeBackAsStoredAndTheMainWindowKeepsItsFrame) {
    ASSERT_TRUE(launch());
    PreferencesManager* prefs = app->preferencesManager();
    const QColor colour(12, 200, 34, 128);
    prefs->setColour(colour, QStringLiteral("Tint"));
    EXPECT_EQ(prefs->colourForKey(QStringLiteral("Tint")), colour);
    EXPECT_EQ(prefs->objectForKey(QStringLiteral("Tint")).typeId(), QMetaType::QByteArray);
    EXPECT_FALSE(prefs->colourForKey(QStringLiteral("NoColour")).isValid());

    app->mainWindow()->resize(640, 480);
    ASSERT_TRUE(quit());
    ASSERT_TRUE(launch());
    EXPECT_EQ(app->mainWindow()->size(), QSize(640, 480));
    EXPECT_EQ(app->preferencesManager()->colourForKey(QStringLiteral("Tint")), colour);
}

// Library, then the plain books with these names.
DataRootPtr libraryWithBooks(const QStringList& names) {
    DataRootPtr root = DataRoot::create();
    root->mainLibrary()->setBookName(QStringLiteral("Library"));
    for (const QString& name : names) {
        const BookPtr book = Book::create();
        book->setBookName(name);
        root->addDumbBook(book);
    }
    return root;
}

TEST_F(Preferences, theSelectedBookAndTheColumnsComeBackAfterARestart) {
    writeLibrary(*libraryWithBooks({QStringLiteral("Car"), QStringLiteral("House")}));
    ASSERT_TRUE(launch());
    const auto selectedName = [this] {
        return app->bookListController()->selectedBook()->bookName();
    };
    find<CustomTableView>("bookListView")->selectRow(2);
    ASSERT_EQ(selectedName(), QStringLiteral("House"));
    QHeaderView* header = find<RecordTableView>("ioListView")->horizontalHeader();
    header->moveSection(header->visualIndex(IOTableModel::CommentColumn), 0);
    header->resizeSection(IOTableModel::DateColumn, 150);
    ASSERT_TRUE(quit());

    ASSERT_TRUE(launch());
    EXPECT_EQ(selectedName(), QStringLiteral("House"));
    header = find<RecordTableView>("ioListView")->horizontalHeader();
    EXPECT_EQ(header->visualIndex(IOTableModel::CommentColumn), 0);
    EXPECT_EQ(header->sectionSize(IOTableModel::DateColumn), 150);
    // The arrow is still the shown book's own order.
    EXPECT_EQ(header->sortIndicatorSection(), int(IOTableModel::DateColumn));
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    ASSERT_TRUE(quit());

    // A book added before it moves it down a row: it is found by its name.
    writeLibrary(*libraryWithBooks({QStringLiteral("Boat"), QStringLiteral("Car"), QStringLiteral("House")}));
    ASSERT_TRUE(launch());
    EXPECT_EQ(selectedName(), QStringLiteral("House"));
    ASSERT_TRUE(quit());

    // Gone altogether: kesh starts on the library.
    writeLibrary(*libraryWithBooks({QStringLiteral("Car")}));
    ASSERT_TRUE(launch());
    EXPECT_EQ(app->bookListController()->selectedBook(), app->dataRoot()->mainLibrary());
}

} // namespace
