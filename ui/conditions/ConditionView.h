#pragma once

#include "Condition.h"

#include <QWidget>

class ConditionControlBox;
class QHBoxLayout;

// One node of the editor's view tree: a group of rows or a single row, laid
// out left to right and as large as its contents. Every view but the root
// ends in a control box. A view changes no tree itself: its buttons and
// pop-ups ask, and the requests travel up through the groups that hold it to
// the editor, which makes every structural change.
class ConditionView : public QWidget {
    Q_OBJECT

public:
    explicit ConditionView(QWidget* parent = nullptr);

    // A new condition tree of exactly the shape and values shown.
    virtual ConditionPtr condition() const = 0;

    // The root of the sheet has no control box.
    bool isRoot() const { return m_root; }
    void makeRoot();
    ConditionControlBox* controlBox() const { return m_controlBox; }
    void showButtons(bool andButton, bool orButton, bool deleteButton);

signals:
    // " & ", " / " and " - " on `view`.
    void addAndRequested(ConditionView* view);
    void addOrRequested(ConditionView* view);
    void removeRequested(ConditionView* view);
    // The row `view` is to become a row of another kind.
    void kindRequested(ConditionView* view, int kind);

protected:
    QHBoxLayout* row() const { return m_row; }
    // Puts the widget at the end of the row, before the control box.
    void addToRow(QWidget* widget);
    // Ends the row with the control box; the widgets added before it come
    // first in the row and in the tab order.
    void finishRow();

private:
    QHBoxLayout* m_row;
    ConditionControlBox* m_controlBox = nullptr;
    bool m_root = false;
};
