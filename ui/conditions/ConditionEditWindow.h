#pragma once

#include <QDialog>

class QDialogButtonBox;
class QScrollArea;

// The sheet over the main window: the view tree in a scroll area, OK and
// Cancel below it. The window is as large as the tree plus 20 on each side,
// 45 above and 60 below, and follows every change of the tree's size at once,
// keeping its top edge and its horizontal centre. A tree taller than the
// screen scrolls, and whatever takes the keyboard in it is scrolled into sight.
class ConditionEditWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr int rootLeft = 20;
    static constexpr int rootTop = 45;
    static constexpr int extraWidth = 40;
    static constexpr int extraHeight = 105;

    explicit ConditionEditWindow(QWidget* parent = nullptr);

    QDialogButtonBox* buttonBox() const { return m_buttons; }
    QScrollArea* scrollArea() const { return m_scrollArea; }
    QWidget* root() const;
    // Fields above the tree, as a keyword rule's name and keywords; the window's.
    void setHeader(QWidget* header);
    // Shows the root of a view tree in place of the previous one, which is
    // no longer the window's, and takes the tree's size.
    void setRoot(QWidget* root);
    // Resizes the window to the tree.
    void sizeToFit();

protected:
    // Shown, the widgets look as in the window: the tree is laid out again.
    void showEvent(QShowEvent* event) override;
    // The root's changes of size.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The most height the screen leaves for the window's contents.
    int roomOnScreen() const;

    QScrollArea* m_scrollArea;
    QWidget* m_header = nullptr;
    QDialogButtonBox* m_buttons;
};
