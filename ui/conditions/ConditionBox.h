#pragma once

#include <QFrame>

class QVBoxLayout;

// The framed panel of a group: its children's views stacked top to bottom,
// each as large as its contents. The frame lies outside the stack's margins.
class ConditionBox : public QFrame {
    Q_OBJECT

public:
    explicit ConditionBox(QWidget* parent = nullptr);

    // Puts the view into the stack at `index`.
    void insertView(int index, QWidget* view);
    // Takes the view out of the stack and out of the box.
    void removeView(QWidget* view);

private:
    // An empty stack is the left inset and the top gap alone.
    void fitMargins();

    QVBoxLayout* m_stack;
};
