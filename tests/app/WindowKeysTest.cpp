#include "ConditionEditWindow.h"
#include "ConditionEditWindowController.h"
#include "EntryFixture.h"
#include "GraphWindow.h"
#include "IODrawerController.h"
#include "PreferencesManager.h"
#include "WhenModal.h"

#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {

// Fails the test on Qt's word that a key belongs to two commands at once,
// which leaves the key doing nothing.
class NoAmbiguousKeys {
public:
    NoAmbiguousKeys() { s_previous = qInstallMessageHandler(&NoAmbiguousKeys::handle); }
    ~NoAmbiguousKeys() { qInstallMessageHandler(s_previous); }
    NoAmbiguousKeys(const NoAmbiguousKeys&) = delete;
    NoAmbiguousKeys& operator=(const NoAmbiguousKeys&) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message.contains(QLatin1String("Ambiguous shortcut"))) {
            ADD_FAILURE() << message.toStdString();
        }
        if (s_previous) {
            s_previous(type, context, message);
        }
    }
    static inline QtMessageHandler s_previous = nullptr;
};

// Keys pressed in each of kesh's windows, on whatever has the keyboard there.
class WindowKeys : public EntryFixture {
protected:
    // Start-up ends with the main window in front: the entry window opened before it.
    WindowKeys() {
        EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == app->mainWindow(); }, 3000))
            << "waited for the main window to come to the front";
    }

    // Brings the window to the front with the keyboard in `focus`.
    static void activate(QWidget* window, QWidget* focus) {
        // Windows shown earlier asked to be activated too: those requests go first.
        QCoreApplication::processEvents();
        window->show();
        window->activateWindow();
        // Not qWaitForWindowActive: a tool window counts as active while its main window is.
        ASSERT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 3000))
            << "waited for " << window->objectName().toStdString() << " to become the active window";
        focus->setFocus(Qt::OtherFocusReason);
    }
    // As the user types it, on the widget that has the keyboard.
    static void press(QKeyCombination keys) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_TRUE(focused) << "no widget has the keyboard";
        QTest::keyClick(focused, keys.key(), keys.keyboardModifiers());
        // What a change queued (the reload) has happened.
        QCoreApplication::processEvents();
    }
    static void waitFor(const std::function<bool()>& condition, const char* what) {
        EXPECT_TRUE(QTest::qWaitFor(condition, 3000)) << "waited for " << what;
    }

    QStringList keywordNames() const {
        QStringList names;
        for (const KeywordPtr& keyword : root().keywords()) {
            names.append(keyword->name());
        }
        return names;
    }
    QWidget* keywordWindow() const { return keywords()->window(); }
    QTableView* keywordTable() const { return keywords()->keywordView()->keywordView(); }
    void selectKeyword(int row) const {
        keywordTable()->selectionModel()->select(checklist()->index(row, 0),
                                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    std::size_t bookCount() const { return root().bookCount(); }

    NoAmbiguousKeys noAmbiguousKeys;
};

TEST_F(WindowKeys, theKeywordWindowsKeysActOnItsKeywordsNotOnTheMainWindow) {
    // A record selected in the main window: its Delete and Select All are ready there.
    selectRecords({QStringLiteral("lunch")});
    activate(keywordWindow(), keywordTable());
    const std::size_t books = bookCount();

    selectKeyword(2);
    press(Qt::Key_Delete);
    // A button's key clicks it as the eye can follow, a moment later.
    waitFor([this] { return keywordNames().size() == 2; }, "the keyword to be deleted");
    EXPECT_EQ(keywordNames(), strings({"Food", "Travel"}));
    EXPECT_TRUE(record(QStringLiteral("lunch"))) << "the record selected in the main window stays";

    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(keywordNames(), strings({"Food", "Travel", "food"}));
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    EXPECT_EQ(keywordNames(), strings({"Food", "Travel"}));

    // New makes a keyword, its name open for typing; no book comes of it.
    press(Qt::CTRL | Qt::Key_N);
    waitFor([this] { return keywordNames().size() == 3; }, "a new keyword");
    EXPECT_EQ(keywordNames(), strings({"Food", "Travel", "Untitled"}));
    EXPECT_EQ(bookCount(), books);
    EXPECT_TRUE(qobject_cast<QLineEdit*>(QApplication::focusWidget())) << "the new keyword's name is open for typing";
    press(Qt::Key_Escape);

    // Select All takes the keywords, not the main window's records.
    keywordTable()->setFocus();
    press(Qt::CTRL | Qt::Key_A);
    EXPECT_EQ(keywords()->keywordView()->selectedKeywords().size(), 3u);
    EXPECT_EQ(table->selectionModel()->selectedRows().size(), 1);
}

TEST_F(WindowKeys, theMainWindowKeepsItsOwnKeys) {
    activate(app->mainWindow(), table);
    selectRecords({QStringLiteral("rent")});
    press(Qt::Key_Delete);
    EXPECT_FALSE(record(QStringLiteral("rent")));
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_TRUE(record(QStringLiteral("rent")));
    const std::size_t books = bookCount();
    press(Qt::CTRL | Qt::Key_N);
    EXPECT_EQ(bookCount(), books + 1);
}

TEST_F(WindowKeys, inTheEntryPanelDeleteAndSelectAllStayInThePanel) {
    find<QAction>("ioDrawerAction")->trigger();
    QTableView* checklist = entryForm()->keywordView()->keywordView();
    ASSERT_TRUE(app->ioDrawerController()->drawer()->isAncestorOf(checklist));
    selectRecords({QStringLiteral("lunch")});
    activate(app->mainWindow(), checklist);
    press(Qt::Key_Delete);
    EXPECT_TRUE(record(QStringLiteral("lunch")));
    press(Qt::CTRL | Qt::Key_A);
    EXPECT_EQ(checklist->selectionModel()->selectedRows().size(), 3);
    EXPECT_EQ(table->selectionModel()->selectedRows().size(), 1);
    // Undo is the whole window's.
    app->document()->addKeyword();
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(keywordNames().size(), 3);
}

TEST_F(WindowKeys, theGraphWindowTakesBackTheLibrarysChangesToo) {
    find<QAction>("graphWindowAction")->trigger();
    GraphWindow* graph = app->graphWindow();
    ASSERT_TRUE(graph);
    app->document()->addKeyword();
    auto* period = graph->findChild<QComboBox*>();
    ASSERT_TRUE(period);
    activate(graph, period);
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(keywordNames().size(), 3);
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    EXPECT_EQ(keywordNames().size(), 4);
}

TEST_F(WindowKeys, theEntryWindowUndoesTypingFirstAndThenTheLibrary) {
    QWidget* window = app->ioWindowController()->window();
    QLineEdit* amount = entryForm()->amountField();
    selectRecords({QStringLiteral("lunch")});
    activate(window, amount);
    const std::size_t records = root().mainLibrary()->count();
    const std::size_t books = bookCount();

    amount->selectAll();
    QTest::keyClicks(amount, QStringLiteral("-7"));
    press(Qt::Key_Return);
    ASSERT_EQ(root().mainLibrary()->count(), records + 1);
    // Nothing typed in the fresh form: the keys take back and make again the record entered.
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(root().mainLibrary()->count(), records);
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    EXPECT_EQ(root().mainLibrary()->count(), records + 1);
    // Typing is taken back before anything of the library.
    QTest::keyClicks(amount, QStringLiteral("3"));
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(amount->text(), QStringLiteral("0"));
    EXPECT_EQ(root().mainLibrary()->count(), records + 1);
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(root().mainLibrary()->count(), records);

    // The main window's New and Delete stay there, also from the form's checklist.
    press(Qt::CTRL | Qt::Key_N);
    EXPECT_EQ(bookCount(), books);
    entryForm()->keywordView()->keywordView()->setFocus();
    press(Qt::Key_Delete);
    EXPECT_TRUE(record(QStringLiteral("lunch")));
    EXPECT_EQ(QApplication::activeWindow(), window);
}

TEST_F(WindowKeys, afterTheEntryWindowsAlertTheRefusedFieldHasTheKeyboardAgain) {
    QWidget* window = app->ioWindowController()->window();
    QLineEdit* amount = entryForm()->amountField();
    activate(window, amount);
    bool answered = false;
    // The real alert; the desktop then hands the keyboard to the main window.
    whenModal<QMessageBox>([&](QMessageBox* box) {
        answered = true;
        box->defaultButton()->click();
        app->mainWindow()->activateWindow();
    });
    press(Qt::Key_Return);
    EXPECT_TRUE(answered);
    waitFor([&] { return QApplication::activeWindow() == window && QApplication::focusWidget() == amount; },
            "the entry window and its amount field to have the keyboard");
    EXPECT_EQ(amount->selectedText(), QStringLiteral("0"));
}

TEST_F(WindowKeys, theConditionSheetKeepsItsKeysAndTheLibraryStaysAsItWas) {
    const std::size_t books = bookCount();
    const int changes = app->document()->undoStack()->count();
    bool shown = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        ConditionEditWindow* sheet = app->conditionEditWindowController()->window();
        if (!sheet || !sheet->isVisible() || shown) {
            return;
        }
        shown = true;
        activate(sheet, sheet->focusWidget() ? sheet->focusWidget() : sheet);
        for (const QKeyCombination keys : {Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_N,
                                           Qt::CTRL | Qt::Key_A, QKeyCombination(Qt::Key_Delete)}) {
            press(keys);
        }
        EXPECT_EQ(app->conditionEditWindowController()->window(), sheet) << "the sheet is still open";
        app->conditionEditWindowController()->cancelClicked();
    });
    poll.start();
    // Something the sheet's Ctrl+Z could wrongly take back.
    app->document()->addKeyword();
    find<QAction>("newSmartBookAction")->trigger();
    EXPECT_TRUE(shown);
    EXPECT_EQ(bookCount(), books);
    EXPECT_EQ(app->document()->undoStack()->count(), changes + 1);
    EXPECT_EQ(keywordNames().size(), 4);
}

TEST_F(WindowKeys, theEntryWindowAndThePanelShowOneFormThatKeepsWhatWasTyped) {
    QWidget* window = app->ioWindowController()->window();
    QDockWidget* panel = app->ioDrawerController()->drawer();
    EntryForm* form = entryForm();
    ASSERT_EQ(app->ioDrawerController()->form(), form);
    ASSERT_TRUE(window->isAncestorOf(form));
    activate(window, form->commentField());
    QTest::keyClicks(form->commentField(), QStringLiteral("half typed"));
    tick(form->keywordView()->model(), 1, true);
    const IOPtr composed = form->currentIO();

    find<QAction>("ioDrawerAction")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(panel->isAncestorOf(form));
    EXPECT_FALSE(find<QToolButton>("ioToggleButton")->isChecked());
    EXPECT_FALSE(app->preferencesManager()->boolForKey(PreferencesManager::ioWindowOpenKey()));
    EXPECT_EQ(form->commentField()->text(), QStringLiteral("half typed"));
    EXPECT_EQ(form->currentIO(), composed);
    waitFor([&] { return QApplication::focusWidget() == form->commentField(); },
            "the comment field, in the panel, to have the keyboard");

    find<QAction>("ioWindowAction")->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(find<QAction>("ioDrawerAction")->isChecked());
    EXPECT_TRUE(window->isAncestorOf(form));
    EXPECT_EQ(form->commentField()->text(), QStringLiteral("half typed"));
    EXPECT_EQ(form->currentIO()->keywords(), KeywordList{keyword(1)});
    waitFor([&] { return QApplication::focusWidget() == form->commentField(); },
            "the comment field, back in the entry window, to have the keyboard");

    // The panel it was left in comes back with the next start, the window stays closed.
    find<QAction>("ioDrawerAction")->trigger();
    ASSERT_TRUE(quit());
    ASSERT_TRUE(launch());
    EXPECT_TRUE(app->ioDrawerController()->drawer()->isVisible());
    EXPECT_TRUE(app->ioDrawerController()->drawer()->isAncestorOf(app->entryForm()));
    EXPECT_FALSE(app->ioWindowController()->window()->isVisible());
}

} // namespace
