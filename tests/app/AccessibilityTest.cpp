#include "AccessibleNames.h"
#include "AmountCondition.h"
#include "AndConditions.h"
#include "AppFixture.h"
#include "BookCondition.h"
#include "CommentCondition.h"
#include "ConditionEditWindow.h"
#include "CsvImportDialog.h"
#include "CsvMappingsDialog.h"
#include "CustomTableView.h"
#include "DateCondition.h"
#include "EntryForm.h"
#include "FileDialogAnswer.h"
#include "GraphWindow.h"
#include "IOWindowController.h"
#include "KeywordCondition.h"
#include "KeywordRulesWindow.h"
#include "KeywordWindowController.h"
#include "OrConditions.h"
#include "RestoreBackupDialog.h"
#include "SmartBook.h"
#include "StatementImportDialog.h"
#include "WhenModal.h"

#include <QAction>
#include <QDockWidget>
#include <QPushButton>
#include <QTest>

namespace {

// kesh on a library with something in every list: records, keywords, a plain
// book, a smart book whose conditions use every kind of condition, a keyword
// rule. Each test opens one window and asks that everything in it that takes
// the keyboard has a name a screen reader can say.
class Accessibility : public AppFixture {
protected:
    Accessibility() {
        const DataRootPtr root = library();
        const KeywordPtr food = Keyword::create(QStringLiteral("Food"));
        root->addKeyword(food);
        const IOPtr lunch = sampleRecord("-12", QDate(2024, 3, 3), QStringLiteral("lunch"));
        lunch->addKeyword(food);
        // A record without a comment leaves a cell without text.
        root->mainLibrary()->addObjectsFromArray({lunch, sampleRecord("2500", QDate(2024, 3, 1), QString())});
        const BookPtr car = Book::create();
        car->setBookName(QStringLiteral("Car"));
        root->addDumbBook(car);
        root->addSmartBook(everyKindOfCondition(food, car));
        KeywordRulePtr rule = KeywordRule::create(QStringLiteral("Lunches"));
        rule->setConditions(everyKindOfCondition(food, car)->conditions());
        rule->setKeywords({food});
        root->setKeywordRules({rule});
        writeLibrary(*root);
        EXPECT_TRUE(launch());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(app->mainWindow()));
    }

    static SmartBookPtr everyKindOfCondition(const KeywordPtr& keyword, const BookPtr& book) {
        const auto leaf = [](ConditionPtr condition, int code, ConditionOperand object) {
            condition->setConditionTypeCode(code);
            condition->setObject(std::move(object));
            return condition;
        };
        auto either = OrConditions::create();
        either->setChildren(ConditionList{leaf(KeywordCondition::create(), Condition::Includes, keyword),
                                          leaf(BookCondition::create(), Condition::IsNot, book)});
        auto all = AndConditions::create();
        all->setChildren(ConditionList{leaf(AmountCondition::create(), 4, Amount::fromInt(0)),
                                       leaf(CommentCondition::create(), Condition::Includes, QStringLiteral("lunch")),
                                       leaf(DateCondition::create(), 1, CalendarDate::startOfDay(QDate(2024, 1, 1))),
                                       either});
        const SmartBookPtr smart = SmartBook::create();
        smart->setBookName(QStringLiteral("Everything"));
        smart->setConditions(all);
        return smart;
    }

    template <typename T> T* action(const char* name) const { return find<T>(name); }
    void trigger(const char* name) const { find<QAction>(name)->trigger(); }
    static QString home(const char* name) { return QDir::homePath() + u'/' + QString::fromLatin1(name); }

    static void expectAllNamed(QWidget* window) {
        ASSERT_TRUE(window);
        QCoreApplication::processEvents();
        const QStringList unnamed = unnamedFocusableElements(window);
        EXPECT_TRUE(unnamed.isEmpty()) << window->objectName().toStdString() << " has elements without a name:\n"
                                       << unnamed.join(u'\n').toStdString();
    }
    // Walks the next modal dialog of type T, then closes it.
    template <typename T> static void walkModal(std::function<void(T*)> before = {}) {
        whenModal<T>([before](T* dialog) {
            if (before) {
                before(dialog);
            }
            expectAllNamed(dialog);
            dialog->reject();
        });
    }
};

TEST_F(Accessibility, theMainWindowWithItsListsAndThePanel) {
    expectAllNamed(app->mainWindow());
    // Selecting a row opens nothing new but gives the table a current cell.
    app->mainWindow()->bookListView()->setFocus();
    trigger("ioDrawerAction");
    ASSERT_TRUE(QTest::qWaitFor([this] {
        auto* panel = app->mainWindow()->findChild<QDockWidget*>();
        return panel && panel->isVisible();
    })) << "waited for the record entry panel";
    expectAllNamed(app->mainWindow());
}

TEST_F(Accessibility, theEntryKeywordGraphAndRulesWindows) {
    trigger("ioWindowAction");
    expectAllNamed(app->ioWindowController()->window());
    trigger("keywordWindowAction");
    expectAllNamed(app->keywordWindowController()->window());
    trigger("graphWindowAction");
    expectAllNamed(app->graphWindow());
    trigger("keywordRulesWindowAction");
    expectAllNamed(app->windows()->keywordRulesWindow());
}

TEST_F(Accessibility, theConditionSheetWithEveryKindOfCondition) {
    // The smart book is the second row, after the library.
    app->mainWindow()->bookListView()->selectRow(1);
    walkModal<ConditionEditWindow>();
    trigger("editConditionsAction");
}

TEST_F(Accessibility, theKeywordRuleDialog) {
    trigger("keywordRulesWindowAction");
    KeywordRulesWindow* rules = app->windows()->keywordRulesWindow();
    ASSERT_TRUE(rules);
    walkModal<ConditionEditWindow>();
    rules->findChild<QPushButton*>(QStringLiteral("editRuleButton"))->click();
}

TEST_F(Accessibility, theCsvImportAndMappingsDialogs) {
    writeBytes("date,amount,comment\r\n2024-03-09,-12.5,lunch\r\n", home("in.csv"));
    chooseInFileDialog(home("in.csv"));
    walkModal<CsvImportDialog>([](CsvImportDialog* dialog) {
        walkModal<CsvMappingsDialog>();
        dialog->findChild<QPushButton*>(QStringLiteral("mappingsButton"))->click();
    });
    trigger("importAction");
}

TEST_F(Accessibility, theStatementImportDialog) {
    writeBytes("!Type:Bank\nD2024-03-09\nT-12.50\nPlunch\n^\n", home("in.qif"));
    chooseInFileDialog(home("in.qif"));
    walkModal<StatementImportDialog>();
    trigger("importAction");
}

// Export asks for the file in the desktop's own file dialog, which is not kesh's to name.
TEST_F(Accessibility, theRestoreDialog) {
    trigger("restoreBackupAction");
    auto* restore = find<RestoreBackupDialog>("restoreBackupDialog");
    ASSERT_TRUE(restore);
    ASSERT_TRUE(QTest::qWaitFor([restore] { return restore->isReadingDone(); }, 10000)) << "the backups were not read";
    expectAllNamed(restore);
}

} // namespace
