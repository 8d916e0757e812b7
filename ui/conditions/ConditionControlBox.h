#pragma once

#include <QWidget>

class ConditionView;
class QToolButton;

// The buttons that end a row: " & " adds a condition joined by AND, " / "
// one joined by OR, " - " deletes the row. A group never shows the button of
// its own connective, and the only row of the root cannot be deleted.
class ConditionControlBox : public QWidget {
    Q_OBJECT

public:
    explicit ConditionControlBox(ConditionView* parent);

    QToolButton* andButton() const { return m_andButton; }
    QToolButton* orButton() const { return m_orButton; }
    QToolButton* deleteButton() const { return m_deleteButton; }

    // Shows the buttons the parent's place in the tree calls for, then lays
    // the box and its parent out.
    void refreshButtons();
    // The buttons side by side, touching, in the order " & ", " / ", " - ".
    void sizeToFit();

private:
    struct Look {
        QString title;
        // Its tooltip and its name for screen readers.
        QString description;
        QString name;
    };
    QToolButton* ensureButton(QToolButton*& button, bool wanted, const Look& look, void (ConditionView::*action)());

    ConditionView* m_parent;
    QToolButton* m_andButton = nullptr;
    QToolButton* m_orButton = nullptr;
    QToolButton* m_deleteButton = nullptr;
};
