#include "GroupConditionView.h"

#include "AmountConditionView.h"
#include "AndConditionView.h"
#include "ConditionBox.h"
#include "ConditionEditWindow.h"
#include "ConditionEditWindowController.h"
#include "OrConditionView.h"

#include <QPainter>

GroupConditionView::GroupConditionView(bool draw, QWidget* parent)
    : ConditionView(parent)
    , m_box(new ConditionBox) {
    appendToRow(m_box);
    if (draw) {
        sizeToFit();
    }
}

ConditionView* GroupConditionView::onlyOneCondition() {
    return m_children.size() == 1 ? m_children.front() : nullptr;
}

GroupConditionView* GroupConditionView::rootGroup() {
    GroupConditionView* group = this;
    while (GroupConditionView* above = group->superConditionView()) {
        group = above;
    }
    return group;
}

void GroupConditionView::addSubview(ConditionView* view, bool draw) {
    m_box->addView(view, false);
    m_children.append(view);
    if (draw) {
        m_box->sizeToFit();
    }
    keyChainNeedsUpdating();
}

void GroupConditionView::replaceSubview(ConditionView* old, ConditionView* view, bool draw) {
    m_box->replaceView(old, view, false);
    const qsizetype at = m_children.indexOf(old);
    if (at >= 0) {
        m_children[at] = view;
        old->refreshControlBox();
    }
    if (draw) {
        m_box->sizeToFit();
    }
}

ConditionView* GroupConditionView::addNewCondition(bool draw) {
    auto* view = new AmountConditionView;
    addSubview(view, draw);
    return view;
}

ConditionView* GroupConditionView::addNewAndCondition(ConditionView*, bool draw) {
    return addNewCondition(draw);
}

ConditionView* GroupConditionView::addNewOrCondition(ConditionView*, bool draw) {
    return addNewCondition(draw);
}

ConditionView* GroupConditionView::nestWithNewCondition(ConditionView* child, bool draw, bool andGroup) {
    GroupConditionView* group = nullptr;
    auto* window = qobject_cast<ConditionEditWindow*>(this->window());
    if (isRoot() && onlyOneCondition() && window) {
        // The root itself gives way to a root of the other connective.
        ConditionEditWindowController* controller = window->controller();
        if (andGroup) {
            controller->setRootAndViewWith(child);
        } else {
            controller->setRootOrViewWith(child);
        }
        group = static_cast<GroupConditionView*>(controller->rootView());
        deleteLater();
    } else {
        group = andGroup ? static_cast<GroupConditionView*>(new AndConditionView)
                         : static_cast<GroupConditionView*>(new OrConditionView);
        replaceSubview(child, group, false);
        group->addSubview(child, draw);
    }
    return group->addNewCondition(draw);
}

GroupConditionView* GroupConditionView::killChild(ConditionView* child) {
    m_children.removeOne(child);
    m_box->removeView(child);
    GroupConditionView* above = superConditionView();
    if (m_children.isEmpty()) {
        if (!above) {
            // The root stays, empty; the window still follows its size.
            m_box->sizeToFit();
            return nullptr;
        }
        GroupConditionView* remaining = above->killChild(this);
        deleteLater();
        return remaining;
    }
    if (m_children.size() == 1 && !isRoot() && above) {
        ConditionView* only = m_children.front();
        above->replaceSubview(this, only);
        only->refreshControlBox();
        deleteLater();
        // The parent's rows are what remains; its tab chain changed too.
        return above;
    }
    m_box->sizeToFit();
    return this;
}

QWidget* GroupConditionView::topKeyView() const {
    return m_children.isEmpty() ? nullptr : m_children.front()->topKeyView();
}

QWidget* GroupConditionView::bottomKeyView() const {
    return m_children.isEmpty() ? nullptr : m_children.back()->bottomKeyView();
}

void GroupConditionView::keyChainNeedsUpdating() {
    if (!isRoot()) {
        if (GroupConditionView* above = superConditionView()) {
            above->keyChainNeedsUpdating();
        }
        return;
    }
    if (auto* window = qobject_cast<ConditionEditWindow*>(this->window())) {
        window->keyChainChanged();
    }
}

void GroupConditionView::collectConditions(ConditionGroup& group) const {
    for (const ConditionView* child : m_children) {
        group.addCondition(child->condition());
    }
}

namespace {
QFont labelFont(const QWidget& widget) {
    QFont font = widget.font();
    font.setBold(true);
    // 11 in the units the whole sheet is laid out in, pixels; 11 points would
    // be half as high again and spill over the rows on either side.
    font.setPixelSize(11);
    return font;
}
} // namespace

QList<QPoint> GroupConditionView::labelPoints() const {
    QList<QPoint> points;
    const int labelHeight = QFontMetrics(labelFont(*this)).height();
    for (qsizetype i = 1; i < m_children.size(); ++i) {
        const ConditionView* above = m_children[i - 1];
        const ConditionView* below = m_children[i];
        const int aboveBottom = above->mapTo(this, QPoint(0, 0)).y() + above->height();
        const int belowTop = below->mapTo(this, QPoint(0, 0)).y();
        points.append(QPoint(25, (aboveBottom + belowTop) / 2 - labelHeight / 2));
    }
    return points;
}

void GroupConditionView::paintEvent(QPaintEvent*) {
    const QList<QPoint> points = labelPoints();
    if (points.isEmpty()) {
        return;
    }
    QPainter painter(this);
    painter.setFont(labelFont(*this));
    const QString label = connectiveText();
    const int ascent = painter.fontMetrics().ascent();
    for (const QPoint& point : points) {
        painter.drawText(point + QPoint(0, ascent), label);
    }
}

QList<const ConditionView*> GroupConditionView::rowsOf(const ConditionView* view) {
    QList<const ConditionView*> rows;
    QList<const ConditionView*> pending;
    if (view) {
        pending.append(view);
    }
    while (!pending.isEmpty()) {
        const ConditionView* next = pending.takeFirst();
        if (const auto* group = qobject_cast<const GroupConditionView*>(next)) {
            for (qsizetype i = group->children().size(); i > 0; --i) {
                pending.prepend(group->children()[i - 1]);
            }
        } else {
            rows.append(next);
        }
    }
    return rows;
}
