#include "AmountConditionView.h"
#include "AppFixture.h"
#include "BookListController.h"
#include "Clock.h"
#include "CommentConditionView.h"
#include "ConditionControlBox.h"
#include "ConditionEditWindow.h"
#include "ConditionEditWindowController.h"
#include "CustomTableView.h"
#include "DateConditionView.h"
#include "GroupConditionView.h"
#include "IOTableModel.h"
#include "KeywordConditionView.h"
#include "SmartBook.h"
#include "TreeText.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {

// Lunches over a spring, some of them travelling; "today" is 15 June 2024.
class SmartBookEditing : public AppFixture {
protected:
    SmartBookEditing() {
        Clock::setFixed(QDateTime(QDate(2024, 6, 15), QTime(12, 0)));
        const DataRootPtr root = library();
        const KeywordPtr travel = Keyword::create(QStringLiteral("Travel"));
        root->addKeyword(Keyword::create(QStringLiteral("Food")));
        root->addKeyword(travel);
        const auto add = [&](const char* amount, QDate day, const QString& comment, KeywordList keywords = {}) {
            root->mainLibrary()->addObject(IO::create(Amount::fromString(QString::fromLatin1(amount)),
                                                      QDateTime(day, QTime(12, 0)), keywords, comment, 1));
        };
        add("-1500", QDate(2024, 5, 1), QStringLiteral("昼食 downtown"));
        add("-20", QDate(2024, 6, 1), QStringLiteral("昼食 on the road"), {travel});
        add("-20", QDate(2024, 6, 2), QStringLiteral("昼食 at home"));
        add("-2000", QDate(2024, 1, 2), QStringLiteral("昼食 long ago"));
        add("-5000", QDate(2024, 6, 3), QStringLiteral("dinner"));
        const BookPtr plain = Book::create();
        plain->setBookName(QStringLiteral("Plain"));
        root->addDumbBook(plain);
        writeLibrary(*root);
        EXPECT_TRUE(launch());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(app->mainWindow()));
    }
    ~SmartBookEditing() override { Clock::reset(); }

    ConditionEditWindowController* editor() const { return app->conditionEditWindowController(); }
    GroupConditionView* rootGroup() const { return static_cast<GroupConditionView*>(editor()->rootView()); }
    template <typename View> View* row(qsizetype index, GroupConditionView* group = nullptr) const {
        return qobject_cast<View*>((group ? group : rootGroup())->children().value(index));
    }
    // Runs the steps on the sheet once `open` has shown it; a sheet the steps
    // leave open is cancelled. False when no sheet showed.
    bool inSheet(const std::function<void()>& open, const std::function<void(ConditionEditWindow&)>& steps) {
        bool shown = false;
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            ConditionEditWindow* window = editor()->window();
            if (!window || !window->isVisible()) {
                return;
            }
            poll.stop();
            shown = true;
            steps(*window);
            if (editor()->window()) {
                editor()->cancelClicked();
            }
        });
        poll.start();
        open();
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown && !editor()->window(); }, 2000))
            << "the condition sheet was not shown and closed within 2 s";
        return shown;
    }
    static void choose(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    // Another kind for a row: the row is replaced; the new one is returned.
    template <typename View>
    View* makeKind(qsizetype index, SingleConditionView::Kind kind, GroupConditionView* group = nullptr) {
        choose(row<SingleConditionView>(index, group)->parameterSelector(), kind - 1);
        return row<View>(index, group);
    }
    SmartBookPtr smartBook(const QString& name) const {
        for (const SmartBookPtr& book : app->dataRoot()->smartBooks()) {
            if (book->bookName() == name) {
                return book;
            }
        }
        return nullptr;
    }
    QStringList shownComments() const {
        const QAbstractItemModel* model = find<QAbstractItemView>("ioListView")->model();
        QStringList comments;
        for (int i = 0; i < model->rowCount(); ++i) {
            comments.append(model->index(i, IOTableModel::CommentColumn).data().toString());
        }
        comments.sort();
        return comments;
    }
    // Escape on the open name editor of the book list.
    void leaveName() const {
        auto* editor = find<CustomTableView>("bookListView")->viewport()->findChild<QLineEdit*>();
        ASSERT_TRUE(editor);
        QTest::keyClick(editor, Qt::Key_Escape);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !find<CustomTableView>("bookListView")->isEditing(); }))
            << "the book name was still being edited after 5 s";
    }
    QString shownCount() const { return find<QLabel>("recordCountLabel")->text(); }

    // comment includes 昼食 AND (amount < -1000 OR keyword is Travel) AND date within the last 3 months
    static constexpr const char* lunchesAway = "AND(comment7 昼食,OR(amount4 -1000,keyword1 Travel),date13 3 p3)";
    void buildLunchesAway() {
        auto* comment = makeKind<CommentConditionView>(0, SingleConditionView::Comment);
        ASSERT_TRUE(comment);
        // Japanese arrives from the input method.
        QInputMethodEvent typed;
        typed.setCommitString(QStringLiteral("昼食"));
        QApplication::sendEvent(comment->commentField(), &typed);
        comment->controlBox()->andButton()->click();
        auto* amount = row<AmountConditionView>(1);
        choose(amount->whatSelector(), amount->indexOfWhat(Condition::LessThan));
        QTest::keyClicks(amount->amountField(), QStringLiteral("-1,000"));
        amount->controlBox()->orButton()->click();
        auto* either = row<GroupConditionView>(1);
        ASSERT_TRUE(either);
        auto* keyword = makeKind<KeywordConditionView>(1, SingleConditionView::Keyword, either);
        ASSERT_TRUE(keyword);
        choose(keyword->whatSelector(), keyword->indexOfWhat(Condition::Is));
        choose(keyword->keywordSelector(), 1);
        either->controlBox()->andButton()->click();
        auto* date = makeKind<DateConditionView>(2, SingleConditionView::Date);
        ASSERT_TRUE(date);
        choose(date->whatSelector(), date->indexOfWhat(Condition::WithinLast));
        date->periodField()->setValue(3);
        choose(date->periodSelector(), DateCondition::Months - 1);
    }
};

TEST_F(SmartBookEditing, aNewSmartBookIsBuiltNamedUndoneAndFoundAgainAfterARestart) {
    const int booksBefore = int(app->dataRoot()->bookCount());
    // Cancel adds nothing.
    EXPECT_TRUE(inSheet([&] { find<QAction>("newSmartBookAction")->trigger(); },
                        [&](ConditionEditWindow&) { buildLunchesAway(); }));
    EXPECT_EQ(int(app->dataRoot()->bookCount()), booksBefore);
    EXPECT_EQ(app->document()->undoStack()->count(), 0);

    EXPECT_TRUE(inSheet([&] { find<QToolButton>("newSmartBookButton")->click(); },
                        [&](ConditionEditWindow& window) {
                            buildLunchesAway();
                            EXPECT_EQ(treeText(*editor()->rootView()), QString::fromUtf8(lunchesAway));
                            QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("okButton")),
                                              Qt::LeftButton);
                        }));
    ASSERT_EQ(app->dataRoot()->smartBooks().size(), 1u);
    const SmartBookPtr made = app->dataRoot()->smartBooks().front();
    EXPECT_EQ(treeText(*made->conditions()), QString::fromUtf8(lunchesAway));
    // Selected with its name open for typing; the table shows what it holds.
    EXPECT_EQ(app->bookListController()->selectedBook(), made);
    auto* books = find<CustomTableView>("bookListView");
    ASSERT_TRUE(books->isEditing());
    auto* nameEditor = books->viewport()->findChild<QLineEdit*>();
    ASSERT_TRUE(nameEditor);
    nameEditor->selectAll();
    QTest::keyClicks(nameEditor, QStringLiteral("Lunches away"));
    QTest::keyClick(nameEditor, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return made->bookName() == QStringLiteral("Lunches away"); }))
        << "the new book was not named within 5 s";
    EXPECT_TRUE(QTest::qWaitFor([&] { return shownComments().size() == 2; }))
        << "the table did not show 2 records within 5 s";
    EXPECT_EQ(shownComments(), (QStringList{QStringLiteral("昼食 downtown"), QStringLiteral("昼食 on the road")}));
    EXPECT_EQ(shownCount(), QStringLiteral("2 records"));

    // Two changes: the new book, its name.
    EXPECT_EQ(app->document()->undoStack()->count(), 2);
    find<QAction>("undoAction")->trigger();
    EXPECT_EQ(made->bookName(), SmartBook::create()->bookName());
    find<QAction>("undoAction")->trigger();
    EXPECT_TRUE(app->dataRoot()->smartBooks().empty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return app->bookListController()->selectedBook() != made; }))
        << "the undone book was still selected after 5 s";
    find<QAction>("redoAction")->trigger();
    find<QAction>("redoAction")->trigger();
    ASSERT_EQ(smartBook(QStringLiteral("Lunches away")), made);

    ASSERT_TRUE(quit());
    ASSERT_TRUE(launch());
    const SmartBookPtr again = smartBook(QStringLiteral("Lunches away"));
    ASSERT_TRUE(again);
    EXPECT_EQ(treeText(*again->conditions()), QString::fromUtf8(lunchesAway));
    app->bookListController()->selectBook(again);
    EXPECT_EQ(shownComments(), (QStringList{QStringLiteral("昼食 downtown"), QStringLiteral("昼食 on the road")}));
    // The editor opens on the tree as stored.
    EXPECT_TRUE(inSheet(
        [&] { find<QAction>("editConditionsAction")->trigger(); },
        [&](ConditionEditWindow&) { EXPECT_EQ(treeText(*editor()->rootView()), QString::fromUtf8(lunchesAway)); }));
}

TEST_F(SmartBookEditing, editedConditionsRefreshTheBookAtOnceAndUndoPutsBackTheOldTree) {
    ASSERT_TRUE(inSheet([&] { find<QAction>("newSmartBookAction")->trigger(); },
                        [&](ConditionEditWindow&) {
                            buildLunchesAway();
                            editor()->okClicked();
                        }));
    const SmartBookPtr book = app->dataRoot()->smartBooks().front();
    const ConditionPtr before = book->conditions();
    leaveName();
    EXPECT_TRUE(QTest::qWaitFor([&] { return shownCount() == QStringLiteral("2 records"); }))
        << "the count did not become 2 records within 5 s";

    // Cancel keeps the very tree.
    EXPECT_TRUE(inSheet(
        [&] { find<QAction>("editConditionsAction")->trigger(); },
        [&](ConditionEditWindow&) {
            row<AmountConditionView>(0, row<GroupConditionView>(1))->amountField()->setText(QStringLiteral("-10"));
        }));
    EXPECT_EQ(book->conditions(), before);

    // Dropping the date row lets the old lunch in; the table follows before the next event.
    EXPECT_TRUE(inSheet([&] { find<QAction>("editConditionsAction")->trigger(); },
                        [&](ConditionEditWindow&) {
                            row<DateConditionView>(2)->controlBox()->deleteButton()->click();
                            editor()->okClicked();
                        }));
    EXPECT_NE(book->conditions(), before);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shownCount() == QStringLiteral("3 records"); }))
        << "the count did not become 3 records within 5 s";
    EXPECT_TRUE(shownComments().contains(QStringLiteral("昼食 long ago")));

    find<QAction>("undoAction")->trigger();
    EXPECT_EQ(book->conditions(), before);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shownCount() == QStringLiteral("2 records"); }))
        << "the count did not become 2 records within 5 s";
}

TEST_F(SmartBookEditing, onlyASmartBookOffersItsConditions) {
    ASSERT_TRUE(inSheet([&] { find<QAction>("newSmartBookAction")->trigger(); },
                        [&](ConditionEditWindow&) { editor()->okClicked(); }));
    leaveName();
    const SmartBookPtr smart = app->dataRoot()->smartBooks().front();
    auto* books = find<CustomTableView>("bookListView");
    const auto rowRect = [&](const BookPtr& book) {
        return books->visualRect(books->model()->index(int(app->bookListController()->rowOfBook(book.get())), 0));
    };
    auto* editConditions = find<QAction>("editConditionsAction");
    EXPECT_TRUE(editConditions->isEnabled());

    // A plain book: the command is off, a double-click opens no sheet.
    const BookPtr plain = app->dataRoot()->dumbBooks().front();
    app->bookListController()->selectBook(plain);
    EXPECT_FALSE(editConditions->isEnabled());
    editConditions->trigger();
    EXPECT_FALSE(editor()->window());
    QTest::mouseDClick(books->viewport(), Qt::LeftButton, {}, rowRect(plain).center());
    QTest::qWait(20);
    EXPECT_FALSE(editor()->window());

    // A smart book: a double-click opens the sheet, its name editor gives way.
    EXPECT_TRUE(inSheet(
        [&] {
            QTest::mouseClick(books->viewport(), Qt::LeftButton, {}, rowRect(smart).center());
            QTest::mouseDClick(books->viewport(), Qt::LeftButton, {}, rowRect(smart).center());
        },
        [&](ConditionEditWindow&) { EXPECT_FALSE(books->isEditing()); }));
    EXPECT_EQ(smart->bookName(), SmartBook::create()->bookName());

    // Its context menu offers the conditions.
    EXPECT_TRUE(inSheet(
        [&] {
            QTimer::singleShot(0, [] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                ASSERT_TRUE(menu);
                EXPECT_EQ(menu->objectName(), QStringLiteral("bookContextMenu"));
                menu->setActiveAction(menu->actions().front());
                QTest::keyClick(menu, Qt::Key_Return);
            });
            emit books->customContextMenuRequested(rowRect(smart).center());
        },
        [&](ConditionEditWindow&) { EXPECT_EQ(editor()->rootView()->isVisible(), true); }));
}

} // namespace
