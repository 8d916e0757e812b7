#include "ConditionBox.h"

#include "ConditionLayout.h"

#include <QVBoxLayout>

ConditionBox::ConditionBox(QWidget* parent)
    : QFrame(parent)
    , m_stack(ConditionLayout::stack(this)) {
    setObjectName(QStringLiteral("conditionBox"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    fitMargins();
}

void ConditionBox::insertView(int index, QWidget* view) {
    m_stack->insertWidget(index, view, 0, Qt::AlignLeft);
    // A box not yet on screen shows its views with it; one on screen
    // shows them now, not after the event.
    if (isVisible()) {
        view->show();
    }
    fitMargins();
}

void ConditionBox::removeView(QWidget* view) {
    m_stack->removeWidget(view);
    // Out of the window, not hidden: it shows again wherever it is put.
    view->setParent(nullptr);
    fitMargins();
}

void ConditionBox::fitMargins() {
    using L = ConditionLayout;
    if (m_stack->count() == 0) {
        m_stack->setContentsMargins(L::stackInset, L::stackGap, 0, 0);
    } else {
        m_stack->setContentsMargins(L::stackInset, L::stackGap, L::stackInset, L::stackGap);
    }
}
