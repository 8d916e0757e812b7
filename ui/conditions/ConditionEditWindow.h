#pragma once

#include <QDialog>

class ConditionEditWindowController;
class QDialogButtonBox;

// The sheet over the main window. It is as large as the view tree plus 20
// on each side, 45 above and 60 below, where OK and Cancel stand; every
// change of the tree resizes it at once, keeping its top edge and its
// horizontal centre.
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

private:
    QList<QWidget*> keyChain() const;

    ConditionEditWindowController* m_controller;
    QDialogButtonBox* m_buttons;
};
