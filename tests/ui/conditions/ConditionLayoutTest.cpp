#include "ConditionLayout.h"
#include "AmountCondition.h"
#include "AmountConditionView.h"
#include "AndConditions.h"
#include "ConditionBox.h"
#include "ConditionControlBox.h"
#include "EditorFixture.h"
#include "GroupConditionView.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

namespace {

// A row of plain widgets of the given sizes, without a control box.
class FixedRow : public ConditionView {
public:
    explicit FixedRow(std::initializer_list<QSize> sizes) {
        for (const QSize size : sizes) {
            auto* widget = new QWidget(this);
            widget->setFixedSize(size);
            addToRow(widget);
            widgets.append(widget);
        }
    }
    ConditionPtr condition() const override { return Condition::create(); }

    QList<QWidget*> widgets;
};

int rightOf(const QWidget* widget) {
    return widget->x() + widget->width();
}

TEST(ConditionLayout, RowsAndStacksKeepTheirPixels) {
    GroupConditionView group(GroupConditionView::Connective::And);
    auto* first = new FixedRow({{30, 20}, {40, 22}, {50, 19}});
    auto* second = new FixedRow({{60, 28}});
    group.appendChild(first);
    group.appendChild(second);
    ConditionLayout::settle(first);
    ConditionLayout::settle(second);

    // A row is 6 higher than its tallest widget, each centred, 8 apart.
    EXPECT_EQ(first->height(), 28);
    EXPECT_EQ(first->widgets[0]->pos(), QPoint(0, 4));
    EXPECT_EQ(first->widgets[1]->pos(), QPoint(rightOf(first->widgets[0]) + 8, 3));
    EXPECT_EQ(first->widgets[2]->pos(), QPoint(rightOf(first->widgets[1]) + 8, 4));
    EXPECT_EQ(first->width(), rightOf(first->widgets[2]));
    EXPECT_EQ(second->height(), 34);

    // The box stacks its children 8 in, 3 apart and 3 from its edges.
    const QRect content = group.box()->contentsRect();
    EXPECT_EQ(first->pos() - content.topLeft(), QPoint(8, 3));
    EXPECT_EQ(second->pos() - content.topLeft(), QPoint(8, 34));
    EXPECT_EQ(content.size(), QSize(8 + std::max(first->width(), second->width()) + 8, 71));

    // The group is a row too: its box, then its control box 8 to the right.
    ConditionControlBox* buttons = group.controlBox();
    ASSERT_TRUE(buttons);
    EXPECT_EQ(group.box()->x(), 0);
    EXPECT_EQ(buttons->x(), rightOf(group.box()) + 8);
    EXPECT_EQ(group.height(), std::max(group.box()->height(), buttons->height()) + 6);
    EXPECT_EQ(group.box()->y(), (group.height() - group.box()->height()) / 2);

    // An empty root: a box of 8 by 3 inside its frame, 3 down in a root 6 higher than the box.
    GroupConditionView empty(GroupConditionView::Connective::Or);
    empty.makeRoot();
    ConditionLayout::settle(empty.box());
    EXPECT_EQ(empty.controlBox(), nullptr);
    EXPECT_EQ(empty.box()->contentsRect().size(), QSize(8, 3));
    EXPECT_EQ(empty.box()->pos(), QPoint(0, 3));
    EXPECT_EQ(empty.size(), empty.box()->size() + QSize(0, 6));
}

TEST_F(EditorFixture, RowsBoxesAndWindowFollowTheLayout) {
    const SmartBookPtr book = SmartBook::create();
    edit(book, [&](ConditionEditWindow& window) {
        auto* rootGroup = static_cast<GroupConditionView*>(controller.rootView());
        auto* row = static_cast<AmountConditionView*>(rootGroup->children().front());
        // The amount field centred in its row, the control box 8 after it.
        EXPECT_EQ(row->amountField()->y(), (row->height() - row->amountField()->height()) / 2);
        EXPECT_EQ(row->controlBox()->x(), rightOf(row->amountField()) + 8);
        EXPECT_EQ(row->pos() - rootGroup->box()->contentsRect().topLeft(), QPoint(8, 3));

        // The window is the root + 40 wide and + 105 high; the root sits 20 in and 45 down.
        const auto expectFitted = [&] {
            ConditionView* rootView = controller.rootView();
            EXPECT_EQ(rootView->mapTo(&window, QPoint()), QPoint(20, 45));
            EXPECT_EQ(window.height(), rootView->height() + 105);
            EXPECT_GE(window.width(), rootView->width() + 40);
        };
        expectFitted();
        const QRect before = window.geometry();
        row->whatSelector()->setCurrentIndex(4);
        emit row->whatSelector()->activated(4);
        row->controlBox()->orButton()->click();
        expectFitted();
        // Grown at once, keeping the top edge and the horizontal centre.
        EXPECT_GT(window.height(), before.height());
        EXPECT_GT(window.width(), before.width());
        EXPECT_EQ(window.geometry().top(), before.top());
        EXPECT_LE(std::abs(window.geometry().center().x() - before.center().x()), 1);
        // OK and Cancel in the 60 below the tree.
        const QWidget* okButton = window.buttonBox()->button(QDialogButtonBox::Ok);
        EXPECT_GE(okButton->mapTo(&window, QPoint()).y(), 45 + controller.rootView()->height());
        cancel(window);
    });
}

TEST_F(EditorFixture, ChangingTheComparisonShowsAndHidesFieldsKeepingThem) {
    const SmartBookPtr book = SmartBook::create();
    edit(book, [&](ConditionEditWindow& window) {
        auto* row = static_cast<AmountConditionView*>(
            static_cast<GroupConditionView*>(controller.rootView())->children().front());
        const auto choose = [&](int index) {
            row->whatSelector()->setCurrentIndex(index);
            emit row->whatSelector()->activated(index);
        };
        const int narrow = row->width();
        EXPECT_FALSE(row->amountFieldUpperLimit()->isVisible());
        choose(4); // between
        ASSERT_TRUE(row->amountFieldUpperLimit()->isVisible());
        const QWidget* between = row->findChild<QWidget*>(QStringLiteral("labelBetween"));
        EXPECT_EQ(between->x(), rightOf(row->amountField()) + 8);
        EXPECT_EQ(row->amountFieldUpperLimit()->x(), rightOf(between) + 8);
        EXPECT_EQ(row->controlBox()->x(), rightOf(row->amountFieldUpperLimit()) + 8);
        row->amountFieldUpperLimit()->setText(QStringLiteral("20"));
        choose(0);
        EXPECT_FALSE(row->amountFieldUpperLimit()->isVisible());
        // The row closes up at once.
        EXPECT_EQ(row->width(), narrow);
        EXPECT_EQ(row->controlBox()->x(), rightOf(row->amountField()) + 8);
        choose(5);
        EXPECT_EQ(row->amountFieldUpperLimit()->text(), QStringLiteral("20"));
        cancel(window);
    });
}

// A turn of the wheel up over the widget, as the window system delivers it:
// what the widget ignores goes on to the widgets around it.
void turnWheelUp(QWidget* over) {
    QWheelEvent wheel(QPointF(5, 5), over->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(over, &wheel);
}

TEST_F(EditorFixture, ATreeTallerThanTheScreenScrollsWhatTakesTheKeyboardIntoSight) {
    auto all = AndConditions::create();
    for (int i = 0; i < 60; ++i) {
        auto leaf = AmountCondition::create();
        leaf->setConditionTypeCode(Condition::Is);
        leaf->setObject(Amount::fromInt(i));
        all->addCondition(leaf);
    }
    const SmartBookPtr book = storedBook(all);
    AlertAnswers answers({QStringLiteral("OK")});
    edit(book, [&](ConditionEditWindow& window) {
        const QRect screen = window.screen()->availableGeometry();
        auto* group = static_cast<GroupConditionView*>(controller.rootView());
        ASSERT_GT(group->height() + ConditionEditWindow::extraHeight, screen.height());
        EXPECT_LE(window.height(), screen.height());
        QScrollBar* scrollBar = window.scrollArea()->verticalScrollBar();
        ASSERT_TRUE(scrollBar->isVisible());
        const QWidget* okButton = window.buttonBox()->button(QDialogButtonBox::Ok);
        EXPECT_LE(okButton->mapTo(&window, QPoint()).y() + okButton->height(), window.height());
        // No horizontal scrolling: the window makes room for the scroll bar.
        EXPECT_GE(window.scrollArea()->viewport()->width(), group->width());

        const auto inSight = [&](const QWidget* field) {
            const QRect shown = window.scrollArea()->viewport()->rect();
            return shown.contains(QRect(field->mapTo(window.scrollArea()->viewport(), QPoint()), field->size()));
        };
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        auto* first = static_cast<AmountConditionView*>(group->children().front());
        auto* last = static_cast<AmountConditionView*>(group->children().back());
        EXPECT_EQ(QApplication::focusWidget(), first->amountField());
        ASSERT_FALSE(inSight(last->amountField()));
        last->amountField()->setFocus();
        EXPECT_TRUE(inSight(last->amountField()));
        EXPECT_FALSE(inSight(first->amountField()));
        // Tab and Backtab keep what they reach in sight.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_TRUE(inSight(QApplication::focusWidget()));
        // A row refused at OK is named and scrolled to, its text selected.
        first->amountField()->setText(QStringLiteral("abc"));
        ok(window);
        ASSERT_EQ(answers.alerts().size(), 1);
        EXPECT_TRUE(answers.alerts()[0].text.contains(QStringLiteral("Row 1")));
        EXPECT_EQ(QApplication::focusWidget(), first->amountField());
        EXPECT_TRUE(inSight(first->amountField()));
        EXPECT_EQ(first->amountField()->selectedText(), QStringLiteral("abc"));

        // The wheel over a pop-up without the keyboard scrolls the tree and
        // leaves the condition as it was; with the keyboard, it changes it.
        QComboBox* what = static_cast<AmountConditionView*>(group->children()[20])->whatSelector();
        what->setCurrentIndex(2);
        window.scrollArea()->ensureWidgetVisible(what);
        const int scrolled = scrollBar->value();
        ASSERT_GT(scrolled, 0);
        turnWheelUp(what);
        EXPECT_EQ(what->currentIndex(), 2);
        EXPECT_LT(scrollBar->value(), scrolled);
        what->setFocus();
        turnWheelUp(what);
        EXPECT_EQ(what->currentIndex(), 1);
        cancel(window);
    });
}

} // namespace
