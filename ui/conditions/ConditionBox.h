#pragma once

#include <QFrame>
#include <QList>

class ConditionView;

// The framed panel of a group: its children's views stacked top to bottom.
// The views stand in a content widget inside the frame, so the frame's own
// width never enters the stack's arithmetic.
class ConditionBox : public QFrame {
    Q_OBJECT

public:
    explicit ConditionBox(QWidget* parent = nullptr);

    QWidget* contentView() const { return m_content; }
    const QList<ConditionView*>& views() const { return m_views; }

    void addView(ConditionView* view, bool draw = true);
    // The new view takes the old one's place; the old one leaves the box.
    void replaceView(ConditionView* old, ConditionView* view, bool draw = true);
    // Takes the view out of the box without laying it out again.
    void removeView(ConditionView* view);
    // Stacks the views, fits the frame around them, then lays out the group.
    void sizeToFit();

private:
    QWidget* m_content;
    QList<ConditionView*> m_views;
};
