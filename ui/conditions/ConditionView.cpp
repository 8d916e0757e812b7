#include "ConditionView.h"

#include "ConditionBox.h"
#include "ConditionControlBox.h"
#include "ConditionEditWindow.h"
#include "ConditionLayout.h"
#include "GroupConditionView.h"

ConditionView::ConditionView(QWidget* parent)
    : QWidget(parent) {
    m_controlBox = new ConditionControlBox(this);
}

void ConditionView::setRoot(bool root) {
    m_root = root;
    if (root) {
        if (m_controlBox) {
            delete m_controlBox;
            m_controlBox = nullptr;
        }
        sizeToFit();
    } else {
        refreshControlBox();
    }
}

GroupConditionView* ConditionView::superConditionView() const {
    for (QWidget* above = parentWidget(); above; above = above->parentWidget()) {
        if (auto* group = qobject_cast<GroupConditionView*>(above)) {
            return group;
        }
    }
    return nullptr;
}

void ConditionView::appendToRow(QWidget* widget) {
    widget->setParent(this);
    widget->show();
    m_row.append(widget);
}

void ConditionView::removeFromRow(QWidget* widget) {
    if (m_row.removeOne(widget)) {
        widget->hide();
    }
}

void ConditionView::sizeToFit() {
    QList<QWidget*> widgets = m_row;
    if (m_controlBox) {
        widgets.append(m_controlBox);
    }
    resize(ConditionLayout::layoutRow(widgets));
    passUp();
}

void ConditionView::passUp() {
    if (m_root) {
        if (auto* window = qobject_cast<ConditionEditWindow*>(this->window())) {
            window->sizeToFit();
        }
        update();
    } else if (GroupConditionView* group = superConditionView()) {
        group->box()->sizeToFit();
    }
}

void ConditionView::refreshControlBox() {
    if (m_controlBox) {
        m_controlBox->refreshButtons();
    }
}

void ConditionView::addAnd() {
    GroupConditionView* group = superConditionView();
    if (!group) {
        return;
    }
    ConditionView* added = group->addNewAndCondition(this, false);
    added->refreshControlBox();
    refreshControlBox();
}

void ConditionView::addOr() {
    GroupConditionView* group = superConditionView();
    if (!group) {
        return;
    }
    ConditionView* added = group->addNewOrCondition(this, false);
    added->refreshControlBox();
    refreshControlBox();
}

void ConditionView::deleteParent() {
    GroupConditionView* group = superConditionView();
    if (!group) {
        return;
    }
    GroupConditionView* root = group->rootGroup();
    GroupConditionView* remaining = group->killChild(this);
    // Freed once the click that asked for it is over.
    deleteLater();
    if (remaining) {
        remaining->refreshControlBox();
        remaining->keyChainNeedsUpdating();
    }
    if (ConditionView* only = root->onlyOneCondition()) {
        only->refreshControlBox();
    }
}
