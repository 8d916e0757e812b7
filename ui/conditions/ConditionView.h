#pragma once

#include "Condition.h"

#include <QList>
#include <QWidget>

class ConditionControlBox;
class GroupConditionView;

// One node of the editor's view tree: a group of rows or a single row. Every
// view but the root ends in a control box. A view lays itself out as a row,
// left to right, and passes every change of size up to the root, which
// resizes the window.
class ConditionView : public QWidget {
    Q_OBJECT

public:
    explicit ConditionView(QWidget* parent = nullptr);

    bool isRoot() const { return m_root; }
    // The root of the sheet has no control box.
    void setRoot(bool root);
    ConditionControlBox* controlBox() const { return m_controlBox; }

    // A new condition tree of exactly the shape and values shown.
    virtual ConditionPtr condition() const = 0;
    // Row layout, then the change goes up to the root and the window.
    void sizeToFit();
    void refreshControlBox();
    // The view itself; a group answers its only child, or nothing.
    virtual ConditionView* onlyOneCondition() { return this; }
    // The group that holds this view; none for the root.
    GroupConditionView* superConditionView() const;
    // The first and last field of the view in the tab chain.
    virtual QWidget* topKeyView() const { return nullptr; }
    virtual QWidget* bottomKeyView() const { return nullptr; }

    // The actions of the control box's buttons.
    void addAnd();
    void addOr();
    void deleteParent();

protected:
    // Puts the widget at the end of the row, before the control box.
    void appendToRow(QWidget* widget);
    // Takes the widget out of the row and hides it; it keeps its contents.
    void removeFromRow(QWidget* widget);
    bool rowHolds(const QWidget* widget) const { return m_row.contains(widget); }

private:
    void passUp();

    bool m_root = false;
    QList<QWidget*> m_row;
    ConditionControlBox* m_controlBox = nullptr;
};
