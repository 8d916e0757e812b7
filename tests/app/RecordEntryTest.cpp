#include "Clock.h"
#include "DateField.h"
#include "EntryFixture.h"
#include "IODrawerController.h"
#include "PreferencesManager.h"

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

class RecordEntry : public EntryFixture {
protected:
    void fill(EntryForm* form, const QString& amount, const QString& comment = QString()) {
        form->amountField()->setText(amount);
        form->commentField()->setText(comment);
    }
    void expectFreshForm(EntryForm* form) {
        EXPECT_EQ(form->dateField()->date(), QDate::currentDate());
        EXPECT_EQ(form->amountField()->text(), QStringLiteral("0"));
        EXPECT_EQ(form->amountField()->selectedText(), QStringLiteral("0"));
        EXPECT_TRUE(form->commentField()->text().isEmpty());
        EXPECT_TRUE(form->inclButton()->isChecked());
        const KeywordListModel* boxes = form->keywordView()->model();
        for (int row = 0; row < boxes->rowCount(); ++row) {
            EXPECT_EQ(box(boxes, row), Qt::Unchecked) << row;
        }
        EXPECT_FALSE(form->currentIO()->isListed());
    }
};

TEST_F(RecordEntry, theFirstLaunchOpensTheWindowAndTheToggleClosesAndReopensItAsItWasLeft) {
    QWidget* window = app->ioWindowController()->window();
    auto* button = find<QToolButton>("ioToggleButton");
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(button->isEnabled());
    EXPECT_TRUE(button->isChecked());
    fill(entryForm(), QStringLiteral("5"), QStringLiteral("half done"));

    button->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(button->isChecked());
    EXPECT_FALSE(app->preferencesManager()->boolForKey(PreferencesManager::ioWindowOpenKey()));
    find<QAction>("ioWindowAction")->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(button->isChecked());
    EXPECT_EQ(entryForm()->amountField()->text(), QStringLiteral("5"));
    EXPECT_EQ(entryForm()->commentField()->text(), QStringLiteral("half done"));

    // Its own close control: the button and the preference follow.
    window->close();
    EXPECT_FALSE(button->isChecked());
    EXPECT_FALSE(app->preferencesManager()->boolForKey(PreferencesManager::ioWindowOpenKey()));
    ASSERT_TRUE(quit());
    ASSERT_TRUE(launch());
    EXPECT_FALSE(app->ioWindowController()->window()->isVisible());
    EXPECT_FALSE(app->preferencesManager()->frameForName(IOWindowController::autosaveName()).isEmpty());
}

TEST_F(RecordEntry, anAmountOfZeroOrNoNumberIsRefusedAndTheFormStays) {
    AlertAnswers answers({QStringLiteral("OK")});
    const std::size_t before = root().mainLibrary()->count();
    for (const QString& amount : {QStringLiteral("0"), QString(), QStringLiteral("0.00"), QStringLiteral("twelve")}) {
        fill(entryForm(), amount, QStringLiteral("kept"));
        press(entryForm()->amountField(), Qt::Key_Return);
        EXPECT_EQ(entryForm()->amountField()->text(), amount);
        EXPECT_EQ(entryForm()->amountField()->selectedText(), amount);
        EXPECT_EQ(entryForm()->commentField()->text(), QStringLiteral("kept"));
    }
    ASSERT_EQ(answers.alerts().size(), 4);
    EXPECT_EQ(answers.alerts().front().objectName, QStringLiteral("amountRefusedAlert"));
    EXPECT_TRUE(answers.alerts().front().informativeText.contains(QStringLiteral("0 is neither")));
    EXPECT_TRUE(answers.alerts().at(1).informativeText.startsWith(QStringLiteral("No amount was typed.")));
    EXPECT_TRUE(answers.alerts().at(3).informativeText.startsWith(QStringLiteral("“twelve” is not an amount: “t”")));
    EXPECT_EQ(root().mainLibrary()->count(), before);
}

// Today is December 9, 2026.
TEST_F(RecordEntry, theDateIsReadWholeAndAFarDayIsToldUntilTheNextRecord) {
    Clock::setFixed(QDateTime(QDate(2026, 12, 9), QTime(12, 0)));
    EntryForm* form = entryForm();
    DateField* date = form->dateField();
    QLabel* note = form->dateNoteLabel();
    const std::size_t before = root().mainLibrary()->count();

    // Text that is no day: Return in the date field or elsewhere enters nothing, and the form says why.
    fill(form, QStringLiteral("-5"), QStringLiteral("far"));
    date->selectAll();
    type(date, QStringLiteral("11/31/2026"));
    press(date, Qt::Key_Return);
    press(form->commentField(), Qt::Key_Return);
    EXPECT_EQ(root().mainLibrary()->count(), before);
    EXPECT_FALSE(note->isHidden());
    EXPECT_EQ(note->text(), QStringLiteral("“11/31/2026” is not a day. Type one such as 12/9/2026."));
    EXPECT_EQ(date->selectedText(), QStringLiteral("11/31/2026"));
    EXPECT_EQ(form->amountField()->text(), QStringLiteral("-5"));

    // A slip of the year is stored, and the form tells which day the record took after it is entered.
    date->selectAll();
    type(date, QStringLiteral("11/20/27"));
    EXPECT_TRUE(note->isHidden());
    press(date, Qt::Key_Return);
    ASSERT_EQ(root().mainLibrary()->count(), before + 1);
    ASSERT_NE(record(QStringLiteral("far")), nullptr);
    EXPECT_EQ(record(QStringLiteral("far"))->date(), QDate(2027, 11, 20));
    EXPECT_EQ(date->date(), QDate(2026, 12, 9));
    EXPECT_FALSE(note->isHidden());
    EXPECT_EQ(note->text(), QStringLiteral("Saturday, November 20, 2027 — next year"));

    // The next record, of today, takes the note away.
    fill(form, QStringLiteral("-3"), QStringLiteral("near"));
    press(form->commentField(), Qt::Key_Return);
    ASSERT_NE(record(QStringLiteral("near")), nullptr);
    EXPECT_EQ(record(QStringLiteral("near"))->date(), QDate(2026, 12, 9));
    EXPECT_TRUE(note->isHidden());
    Clock::reset();
}

TEST_F(RecordEntry, aRecordGoesIntoTheMainLibraryOnlyAndTheTableAndTotalsFollow) {
    app->bookListController()->selectBook(root().dumbBooks().front());
    EntryForm* form = entryForm();
    const IOPtr composed = form->currentIO();
    fill(form, QStringLiteral("-12.50"), QStringLiteral("Coffee"));
    form->dateField()->setDate(QDate(2024, 3, 4));
    form->inclButton()->setChecked(false);
    // Space on the box, as a user ticks it.
    QTableView* boxes = form->keywordView()->keywordView();
    boxes->setCurrentIndex(boxes->model()->index(1, KeywordListModel::IncludedColumn));
    QTest::keyClick(boxes, Qt::Key_Space);
    press(form->commentField(), Qt::Key_Return);

    ASSERT_TRUE(root().mainLibrary()->includesObject(composed));
    EXPECT_FALSE(root().dumbBooks().front()->includesObject(composed));
    EXPECT_EQ(composed->amount(), Amount::fromParts(-1250, -2));
    EXPECT_EQ(composed->date(), QDate(2024, 3, 4));
    EXPECT_EQ(composed->comment(), QStringLiteral("Coffee"));
    EXPECT_EQ(composed->includeInStats(), 0);
    EXPECT_EQ(composed->keywords(), KeywordList{keyword(1)});
    EXPECT_NE(form->currentIO(), composed);
    expectFreshForm(form);
    EXPECT_EQ(app->commentSuggestion().search(QStringLiteral("Cof")), QStringLiteral("Coffee"));
    // The plain book stays selected and unchanged.
    EXPECT_EQ(shownComments(), QStringList{QStringLiteral("train")});

    app->bookListController()->selectBook(root().mainLibrary());
    EXPECT_TRUE(shownComments().contains(QStringLiteral("Coffee")));
    EXPECT_TRUE(find<QLabel>("recordCountLabel")->text().contains(QStringLiteral("4")));
    // Counted records only: the new one is left out of the totals.
    EXPECT_EQ(find<QLabel>("outgoingsLabel")->text(), QStringLiteral("952.00"));

    app->document()->undoStack()->undo();
    EXPECT_FALSE(root().mainLibrary()->includesObject(composed));
}

TEST_F(RecordEntry, theCommentCompletesToTheOldestMatchAndNeverAfterADeletion) {
    TextSuggestion& suggestions = app->commentSuggestion();
    suggestions.addWord(QStringLiteral("lumber"));
    suggestions.addWord(QStringLiteral("昼ごはん"));
    suggestions.addWord(QStringLiteral("昼寝"));
    QLineEdit* comment = entryForm()->commentField();
    const auto shows = [comment](const char* text, const char* selected) {
        EXPECT_EQ(comment->text(), QString::fromUtf8(text));
        EXPECT_EQ(comment->selectedText(), QString::fromUtf8(selected));
    };
    // "lunch" came from the library before "lumber".
    type(comment, QStringLiteral("l"));
    shows("lunch", "unch");
    type(comment, QStringLiteral("u"));
    shows("lunch", "nch");
    type(comment, QStringLiteral("m"));
    shows("lumber", "ber");
    press(comment, Qt::Key_Backspace);
    shows("lum", "");
    press(comment, Qt::Key_Backspace);
    shows("lu", "");
    type(comment, QStringLiteral("x"));
    shows("lux", "");
    type(comment, QStringLiteral("L"));
    shows("luxL", "");

    // A change elsewhere: the next change of the comment completes, even a shortening one.
    comment->setText(QStringLiteral("lux"));
    type(entryForm()->amountField(), QStringLiteral("3"));
    EXPECT_EQ(entryForm()->amountField()->text(), QStringLiteral("3"));
    comment->setCursorPosition(3);
    press(comment, Qt::Key_Backspace);
    shows("lunch", "nch");

    comment->clear();
    type(comment, QStringLiteral("昼"));
    shows("昼ごはん", "ごはん");
    type(comment, QStringLiteral("寝"));
    shows("昼寝", "");
}

TEST_F(RecordEntry, thePanelOpensOnTheRightAndEntersLikeTheWindow) {
    IODrawerController* drawer = app->ioDrawerController();
    QAction* action = find<QAction>("ioDrawerAction");
    EXPECT_FALSE(drawer->drawer()->isVisible());
    action->trigger();
    ASSERT_TRUE(drawer->drawer()->isVisible());
    EXPECT_TRUE(action->isChecked());
    EXPECT_EQ(app->mainWindow()->dockWidgetArea(drawer->drawer()), Qt::RightDockWidgetArea);
    EXPECT_GE(drawer->form()->width(), IODrawerController::minimumWidth);
    EXPECT_GE(drawer->form()->height(), IODrawerController::minimumHeight);
    EXPECT_TRUE(drawer->toggleDrawer());
    EXPECT_TRUE(drawer->drawer()->isVisible());

    // The entry window's form, moved here.
    EntryForm* form = drawer->form();
    EXPECT_EQ(form, entryForm());
    EXPECT_FALSE(app->ioWindowController()->window()->isVisible());
    fill(form, QStringLiteral("7"), QStringLiteral("from the panel"));
    press(form->amountField(), Qt::Key_Return);
    EXPECT_TRUE(shownComments().contains(QStringLiteral("from the panel")));
    expectFreshForm(form);

    action->trigger();
    EXPECT_FALSE(drawer->drawer()->isVisible());
}

} // namespace
