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
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include <memory>
#include <vector>

namespace {

std::vector<std::unique_ptr<QWidget>> widgetsOf(std::initializer_list<QSize> sizes) {
    std::vector<std::unique_ptr<QWidget>> widgets;
    for (const QSize size : sizes) {
        widgets.push_back(std::make_unique<QWidget>());
        widgets.back()->resize(size);
    }
    return widgets;
}
QList<QWidget*> pointers(const std::vector<std::unique_ptr<QWidget>>& widgets) {
    QList<QWidget*> list;
    for (const auto& widget : widgets) {
        list.append(widget.get());
    }
    return list;
}

TEST(ConditionLayout, RowCentresItsWidgetsEightApart) {
    const auto widgets = widgetsOf({{30, 20}, {40, 22}, {50, 19}});
    EXPECT_EQ(ConditionLayout::layoutRow(pointers(widgets)), QSize(30 + 40 + 50 + 2 * 8, 28));
    EXPECT_EQ(widgets[0]->pos(), QPoint(0, 4));
    EXPECT_EQ(widgets[1]->pos(), QPoint(38, 3));
    EXPECT_EQ(widgets[2]->pos(), QPoint(86, 4));
    EXPECT_EQ(ConditionLayout::layoutRow({}), QSize(0, 6));
}

TEST(ConditionLayout, StackInsetsItsChildren) {
    const auto widgets = widgetsOf({{120, 28}, {90, 34}});
    EXPECT_EQ(ConditionLayout::layoutStack(pointers(widgets)), QSize(8 + 120 + 8, 71));
    EXPECT_EQ(widgets[0]->pos(), QPoint(8, 3));
    EXPECT_EQ(widgets[1]->pos(), QPoint(8, 34));
    EXPECT_EQ(ConditionLayout::layoutStack({}), QSize(8, 3));
}

TEST_F(EditorFixture, RowsBoxesAndWindowFollowTheLayout) {
    const SmartBookPtr book = SmartBook::create();
    edit(book, [&](ConditionEditWindow& window) {
        auto* rootGroup = static_cast<GroupConditionView*>(controller.rootView());
        auto* row = static_cast<AmountConditionView*>(rootGroup->children().front());
        // A row is its tallest widget + 6, every widget centred.
        int tallest = 0;
        for (QWidget* part :
             {static_cast<QWidget*>(row->parameterSelector()), static_cast<QWidget*>(row->whatSelector()),
              static_cast<QWidget*>(row->amountField()), static_cast<QWidget*>(row->controlBox())}) {
            tallest = std::max(tallest, part->height());
        }
        EXPECT_EQ(row->height(), tallest + 6);
        EXPECT_EQ(row->amountField()->y(), (row->height() - row->amountField()->height()) / 2);
        EXPECT_EQ(row->controlBox()->x(), row->amountField()->x() + row->amountField()->width() + 8);
        // The box's content holds the row at (8, 3) with 3 below; the root is 6 higher than its box.
        ConditionBox* box = rootGroup->box();
        EXPECT_EQ(row->pos(), QPoint(8, 3));
        EXPECT_EQ(box->contentView()->size(), QSize(8 + row->width() + 8, 3 + row->height() + 3));
        EXPECT_EQ(box->pos(), QPoint(0, 3));
        EXPECT_EQ(rootGroup->height(), box->height() + 6);

        // The window is the root + 40 wide and + 105 high; the root sits 20 in and 45 down.
        const auto expectFitted = [&] {
            ConditionView* rootView = controller.rootView();
            EXPECT_EQ(rootView->pos(), QPoint(20, 45));
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
        EXPECT_EQ(window.geometry().top(), before.top());
        EXPECT_LE(std::abs(window.geometry().center().x() - before.center().x()), 1);
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
        EXPECT_FALSE(row->amountFieldUpperLimit()->isVisible());
        choose(4); // between
        ASSERT_TRUE(row->amountFieldUpperLimit()->isVisible());
        EXPECT_EQ(row->amountFieldUpperLimit()->x(),
                  row->findChild<QWidget*>(QStringLiteral("labelBetween"))->x() +
                      row->findChild<QWidget*>(QStringLiteral("labelBetween"))->width() + 8);
        row->amountFieldUpperLimit()->setText(QStringLiteral("20"));
        choose(0);
        EXPECT_FALSE(row->amountFieldUpperLimit()->isVisible());
        choose(5);
        EXPECT_EQ(row->amountFieldUpperLimit()->text(), QStringLiteral("20"));
        cancel(window);
    });
}

TEST_F(EditorFixture, ATreeTallerThanTheScreenScrollsAndKeepsOkInReach) {
    auto all = AndConditions::create();
    for (int i = 0; i < 60; ++i) {
        auto leaf = AmountCondition::create();
        leaf->setConditionTypeCode(Condition::Is);
        leaf->setObject(Amount::fromInt(i));
        all->addCondition(leaf);
    }
    const SmartBookPtr book = storedBook(all);
    edit(book, [&](ConditionEditWindow& window) {
        const QRect screen = window.screen()->availableGeometry();
        ConditionView* rootView = controller.rootView();
        ASSERT_GT(rootView->height() + ConditionEditWindow::extraHeight, screen.height());
        EXPECT_LE(window.height(), screen.height());
        ASSERT_TRUE(window.scrollBar()->isVisible());
        QWidget* okButton = window.buttonBox()->button(QDialogButtonBox::Ok);
        EXPECT_LE(okButton->mapTo(&window, QPoint()).y() + okButton->height(), window.height());

        // Tab to the last row's field: the tree scrolls it into sight, below the strip above.
        auto* group = static_cast<GroupConditionView*>(rootView);
        auto* last = static_cast<AmountConditionView*>(group->children().back());
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        static_cast<AmountConditionView*>(group->children().front())->amountField()->setFocus();
        for (int i = 0; i < 59; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        ASSERT_EQ(QApplication::focusWidget(), last->amountField());
        const int top = last->amountField()->mapTo(&window, QPoint()).y();
        EXPECT_GE(top, ConditionEditWindow::rootTop);
        EXPECT_LE(top + last->amountField()->height(),
                  window.height() - (ConditionEditWindow::extraHeight - ConditionEditWindow::rootTop));
        EXPECT_GT(window.scrollBar()->value(), 0);

        // The wheel over a row's pop-up scrolls the tree and leaves the condition as it was.
        QComboBox* kind = static_cast<AmountConditionView*>(group->children()[30])->whatSelector();
        kind->setCurrentIndex(2);
        const int chosen = kind->currentIndex();
        const int scrolled = window.scrollBar()->value();
        QWheelEvent up(QPointF(5, 5), kind->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(kind, &up);
        EXPECT_EQ(kind->currentIndex(), chosen);
        EXPECT_LT(window.scrollBar()->value(), scrolled);
        cancel(window);
    });
}

} // namespace
