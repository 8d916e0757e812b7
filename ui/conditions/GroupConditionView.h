#pragma once

#include "ConditionGroup.h"
#include "ConditionView.h"

#include <QList>

class ConditionBox;

// A group of rows joined by one connective, drawn between the rows. The
// groups the editor makes alternate: a group nested in an AND group is an
// OR group and the reverse.
class GroupConditionView : public ConditionView {
    Q_OBJECT

public:
    explicit GroupConditionView(bool draw = true, QWidget* parent = nullptr);

    // "AND" or "OR", whatever the language.
    virtual QString groupIdentifier() const = 0;
    // The connective in the user's language, drawn between the rows.
    virtual QString connectiveText() const = 0;
    ConditionBox* box() const { return m_box; }
    const QList<ConditionView*>& children() const { return m_children; }
    // The rows under `view`, top to bottom: the view itself when it is no group.
    static QList<const ConditionView*> rowsOf(const ConditionView* view);
    ConditionView* onlyOneCondition() override;
    // The root of the tree this group stands in.
    GroupConditionView* rootGroup();

    void addSubview(ConditionView* view, bool draw = true);
    void replaceSubview(ConditionView* old, ConditionView* view, bool draw = true);
    // A new empty amount row at the end of the group.
    ConditionView* addNewCondition(bool draw = true);
    // " & " and " / " on a child: a new row at the end, or, for the other
    // connective, the child nested with a new row in a group of that kind.
    virtual ConditionView* addNewAndCondition(ConditionView* child, bool draw);
    virtual ConditionView* addNewOrCondition(ConditionView* child, bool draw);
    // Takes the child out. An emptied group removes itself from its parent,
    // and a group left with one child (not the root) gives it its place.
    // Returns the group whose rows remain, or nothing when the root emptied.
    GroupConditionView* killChild(ConditionView* child);

    QWidget* topKeyView() const override;
    QWidget* bottomKeyView() const override;
    // Where the connective is written: 25 from the left, centred in each gap
    // between consecutive rows (top left of the text).
    QList<QPoint> labelPoints() const;
    // The tab chain changed below this group; the root's window takes it up.
    void keyChainNeedsUpdating();

protected:
    void paintEvent(QPaintEvent* event) override;
    // Puts `child` and a new row into a new group of the other connective
    // in the child's place (or, for the root's only child, a new root).
    ConditionView* nestWithNewCondition(ConditionView* child, bool draw, bool andGroup);
    // The children's conditions, in order, into the group.
    void collectConditions(ConditionGroup& group) const;

private:
    ConditionBox* m_box;
    QList<ConditionView*> m_children;
};
