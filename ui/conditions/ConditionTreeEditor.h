#pragma once

#include "ConditionViewBuilder.h"
#include "GroupConditionView.h"

#include <QObject>
#include <QPointer>

class SingleConditionView;

// Makes every structural change of the condition editor's view tree. The
// views ask for the changes (" & ", " / ", " - ", another kind of row) and
// their requests travel up through the groups to the root, where this
// object takes them.
class ConditionTreeEditor : public QObject {
    Q_OBJECT

public:
    explicit ConditionTreeEditor(DataRootPtr library, QObject* parent = nullptr);
    ~ConditionTreeEditor() override;

    // Views of the stored tree, under a root group: a tree that is one leaf
    // opens inside an AND group, and no tree as an AND group of one amount row.
    void open(const ConditionPtr& tree);
    GroupConditionView* root() const { return m_root; }
    // The rows, top to bottom.
    QList<SingleConditionView*> rows() const;
    // Rows (counted from 1) whose stored code or period the editor does not offer.
    const QList<int>& rowsNotOffered() const { return m_builder.rowsNotOffered(); }

    // A new row joined to `view` by AND: at the end of an AND group that
    // holds it, else nested with it in a new AND group in its place; for the
    // only child of the root, a new AND root holds both.
    void addAnd(ConditionView* view);
    // The same with OR.
    void addOr(ConditionView* view);
    // Takes the view out. A group left empty goes too, and a group left with
    // one child gives it its place; the root stays, even empty.
    void remove(ConditionView* view);
    // A new empty row of that kind in the row's place.
    void changeKind(ConditionView* view, int kind);

signals:
    // The tree has another root; the previous one is deleted once the event
    // that asked for the change is over.
    void rootChanged(GroupConditionView* root);

private:
    using Connective = GroupConditionView::Connective;

    void add(ConditionView* view, Connective connective);
    void setRoot(GroupConditionView* root);
    // What remains of `group` once a child went: the group itself, or the
    // group above that took its place or lost it.
    GroupConditionView* collapse(GroupConditionView* group);
    // A group never offers its own connective; the only child of the root
    // cannot be removed.
    void showButtons(ConditionView* view, bool deletable);
    void finishEdit(QWidget* changed);

    ConditionViewBuilder m_builder;
    QPointer<GroupConditionView> m_root;
};
