#include "GroupConditionView.h"

#include "AndConditions.h"
#include "ConditionBox.h"
#include "OrConditions.h"

#include <QPainter>

GroupConditionView::GroupConditionView(Connective connective, QWidget* parent)
    : ConditionView(parent)
    , m_connective(connective)
    , m_box(new ConditionBox(this)) {
    addToRow(m_box);
    finishRow();
    // A group never offers its own connective: that is a row more in it.
    showButtons(connective != Connective::And, connective != Connective::Or, true);
}

QString GroupConditionView::groupIdentifier() const {
    return m_connective == Connective::And ? QStringLiteral("AND") : QStringLiteral("OR");
}

QString GroupConditionView::connectiveText() const {
    return m_connective == Connective::And ? tr("AND") : tr("OR");
}

ConditionPtr GroupConditionView::condition() const {
    std::shared_ptr<ConditionGroup> group;
    if (m_connective == Connective::And) {
        group = AndConditions::create();
    } else {
        group = OrConditions::create();
    }
    for (const ConditionView* child : m_children) {
        group->addCondition(child->condition());
    }
    return group;
}

ConditionView* GroupConditionView::onlyOneCondition() const {
    return m_children.size() == 1 ? m_children.front() : nullptr;
}

void GroupConditionView::insertChild(qsizetype index, ConditionView* view) {
    m_children.insert(index, view);
    m_box->insertView(int(index), view);
    passRequestsUp(view);
    update();
}

void GroupConditionView::removeChild(ConditionView* view) {
    if (!m_children.removeOne(view)) {
        return;
    }
    disconnect(view, nullptr, this, nullptr);
    m_box->removeView(view);
    update();
}

void GroupConditionView::replaceChild(ConditionView* old, ConditionView* view) {
    const qsizetype at = m_children.indexOf(old);
    if (at < 0) {
        return;
    }
    removeChild(old);
    insertChild(at, view);
}

void GroupConditionView::passRequestsUp(ConditionView* child) {
    connect(child, &ConditionView::addAndRequested, this, &ConditionView::addAndRequested);
    connect(child, &ConditionView::addOrRequested, this, &ConditionView::addOrRequested);
    connect(child, &ConditionView::removeRequested, this, &ConditionView::removeRequested);
    connect(child, &ConditionView::kindRequested, this, &ConditionView::kindRequested);
}

GroupConditionView* GroupConditionView::holderOf(const ConditionView* view) {
    const auto* box = view ? qobject_cast<const ConditionBox*>(view->parentWidget()) : nullptr;
    return box ? qobject_cast<GroupConditionView*>(box->parentWidget()) : nullptr;
}

QList<ConditionView*> GroupConditionView::rowsOf(ConditionView* view) {
    QList<ConditionView*> rows;
    if (const auto* group = qobject_cast<const GroupConditionView*>(view)) {
        for (ConditionView* child : group->children()) {
            rows.append(rowsOf(child));
        }
    } else if (view) {
        rows.append(view);
    }
    return rows;
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
