#include "AndConditions.h"
#include "CommentCondition.h"
#include "CommentConditionView.h"
#include "ConditionControlBox.h"
#include "ConditionTreeEditor.h"
#include "EditorFixture.h"
#include "GroupConditionView.h"
#include "OrConditions.h"
#include "TreeText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

#include <algorithm>
#include <utility>

namespace {

// Stored trees written compactly: "a" is a comment row with that text,
// "&(…)" and "|(…)" are groups.
ConditionPtr parseTree(const QString& text, qsizetype& at) {
    const QChar c = text[at];
    if (c == QLatin1Char('&') || c == QLatin1Char('|')) {
        std::shared_ptr<ConditionGroup> group;
        if (c == QLatin1Char('&')) {
            group = AndConditions::create();
        } else {
            group = OrConditions::create();
        }
        at += 2; // the connective and "("
        while (text[at] != QLatin1Char(')')) {
            group->addCondition(parseTree(text, at));
            if (text[at] == QLatin1Char(',')) {
                ++at;
            }
        }
        ++at;
        return group;
    }
    auto leaf = CommentCondition::create();
    leaf->setConditionTypeCode(Condition::Includes);
    leaf->setObject(QString(c));
    ++at;
    return leaf;
}
ConditionPtr tree(const char* text) {
    qsizetype at = 0;
    return parseTree(QString::fromLatin1(text), at);
}

// The view tree as text: comment rows by their text, new rows as "new".
QString shape(const ConditionView& view) {
    if (const auto* group = qobject_cast<const GroupConditionView*>(&view)) {
        QStringList children;
        for (const ConditionView* child : group->children()) {
            children.append(shape(*child));
        }
        return group->groupIdentifier() + QLatin1Char('(') + children.join(QLatin1Char(',')) + QLatin1Char(')');
    }
    if (const auto* comment = qobject_cast<const CommentConditionView*>(&view)) {
        return comment->commentField()->text();
    }
    return QStringLiteral("new");
}

ConditionView* rowNamed(QWidget& in, const QString& name) {
    for (auto* row : in.findChildren<CommentConditionView*>()) {
        if (row->commentField()->text() == name) {
            return row;
        }
    }
    return nullptr;
}

// A nested group, found by its connective ("AND" or "OR").
ConditionView* nestedGroup(ConditionEditWindow& window, const QString& connective) {
    for (auto* group : window.findChildren<GroupConditionView*>()) {
        if (!group->isRoot() && group->groupIdentifier() == connective) {
            return group;
        }
    }
    return nullptr;
}

struct ButtonCase {
    const char* name;
    const char* stored;
    const char* target; // a row's text, or "AND"/"OR" for a nested group
    const char* button; // "andButton", "orButton" or "deleteButton"
    const char* shown;
};

class ConditionButtons : public EditorFixture, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(ConditionButtons, giveTheShapeShownAndStored) {
    const ButtonCase& c = GetParam();
    const SmartBookPtr book = storedBook(tree(c.stored));
    QString shown;
    const bool stored = edit(book, [&](ConditionEditWindow& window) {
        const QString target = QString::fromLatin1(c.target);
        ConditionView* view = target.size() == 1 ? rowNamed(window, target) : nestedGroup(window, target);
        ASSERT_TRUE(view);
        auto* button = view->controlBox()->findChild<QToolButton*>(QString::fromLatin1(c.button));
        ASSERT_TRUE(button) << c.button;
        button->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        shown = shape(*controller.rootView());
        ok(window);
    });
    ASSERT_TRUE(stored);
    EXPECT_EQ(shown, QString::fromLatin1(c.shown));
    // What is stored has exactly the shape shown, new rows included.
    QString expected = QString::fromLatin1(c.shown);
    expected.replace(QStringLiteral("new"), QStringLiteral("amount1 0"));
    for (const char name : {'a', 'b', 'c', 'd'}) {
        expected.replace(QRegularExpression(QStringLiteral("(?<=[(,])%1(?=[,)])").arg(name)),
                         QStringLiteral("comment7 ") + QLatin1Char(name));
    }
    EXPECT_EQ(treeText(*book->conditions()), expected);
}

const ButtonCase buttonCases[] = {
    // " & " and " / " on a row of the root.
    {"AndOnOnlyChildOfAndRoot", "&(a)", "a", "andButton", "AND(a,new)"},
    {"OrOnOnlyChildOfAndRootReplacesTheRoot", "&(a)", "a", "orButton", "OR(a,new)"},
    {"AndOnOnlyChildOfOrRootReplacesTheRoot", "|(a)", "a", "andButton", "AND(a,new)"},
    {"OrOnOnlyChildOfOrRoot", "|(a)", "a", "orButton", "OR(a,new)"},
    {"OrNestsInPlace", "&(a,b)", "a", "orButton", "AND(OR(a,new),b)"},
    {"AndNestsInPlace", "|(a,b)", "b", "andButton", "OR(a,AND(b,new))"},
    {"SameConnectiveAppendsAtTheEnd", "&(a,b,d)", "b", "andButton", "AND(a,b,d,new)"},
    // Nested groups.
    {"NestedSameConnectiveAppends", "&(a,|(b,c))", "b", "orButton", "AND(a,OR(b,c,new))"},
    {"NestedOtherConnectiveNests", "&(a,|(b,c))", "c", "andButton", "AND(a,OR(b,AND(c,new)))"},
    {"GroupAddsToItsParent", "&(a,|(b,c))", "OR", "andButton", "AND(a,OR(b,c),new)"},
    {"OnlyGroupOfRootReplacesTheRoot", "&(|(b,c))", "OR", "orButton", "OR(OR(b,c),new)"},
    // Deleting.
    {"DeleteLeavesTheOthersInOrder", "&(a,b,c)", "b", "deleteButton", "AND(a,c)"},
    {"GroupLeftWithOneDissolves", "&(a,|(b,c))", "b", "deleteButton", "AND(a,c)"},
    {"DissolvedGroupKeepsItsPlace", "|(&(a,b),c)", "a", "deleteButton", "OR(b,c)"},
    {"EmptiedGroupRemovesItself", "&(a,|(b))", "b", "deleteButton", "AND(a)"},
    {"EmptiedChainEmptiesTheRoot", "&(|(&(b)))", "b", "deleteButton", "AND()"},
    {"DeleteAGroup", "&(a,|(b,c))", "OR", "deleteButton", "AND(a)"},
};

INSTANTIATE_TEST_SUITE_P(Editor, ConditionButtons, ::testing::ValuesIn(buttonCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorFixture, RequestsTravelUpToTheOneEditor) {
    ConditionTreeEditor editor(root);
    editor.open(tree("&(a,|(b,&(c,d)))"));
    GroupConditionView* top = editor.root();
    QSignalSpy removals(top, &ConditionView::removeRequested);
    QSignalSpy kinds(top, &ConditionView::kindRequested);

    // " - " on the deepest row: the root passes the row's request on, and
    // the editor dissolves the group left with one row.
    ConditionView* d = rowNamed(*top, QStringLiteral("d"));
    d->controlBox()->deleteButton()->click();
    ASSERT_EQ(removals.size(), 1);
    EXPECT_EQ(removals[0][0].value<ConditionView*>(), d);
    EXPECT_EQ(shape(*top), QStringLiteral("AND(a,OR(b,c))"));

    // Another kind for a nested row: a new row in its place.
    auto* c = static_cast<SingleConditionView*>(rowNamed(*top, QStringLiteral("c")));
    c->parameterSelector()->setCurrentIndex(SingleConditionView::Amount - 1);
    emit c->parameterSelector()->activated(SingleConditionView::Amount - 1);
    ASSERT_EQ(kinds.size(), 1);
    EXPECT_EQ(kinds[0][1].toInt(), int(SingleConditionView::Amount));
    EXPECT_EQ(shape(*top), QStringLiteral("AND(a,OR(b,new))"));

    // A row nested in a new group asks through that group alone: once.
    ConditionView* b = rowNamed(*top, QStringLiteral("b"));
    b->controlBox()->andButton()->click();
    EXPECT_EQ(shape(*top), QStringLiteral("AND(a,OR(AND(b,new),new))"));
    b->controlBox()->deleteButton()->click();
    EXPECT_EQ(removals.size(), 2);
    EXPECT_EQ(shape(*top), QStringLiteral("AND(a,OR(new,new))"));

    // The root's only row asks for the other connective: a new root takes it.
    ConditionTreeEditor single(root);
    single.open(tree("&(a)"));
    QSignalSpy rootChanges(&single, &ConditionTreeEditor::rootChanged);
    rowNamed(*single.root(), QStringLiteral("a"))->controlBox()->orButton()->click();
    ASSERT_EQ(rootChanges.size(), 1);
    EXPECT_EQ(shape(*single.root()), QStringLiteral("OR(a,new)"));
    rowNamed(*single.root(), QStringLiteral("a"))->controlBox()->orButton()->click();
    EXPECT_EQ(shape(*single.root()), QStringLiteral("OR(a,new,new)"));
}

QStringList buttonsOf(const ConditionView* view) {
    QStringList titles;
    if (!view->controlBox()) {
        return titles;
    }
    int x = -1;
    for (QToolButton* button :
         {view->controlBox()->andButton(), view->controlBox()->orButton(), view->controlBox()->deleteButton()}) {
        if (!button->isHidden()) {
            // Left to right, touching.
            EXPECT_TRUE(x < 0 || button->x() == x);
            x = button->x() + button->width();
            // As shown: "&&" is one ampersand, and no other "&" may hide as a shortcut mark.
            titles.append(QString(button->text())
                              .replace(QStringLiteral("&&"), QStringLiteral("\x01"))
                              .remove(QLatin1Char('&'))
                              .replace(QStringLiteral("\x01"), QStringLiteral("&")));
        }
    }
    return titles;
}

TEST_F(EditorFixture, ButtonsFollowThePlaceInTheTree) {
    const SmartBookPtr book = storedBook(tree("&(a,|(b,c))"));
    edit(book, [&](ConditionEditWindow& window) {
        EXPECT_EQ(controller.rootView()->controlBox(), nullptr);
        EXPECT_EQ(buttonsOf(rowNamed(window, QStringLiteral("a"))),
                  (QStringList{QStringLiteral(" & "), QStringLiteral(" / "), QStringLiteral(" - ")}));
        EXPECT_EQ(buttonsOf(nestedGroup(window, QStringLiteral("OR"))),
                  (QStringList{QStringLiteral(" & "), QStringLiteral(" - ")}));
        // Down to one row under the root: it loses " - "; a second row brings it back.
        nestedGroup(window, QStringLiteral("OR"))->controlBox()->deleteButton()->click();
        ConditionView* a = rowNamed(window, QStringLiteral("a"));
        EXPECT_EQ(buttonsOf(a), (QStringList{QStringLiteral(" & "), QStringLiteral(" / ")}));
        a->controlBox()->andButton()->click();
        EXPECT_EQ(buttonsOf(a).size(), 3);
        // An AND group shows " / " and " - " only.
        a->controlBox()->orButton()->click();
        EXPECT_EQ(buttonsOf(nestedGroup(window, QStringLiteral("OR"))).size(), 2);
        cancel(window);
    });
}

// Rows the editor moves out of a group and into another, a new root among
// them, show in their new place at once, as do the rows it adds.
TEST_F(EditorFixture, MovedAndAddedRowsShowAtOnce) {
    const SmartBookPtr book = storedBook(tree("&(a)"));
    edit(book, [&](ConditionEditWindow& window) {
        const auto allShown = [&] {
            const QList<CommentConditionView*> rows = window.findChildren<CommentConditionView*>();
            return std::all_of(rows.begin(), rows.end(), [](const QWidget* row) { return row->isVisible(); });
        };
        // The root's only row with " / ": a new OR root takes it and a new row.
        rowNamed(window, QStringLiteral("a"))->controlBox()->orButton()->click();
        ASSERT_EQ(shape(*controller.rootView()), QStringLiteral("OR(a,new)"));
        EXPECT_TRUE(window.root()->isVisible());
        EXPECT_TRUE(allShown());
        const QList<ConditionView*> rows = static_cast<GroupConditionView*>(controller.rootView())->children();
        EXPECT_TRUE(rows.back()->isVisible());
        // " & " nests "a" in a new group; " - " on the new row dissolves it again.
        ConditionView* a = rowNamed(window, QStringLiteral("a"));
        a->controlBox()->andButton()->click();
        auto* nested = static_cast<GroupConditionView*>(nestedGroup(window, QStringLiteral("AND")));
        ASSERT_TRUE(nested);
        EXPECT_TRUE(nested->isVisible());
        EXPECT_TRUE(allShown());
        nested->children().back()->controlBox()->deleteButton()->click();
        EXPECT_EQ(shape(*controller.rootView()), QStringLiteral("OR(a,new)"));
        EXPECT_TRUE(a->isVisible());
        EXPECT_GT(a->width(), 0);
        cancel(window);
    });
}

TEST_F(EditorFixture, LabelsStandInEveryGapOfTheirGroup) {
    const SmartBookPtr book = storedBook(tree("&(a,|(b,c,d))"));
    edit(book, [&](ConditionEditWindow& window) {
        const auto* root = static_cast<GroupConditionView*>(controller.rootView());
        const auto* nested = static_cast<GroupConditionView*>(nestedGroup(window, QStringLiteral("OR")));
        EXPECT_EQ(root->labelPoints().size(), 1);
        const QList<QPoint> points = nested->labelPoints();
        ASSERT_EQ(points.size(), 2);
        const int height = QFontMetrics([&] {
                               QFont bold = nested->font();
                               bold.setBold(true);
                               bold.setPixelSize(11);
                               return bold;
                           }())
                               .height();
        for (qsizetype i = 0; i < points.size(); ++i) {
            const ConditionView* above = nested->children()[i];
            const ConditionView* below = nested->children()[i + 1];
            const int gapMiddle =
                (above->mapTo(nested, QPoint()).y() + above->height() + below->mapTo(nested, QPoint()).y()) / 2;
            EXPECT_EQ(points[i], QPoint(25, gapMiddle - height / 2));
        }
        cancel(window);
    });
    const SmartBookPtr single = storedBook(tree("|(a)"));
    edit(single, [&](ConditionEditWindow& window) {
        EXPECT_TRUE(static_cast<GroupConditionView*>(controller.rootView())->labelPoints().isEmpty());
        cancel(window);
    });
}

TEST_F(EditorFixture, TheSheetOpensInTheFirstFieldAndTabReadsTheRowsInOrder) {
    const SmartBookPtr book = storedBook(tree("&(a,|(b,c))"));
    edit(book, [&](ConditionEditWindow& window) {
        QApplication::setActiveWindow(&window);
        const auto field = [&](const char* name) {
            return static_cast<CommentConditionView*>(rowNamed(window, QString::fromLatin1(name)))->commentField();
        };
        EXPECT_EQ(QApplication::focusWidget(), field("a"));
        // Every pop-up and button of a row on the way, then the next row;
        // OK and Cancel, and back to the top.
        QList<QWidget*> reached;
        for (int i = 0; i < 40 && (reached.isEmpty() || QApplication::focusWidget() != field("a")); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached.append(QApplication::focusWidget());
        }
        ASSERT_EQ(reached.back(), field("a"));
        const auto at = [&](const QWidget* widget) {
            return reached.indexOf(widget);
        };
        auto* rowB = static_cast<SingleConditionView*>(rowNamed(window, QStringLiteral("b")));
        EXPECT_LT(at(rowNamed(window, QStringLiteral("a"))->controlBox()->andButton()), at(rowB->parameterSelector()));
        EXPECT_LT(at(rowB->parameterSelector()), at(rowB->whatSelector()));
        EXPECT_LT(at(rowB->whatSelector()), at(field("b")));
        EXPECT_LT(at(field("b")), at(field("c")));
        EXPECT_LT(at(field("c")), at(window.buttonBox()->button(QDialogButtonBox::Ok)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), reached[reached.size() - 2]);
        cancel(window);
    });
}

TEST_F(EditorFixture, CancelAndSecondOpenChangeNothing) {
    const ConditionPtr before = tree("&(a,b)");
    const SmartBookPtr book = storedBook(before);
    const bool stored = edit(book, [&](ConditionEditWindow& window) {
        rowNamed(window, QStringLiteral("a"))->controlBox()->deleteButton()->click();
        // A second request while the sheet shows returns at once.
        EXPECT_FALSE(controller.openWindowAsSheetOf(&parent));
        EXPECT_EQ(controller.window(), &window);
        cancel(window);
    });
    EXPECT_FALSE(stored);
    EXPECT_EQ(book->conditions(), before);
    EXPECT_EQ(document.undoStack()->count(), 0);
}

TEST_F(EditorFixture, OkStoresAnEditedTreeAsOneUndoableChangeAndAnUneditedOneAsNone) {
    const ConditionPtr before = tree("&(a,b)");
    const SmartBookPtr book = storedBook(before);
    // The rows as they were: the book keeps its tree and there is nothing to undo.
    EXPECT_TRUE(edit(book, [](ConditionEditWindow& window) { ok(window); }));
    EXPECT_EQ(book->conditions(), before);
    EXPECT_EQ(document.undoStack()->count(), 0);

    EXPECT_TRUE(edit(book, [](ConditionEditWindow& window) {
        rowNamed(window, QStringLiteral("b"))->controlBox()->deleteButton()->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ok(window);
    }));
    ASSERT_NE(book->conditions(), before);
    EXPECT_EQ(treeText(*book->conditions()), QStringLiteral("AND(comment7 a)"));
    EXPECT_EQ(document.undoStack()->count(), 1);
    document.undoStack()->undo();
    EXPECT_EQ(book->conditions(), before);
}

TEST_F(EditorFixture, NewSmartBookJoinsTheLibraryOnlyOnOk) {
    const SmartBookPtr dropped = SmartBook::create();
    EXPECT_FALSE(edit(dropped, [&](ConditionEditWindow& window) {
        // A book without conditions opens as an AND group with one amount row.
        EXPECT_EQ(shape(*controller.rootView()), QStringLiteral("AND(new)"));
        cancel(window);
    }));
    EXPECT_TRUE(root->smartBooks().empty());
    EXPECT_EQ(dropped->conditions(), nullptr);

    const SmartBookPtr added = SmartBook::create();
    EXPECT_TRUE(edit(added, [](ConditionEditWindow& window) { ok(window); }));
    ASSERT_EQ(root->smartBooks().size(), 1u);
    EXPECT_EQ(treeText(*added->conditions()), QStringLiteral("AND(amount1 0)"));
    document.undoStack()->undo();
    EXPECT_TRUE(root->smartBooks().empty());
}

// Every word the sheet shows in the user's language goes through tr(): a
// translator that marks what it translates finds each of them.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return QStringLiteral("«%1»").arg(QString::fromUtf8(source));
    }
};

TEST_F(EditorFixture, TheSheetNamesItsBookAndItsWordsAreTranslatedAndSayWhatTheButtonsDo) {
    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    const SmartBookPtr book = storedBook(tree("&(a,|(b,c))"));
    book->setBookName(QStringLiteral("昼食"));
    edit(book, [&](ConditionEditWindow& window) {
        EXPECT_TRUE(window.windowTitle().contains(QStringLiteral("昼食")));
        EXPECT_EQ(window.findChild<QAbstractButton*>(QStringLiteral("okButton"))->text(), QStringLiteral("«OK»"));
        EXPECT_EQ(window.findChild<QAbstractButton*>(QStringLiteral("cancelButton"))->text(),
                  QStringLiteral("«Cancel»"));
        EXPECT_EQ(static_cast<GroupConditionView*>(controller.rootView())->connectiveText(), QStringLiteral("«AND»"));
        EXPECT_EQ(static_cast<GroupConditionView*>(nestedGroup(window, QStringLiteral("OR")))->connectiveText(),
                  QStringLiteral("«OR»"));
        const ConditionControlBox* box = rowNamed(window, QStringLiteral("b"))->controlBox();
        for (const auto& [button, says] : {std::pair{box->andButton(), "«Add a condition joined by AND»"},
                                           std::pair{box->orButton(), "«Add a condition joined by OR»"},
                                           std::pair{box->deleteButton(), "«Remove this condition»"}}) {
            ASSERT_TRUE(button);
            EXPECT_EQ(button->toolTip(), QString::fromUtf8(says));
            EXPECT_EQ(button->accessibleName(), QString::fromUtf8(says));
        }
        // The symbols themselves stay as they are in every language.
        EXPECT_EQ(buttonsOf(rowNamed(window, QStringLiteral("b"))),
                  (QStringList{QStringLiteral(" & "), QStringLiteral(" / "), QStringLiteral(" - ")}));
        cancel(window);
    });
    QCoreApplication::removeTranslator(&marking);

    // A new book has no name of its own yet; the title says what it is.
    edit(SmartBook::create(), [&](ConditionEditWindow& window) {
        EXPECT_FALSE(window.windowTitle().isEmpty());
        EXPECT_FALSE(window.windowTitle().contains(QStringLiteral("Untitled")));
        cancel(window);
    });
}

} // namespace
