#include "ConditionEditWindow.h"
#include "EntryFixture.h"
#include "SmartBook.h"
#include "StatementImportDialog.h"
#include "WhenModal.h"

#include <QDialog>
#include <QFileDialog>
#include <QTest>

namespace {

// What a user does with kesh without touching the mouse: every step starts
// in the main window and goes by the keys of its menus and by Tab alone.
class KeyboardOnly : public EntryFixture {
protected:
    KeyboardOnly() {
        EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == app->mainWindow(); }, 3000))
            << "waited for the main window to come to the front";
        // The keyboard where a user's first click would put it.
        table->setFocus(Qt::OtherFocusReason);
    }

    // On the widget that has the keyboard, as the user types it.
    static void press(QKeyCombination keys) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_TRUE(focused) << "no widget has the keyboard";
        QTest::keyClick(focused, keys.key(), keys.keyboardModifiers());
        QCoreApplication::processEvents();
    }
    static void type(const QString& text) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_TRUE(focused) << "no widget has the keyboard";
        QTest::keyClicks(focused, text);
        QCoreApplication::processEvents();
    }
    static void waitFor(const std::function<bool()>& condition, const char* what) {
        EXPECT_TRUE(QTest::qWaitFor(condition, 3000)) << "waited for " << what;
    }
    // A window manager gives a window it shows the keyboard; the offscreen platform leaves that to the test.
    static void keyboardTo(QWidget* window) {
        ASSERT_TRUE(window);
        waitFor([window] { return window->isVisible(); }, "the window to show");
        if (QApplication::activeWindow() != window) {
            window->activateWindow();
        }
        waitFor([window] { return QApplication::activeWindow() == window && QApplication::focusWidget(); },
                "the window to have the keyboard");
    }
    // Once a dialog closes, its window manager hands the keyboard back to the main window.
    void backToMainWindow() const {
        waitFor([] { return !QApplication::activeModalWidget(); }, "the dialog to close");
        keyboardTo(app->mainWindow());
    }
    static QString focusName() {
        QWidget* focused = QApplication::focusWidget();
        return focused ? focused->objectName() : QString();
    }
    // Tab until the keyboard is in the widget named `name`, as a user does, a few times at most.
    static void tabTo(const QString& name) {
        for (int i = 0; i < 12 && focusName() != name; ++i) {
            press(Qt::Key_Tab);
        }
        ASSERT_EQ(focusName(), name) << "Tab does not reach " << name.toStdString();
    }
    // Ctrl+F, the comment, then Tab into the table and every record it shows.
    void selectBySearch(const QString& comment) {
        press(QKeySequence(QKeySequence::Find)[0]);
        ASSERT_EQ(focusName(), QStringLiteral("searchField"));
        type(comment);
        // The search narrows the table on the event loop; selecting before that would be undone by it.
        waitFor([this, comment] { return shownComments() == QStringList{comment}; }, "the search to narrow the table");
        tabTo(QStringLiteral("ioListView"));
        press(QKeySequence(QKeySequence::SelectAll)[0]);
    }
    bool bookHolds(const QString& bookName, const QString& comment) const {
        for (const BookPtr& book : root().dumbBooks()) {
            if (book->bookName() == bookName) {
                const IOPtr wanted = record(comment);
                return wanted && book->includesObject(wanted);
            }
        }
        return false;
    }
};

TEST_F(KeyboardOnly, aRecordIsEnteredAndTaggedInTheEntryWindow) {
    // Open since the start, it comes to the front as the menu toggles it off and on.
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_E);
    if (!app->ioWindowController()->window()->isVisible()) {
        press(Qt::CTRL | Qt::SHIFT | Qt::Key_E);
    }
    keyboardTo(app->ioWindowController()->window());
    tabTo(QStringLiteral("amountField"));
    type(QStringLiteral("-4.20"));
    tabTo(QStringLiteral("commentField"));
    type(QStringLiteral("Coffee"));
    // Into the keyword boxes; Down to Travel and Space ticks it for the record being made.
    tabTo(QStringLiteral("keywordTableView"));
    press(Qt::Key_Down);
    press(Qt::Key_Space);
    press(Qt::Key_Return);

    const IOPtr coffee = record(QStringLiteral("Coffee"));
    ASSERT_TRUE(coffee) << "no record was entered";
    EXPECT_EQ(coffee->amount(), Amount::fromParts(-420, -2));
    EXPECT_EQ(coffee->keywords().size(), 1u) << "the one keyword ticked";
}

TEST_F(KeyboardOnly, aPlainBookIsMadeAndRecordsAddedToItAndUndoTakesThemOut) {
    press(QKeySequence(QKeySequence::New)[0]);
    waitFor([] { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }, "the new book's name to open");
    press(QKeySequence(QKeySequence::SelectAll)[0]);
    type(QStringLiteral("Trips"));
    press(Qt::Key_Return);
    waitFor([this] { return app->bookListController()->selectedBook()->bookName() == QStringLiteral("Trips"); },
            "the book to be named");

    // Back to the library, where the records are.
    press(Qt::Key_Home);
    selectBySearch(QStringLiteral("lunch"));
    whenModal<QDialog>([](QDialog* dialog) {
        keyboardTo(dialog);
        EXPECT_EQ(dialog->objectName(), QStringLiteral("bookChoiceDialog"));
        EXPECT_EQ(focusName(), QStringLiteral("bookChoiceList"));
        // Car, then Trips: the first letters pick it.
        type(QStringLiteral("Tr"));
        press(Qt::Key_Return);
    });
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_B);
    EXPECT_TRUE(bookHolds(QStringLiteral("Trips"), QStringLiteral("lunch")));
    EXPECT_FALSE(bookHolds(QStringLiteral("Car"), QStringLiteral("lunch")));
    backToMainWindow();
    EXPECT_EQ(focusName(), QStringLiteral("ioListView")) << "the keyboard is back where it was";

    press(QKeySequence(QKeySequence::Undo)[0]);
    EXPECT_FALSE(bookHolds(QStringLiteral("Trips"), QStringLiteral("lunch")));
}

TEST_F(KeyboardOnly, aSmartBookIsBuiltAndTheSearchNarrowsIt) {
    const std::size_t smartBooks = root().smartBooks().size();
    whenModal<ConditionEditWindow>([](ConditionEditWindow* sheet) {
        keyboardTo(sheet);
        // The first condition's value, typed; Return is OK.
        for (int i = 0; i < 12 && !qobject_cast<QLineEdit*>(QApplication::focusWidget()); ++i) {
            press(Qt::Key_Tab);
        }
        ASSERT_TRUE(qobject_cast<QLineEdit*>(QApplication::focusWidget())) << "Tab reaches no field in the sheet";
        type(QStringLiteral("-40"));
        press(Qt::Key_Return);
    });
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_N);
    ASSERT_EQ(root().smartBooks().size(), smartBooks + 1);
    backToMainWindow();
    // Its name is open for typing.
    waitFor([] { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }, "the smart book's name to open");
    type(QStringLiteral("Big"));
    press(Qt::Key_Return);
    EXPECT_EQ(root().smartBooks().back()->bookName(), QStringLiteral("Big"));
    // Amount is the sheet's first condition: the book holds the record of -40.
    EXPECT_EQ(shownComments(), QStringList{QStringLiteral("train")});

    press(QKeySequence(QKeySequence::Find)[0]);
    type(QStringLiteral("zzz"));
    waitFor([this] { return shownComments().isEmpty(); }, "the search to empty the table");
    press(Qt::Key_Escape);
    waitFor([this] { return shownComments() == QStringList{QStringLiteral("train")}; }, "Escape to end the search");
}

TEST_F(KeyboardOnly, aStatementIsImportedAndUndone) {
    const QString path = QDir::homePath() + QStringLiteral("/statement.qif");
    writeBytes("!Type:Bank\nD03/09/2024\nT-12.50\nPBakery\n^\n", path);
    const std::size_t before = root().mainLibrary()->count();
    whenModal<QFileDialog>([path](QFileDialog* dialog) {
        keyboardTo(dialog);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_TRUE(name);
        waitFor([name] { return name->hasFocus(); }, "the file name field to have the keyboard");
        type(path);
        whenModal<StatementImportDialog>([](StatementImportDialog* statement) {
            keyboardTo(statement);
            // 03/09 reads two ways: Tab to the choice, Space takes month first.
            tabTo(QStringLiteral("monthFirstButton"));
            press(Qt::Key_Space);
            press(Qt::Key_Return);
        });
        press(Qt::Key_Return);
    });
    press(Qt::CTRL | Qt::Key_I);
    ASSERT_EQ(root().mainLibrary()->count(), before + 1);
    EXPECT_TRUE(record(QStringLiteral("Bakery")));
    backToMainWindow();

    press(QKeySequence(QKeySequence::Undo)[0]);
    EXPECT_EQ(root().mainLibrary()->count(), before);
}

} // namespace
