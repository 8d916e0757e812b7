#pragma once

#include <QDialog>
#include <QPointer>

class ConditionEditWindowController;
class QDialogButtonBox;
class QScrollBar;

// The sheet over the main window. It is as large as the view tree plus 20
// on each side, 45 above and 60 below, where OK and Cancel stand; every
// change of the tree resizes it at once, keeping its top edge and its
// horizontal centre. A tree taller than the screen scrolls between the
// strips above and below it, so OK and Cancel stay in reach.
class ConditionEditWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr int rootLeft = 20;
    static constexpr int rootTop = 45;
    static constexpr int extraWidth = 40;
    static constexpr int extraHeight = 105;

    ConditionEditWindow(ConditionEditWindowController* controller, QWidget* parent);

    ConditionEditWindowController* controller() const { return m_controller; }
    QDialogButtonBox* buttonBox() const { return m_buttons; }
    // Shown only while the tree is taller than the room the screen leaves.
    QScrollBar* scrollBar() const { return m_scrollBar; }

    // Resizes the window to the root view and places the root.
    void sizeToFit();
    // The rows were added, removed or changed kind.
    void keyChainChanged() {}

protected:
    // Tab walks the rows' fields and closes into a loop at the root.
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Typing starts in the first field.
    void showEvent(QShowEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    // While the tree scrolls, the wheel over a pop-up or spin box that is not
    // being worked with scrolls the tree rather than change the condition.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QWidget*> keyChain() const;
    // The most height the screen leaves for the window's contents.
    int roomOnScreen() const;
    void placeRoot();
    void showScrolling(bool scrolls, QSize window, int strip);
    // Scrolls so that `widget`, a field of the tree, is in sight.
    void bringIntoSight(const QWidget* widget);

    ConditionEditWindowController* m_controller;
    QDialogButtonBox* m_buttons;
    QScrollBar* m_scrollBar;
    // Cover the rows scrolled out above and below while the tree scrolls.
    QWidget* m_topStrip;
    QWidget* m_bottomStrip;
    // The root the strips were last raised over.
    QPointer<QWidget> m_coveredRoot;
};
