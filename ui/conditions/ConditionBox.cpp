#include "ConditionBox.h"

#include "ConditionLayout.h"
#include "ConditionView.h"

ConditionBox::ConditionBox(QWidget* parent)
    : QFrame(parent)
    , m_content(new QWidget(this)) {
    setObjectName(QStringLiteral("conditionBox"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_content->setObjectName(QStringLiteral("conditionBoxContent"));
    resize(ConditionLayout::initialBoxSize);
    sizeToFit();
}

void ConditionBox::addView(ConditionView* view, bool draw) {
    view->setParent(m_content);
    view->show();
    m_views.append(view);
    if (draw) {
        sizeToFit();
    }
}

void ConditionBox::replaceView(ConditionView* old, ConditionView* view, bool draw) {
    const qsizetype at = m_views.indexOf(old);
    if (at < 0) {
        return;
    }
    view->setParent(m_content);
    view->show();
    m_views[at] = view;
    old->hide();
    old->setParent(nullptr);
    if (draw) {
        sizeToFit();
    }
}

void ConditionBox::removeView(ConditionView* view) {
    m_views.removeOne(view);
    view->hide();
    view->setParent(nullptr);
}

void ConditionBox::sizeToFit() {
    const QSize content = ConditionLayout::layoutStack(QList<QWidget*>(m_views.begin(), m_views.end()));
    // The style's frame on every side.
    const int frame = frameWidth();
    m_content->setGeometry(QRect(QPoint(frame, frame), content));
    resize(content.width() + 2 * frame, content.height() + 2 * frame);
    if (auto* group = qobject_cast<ConditionView*>(parentWidget())) {
        group->sizeToFit();
    }
}
