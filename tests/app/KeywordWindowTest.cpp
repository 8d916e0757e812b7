#include "EntryFixture.h"
#include "PreferencesManager.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace {

class KeywordWindow : public EntryFixture {
protected:
    KeywordWindow() {
        tester = std::make_unique<QAbstractItemModelTester>(checklist(),
                                                            QAbstractItemModelTester::FailureReportingMode::Fatal);
        view = keywords()->keywordView()->keywordView();
    }
    QStringList names() const {
        QStringList list;
        for (int row = 0; row < checklist()->rowCount(); ++row) {
            list.append(checklist()->index(row, KeywordListModel::NameColumn).data().toString());
        }
        return list;
    }
    void selectKeywords(std::initializer_list<int> rows) {
        view->clearSelection();
        for (int row : rows) {
            view->selectionModel()->select(checklist()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
    void click(const char* name) { keywords()->window()->findChild<QPushButton*>(QString::fromLatin1(name))->click(); }
    // Return commits on the next turn of the event loop.
    void commit() {
        press(nameEditor(), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    void cancel() {
        press(nameEditor(), Qt::Key_Escape);
        QCoreApplication::processEvents();
    }
    // The editor of the name being edited; one that was closed may linger until deleted.
    QLineEdit* nameEditor() const { return qobject_cast<QLineEdit*>(view->indexWidget(view->currentIndex())); }
    // Types a name into the row's editor and presses Return.
    void rename(int row, const QString& name) {
        keywords()->keywordView()->editNameOf(keyword(row));
        ASSERT_TRUE(nameEditor());
        nameEditor()->setText(name);
        commit();
    }

    std::unique_ptr<QAbstractItemModelTester> tester;
    QTableView* view = nullptr;
};

TEST_F(KeywordWindow, startsHiddenAndToggles) {
    EXPECT_FALSE(keywords()->window()->isVisible());
    find<QAction>("keywordWindowAction")->trigger();
    EXPECT_TRUE(keywords()->window()->isVisible());
    EXPECT_FALSE(keywords()->toggleWindow());
    EXPECT_TRUE(keywords()->toggleWindow());

    // Closed with its own control, the Window menu no longer ticks it.
    QAction* action = find<QAction>("keywordWindowAction");
    auto* menu = qobject_cast<QMenu*>(action->parent());
    ASSERT_TRUE(menu);
    keywords()->window()->close();
    emit menu->aboutToShow();
    EXPECT_FALSE(action->isChecked());
    action->trigger();
    emit menu->aboutToShow();
    EXPECT_TRUE(action->isChecked());
}

TEST_F(KeywordWindow, comesBackAtStartUpWhenItWasOpenAtQuit) {
    const auto openInPreferences = [this] {
        return app->preferencesManager()->objectForKey(PreferencesManager::keywordWindowOpenKey());
    };
    EXPECT_EQ(openInPreferences(), false) << "written at the first launch";
    find<QAction>("keywordWindowAction")->trigger();
    ASSERT_TRUE(quit());
    ASSERT_TRUE(launch());
    EXPECT_TRUE(keywords()->window()->isVisible());
    EXPECT_EQ(openInPreferences(), true);

    // Closed with its own control, it stays closed.
    keywords()->window()->close();
    ASSERT_TRUE(quit());
    ASSERT_TRUE(launch());
    EXPECT_FALSE(keywords()->window()->isVisible());

    // Opened from an entry form's hint, it is open all the same.
    auto* noKeywords = entryForm()->findChild<QLabel*>(QStringLiteral("noKeywordsLabel"));
    emit noKeywords->linkActivated(QStringLiteral("keywords"));
    ASSERT_TRUE(quit());
    ASSERT_TRUE(launch());
    EXPECT_TRUE(keywords()->window()->isVisible());
}

TEST_F(KeywordWindow, theBoxesShowWhatEverySelectedRecordCarriesAndTickThemAll) {
    EXPECT_EQ(names(), strings({"Food", "Travel", "food"}));
    // No record selected: no box has a value, and a tick changes nothing.
    for (int row = 0; row < 3; ++row) {
        EXPECT_FALSE(box(checklist(), row).isValid());
    }
    tick(checklist(), 2, true);
    EXPECT_FALSE(app->document()->undoStack()->canUndo());

    selectRecords({QStringLiteral("lunch"), QStringLiteral("rent")});
    ASSERT_EQ(keywords()->keywordView()->records().size(), 2u);
    EXPECT_EQ(box(checklist(), 0), Qt::Unchecked);
    tick(checklist(), 0, true);
    EXPECT_EQ(record(QStringLiteral("lunch"))->keywords(), KeywordList{keyword(0)});
    EXPECT_EQ(record(QStringLiteral("rent"))->keywords(), KeywordList{keyword(0)});
    EXPECT_EQ(box(checklist(), 0), Qt::Checked);

    // The entry form's checklist shows its own record; the rows follow too.
    tick(checklist(), 1, true);
    tick(checklist(), 0, false);
    EXPECT_TRUE(record(QStringLiteral("rent"))->keywords() == KeywordList{keyword(1)});
    EXPECT_TRUE(record(QStringLiteral("lunch"))->keywords() == KeywordList{keyword(1)});
    EXPECT_TRUE(record(QStringLiteral("train"))->includesKeyword(keyword(0)));
    app->document()->undoStack()->undo();
    EXPECT_EQ(record(QStringLiteral("lunch"))->keywords(), (KeywordList{keyword(0), keyword(1)}));
    EXPECT_EQ(box(checklist(), 0), Qt::Checked);

    // Ticks in the entry form touch only the record being composed.
    KeywordListModel* entryBoxes = entryForm()->keywordView()->model();
    tick(entryBoxes, 2, true);
    EXPECT_EQ(entryForm()->currentIO()->keywords(), KeywordList{keyword(2)});
    EXPECT_EQ(box(entryBoxes, 2), Qt::Checked);
    EXPECT_EQ(box(checklist(), 2), Qt::Unchecked);
}

TEST_F(KeywordWindow, aNameMustBeNonEmptyAndNoOtherKeywordsButCaseCounts) {
    AlertAnswers answers({QStringLiteral("OK")});
    rename(0, QString());
    rename(0, QStringLiteral("Travel"));
    ASSERT_EQ(answers.alerts().size(), 2);
    EXPECT_EQ(answers.alerts()[0].text, app->getLocalizedStringWithKey(QStringLiteral("ErrorTitle2")));
    EXPECT_EQ(answers.alerts()[1].text, app->getLocalizedStringWithKey(QStringLiteral("ErrorTitle3")));
    // The editor waits for a name that may be given.
    ASSERT_TRUE(nameEditor());
    EXPECT_EQ(nameEditor()->text(), QStringLiteral("Travel"));
    nameEditor()->setText(QStringLiteral("Food"));
    commit();
    EXPECT_EQ(answers.alerts().size(), 2);
    EXPECT_FALSE(app->document()->undoStack()->canUndo()) << "the same name changes nothing";

    rename(1, QStringLiteral("FOOD"));
    EXPECT_EQ(answers.alerts().size(), 2);
    EXPECT_EQ(keyword(1)->name(), QStringLiteral("FOOD"));
    EXPECT_EQ(names(), strings({"Food", "FOOD", "food"}));
    EXPECT_EQ(entryForm()->keywordView()->model()->index(1, KeywordListModel::NameColumn).data(),
              QStringLiteral("FOOD"));
}

TEST_F(KeywordWindow, newKeywordsAreUntitledAndDeletedOnesLeaveEveryRecordAndTheComposedOne) {
    click("newKeywordButton");
    ASSERT_TRUE(nameEditor());
    cancel();
    click("newKeywordButton");
    cancel();
    EXPECT_EQ(names(), strings({"Food", "Travel", "food", "Untitled", "Untitled"}));

    tick(entryForm()->keywordView()->model(), 0, true);
    selectKeywords({0, 3});
    click("deleteKeywordsButton");
    EXPECT_EQ(names(), strings({"Travel", "food", "Untitled"}));
    EXPECT_EQ(entryForm()->keywordView()->model()->rowCount(), 3);
    EXPECT_FALSE(record(QStringLiteral("lunch"))->includesKeyword(keyword(0)));
    EXPECT_EQ(record(QStringLiteral("train"))->keywords().size(), 1u);
    EXPECT_TRUE(entryForm()->currentIO()->keywords().empty());
    EXPECT_TRUE(root().dumbBooks().front()->records().front()->keywords().size() == 1u);
}

TEST_F(KeywordWindow, undoingADeleteHereBringsTheKeywordBackOnEveryRecordThatHadIt) {
    selectKeywords({0});
    click("deleteKeywordsButton");
    auto* undo = keywords()->window()->findChild<QAction*>(QStringLiteral("undoAction"));
    auto* redo = keywords()->window()->findChild<QAction*>(QStringLiteral("redoAction"));
    ASSERT_TRUE(undo && redo);
    EXPECT_EQ(undo->shortcut(), QKeySequence(QKeySequence::Undo));
    undo->trigger();
    EXPECT_EQ(names(), strings({"Food", "Travel", "food"}));
    EXPECT_EQ(entryForm()->keywordView()->model()->rowCount(), 3);
    EXPECT_EQ(record(QStringLiteral("lunch"))->keywords(), KeywordList{keyword(0)});
    EXPECT_EQ(record(QStringLiteral("train"))->keywords(), (KeywordList{keyword(0), keyword(1)}));
    EXPECT_TRUE(root().dumbBooks().front()->records().front()->includesKeyword(keyword(0)));
    selectRecords({QStringLiteral("lunch"), QStringLiteral("train")});
    EXPECT_EQ(box(checklist(), 0), Qt::Checked);

    redo->trigger();
    EXPECT_EQ(names(), strings({"Travel", "food"}));
    EXPECT_EQ(record(QStringLiteral("train"))->keywords(), KeywordList{keyword(0)});
}

TEST_F(KeywordWindow, theWindowsSayWhatTheBoxesWorkOnAndWhereKeywordsAreMade) {
    auto* hint = keywords()->window()->findChild<QLabel*>(QStringLiteral("keywordHintLabel"));
    const QString nothingSelected = hint->text();
    selectRecords({QStringLiteral("lunch"), QStringLiteral("rent")});
    EXPECT_NE(hint->text(), nothingSelected);
    EXPECT_TRUE(hint->text().contains(QStringLiteral("2")));

    // An entry form tells where keywords come from only while there are none.
    auto* noKeywords = entryForm()->findChild<QLabel*>(QStringLiteral("noKeywordsLabel"));
    EXPECT_FALSE(noKeywords->isVisibleTo(entryForm()));
    selectKeywords({0, 1, 2});
    click("deleteKeywordsButton");
    EXPECT_TRUE(noKeywords->isVisibleTo(entryForm()));
    EXPECT_FALSE(keywords()->window()->isVisible());
    emit noKeywords->linkActivated(QStringLiteral("keywords"));
    EXPECT_TRUE(keywords()->window()->isVisible());
    app->document()->undoStack()->undo();
    EXPECT_FALSE(noKeywords->isVisibleTo(entryForm()));
}

TEST_F(KeywordWindow, aSearchListsRecordsWithEveryKeywordAndSaysSoUntilShowAll) {
    auto* bar = find<QWidget>("keywordSearchBar");
    auto* label = find<QLabel>("keywordSearchLabel");
    EXPECT_FALSE(bar->isVisibleTo(app->mainWindow()));
    selectKeywords({0, 1});
    click("searchKeywordsButton");
    EXPECT_EQ(shownComments(), QStringList{QStringLiteral("train")});
    EXPECT_TRUE(bar->isVisibleTo(app->mainWindow()));
    EXPECT_TRUE(label->text().contains(QStringLiteral("Food")));
    EXPECT_TRUE(label->text().contains(QStringLiteral("Travel")));
    app->document()->renameKeyword(keyword(0), QStringLiteral("Meals"));
    EXPECT_TRUE(label->text().contains(QStringLiteral("Meals")));

    // A deleted keyword stays in the search: nothing carries it any more.
    selectKeywords({1});
    click("deleteKeywordsButton");
    EXPECT_TRUE(shownComments().isEmpty());
    EXPECT_TRUE(bar->isVisibleTo(app->mainWindow()));

    find<QToolButton>("showAllRecordsButton")->click();
    EXPECT_EQ(shownComments().size(), 3);
    EXPECT_FALSE(bar->isVisibleTo(app->mainWindow()));

    // Another book clears the search.
    selectKeywords({0});
    click("searchKeywordsButton");
    EXPECT_EQ(shownComments().size(), 2);
    app->bookListController()->selectBook(root().dumbBooks().front());
    EXPECT_FALSE(keywords()->isSearchActive());
    EXPECT_FALSE(bar->isVisibleTo(app->mainWindow()));
}

TEST_F(KeywordWindow, everythingMadeHereIsReadBackAfterARestart) {
    click("newKeywordButton");
    nameEditor()->setText(QStringLiteral("旅行"));
    commit();
    // A keyword the library no longer lists, left on a record by an old file.
    const KeywordPtr stray = Keyword::create(QStringLiteral("stray"));
    record(QStringLiteral("rent"))->addKeyword(stray);
    tick(entryForm()->keywordView()->model(), 3, true);
    entryForm()->amountField()->setText(QStringLiteral("-3.5"));
    entryForm()->commentField()->setText(QStringLiteral("お茶"));
    ASSERT_TRUE(entryForm()->enter());
    selectKeywords({0});
    click("deleteKeywordsButton");
    ASSERT_TRUE(quit());

    ASSERT_TRUE(launch());
    QStringList listed;
    for (const KeywordPtr& keyword : root().keywords()) {
        listed.append(keyword->name());
    }
    EXPECT_EQ(listed, strings({"Travel", "food", "旅行"}));
    ASSERT_TRUE(record(QStringLiteral("お茶")));
    EXPECT_EQ(record(QStringLiteral("お茶"))->amount(), Amount::fromParts(-35, -1));
    EXPECT_EQ(record(QStringLiteral("お茶"))->keywords(), KeywordList{root().keywords()[2]});
    EXPECT_EQ(record(QStringLiteral("rent"))->keywords().size(), 1u);
    EXPECT_EQ(record(QStringLiteral("rent"))->keywords().front()->name(), QStringLiteral("stray"));
    EXPECT_TRUE(record(QStringLiteral("train"))->keywords() == KeywordList{root().keywords()[0]});
}

} // namespace
