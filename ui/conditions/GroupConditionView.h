#pragma once

#include "ConditionView.h"

#include <QList>

class ConditionBox;

// A group of rows joined by one connective, AND or OR, written in each gap
// between the rows. Its children's requests pass through it on their way up.
class GroupConditionView : public ConditionView {
    Q_OBJECT

public:
    enum class Connective { And, Or };

    explicit GroupConditionView(Connective connective, QWidget* parent = nullptr);

    Connective connective() const { return m_connective; }
    // "AND" or "OR", whatever the language.
    QString groupIdentifier() const;
    // The connective in the user's language, drawn between the rows.
    QString connectiveText() const;
    // An AND or OR condition of the children's conditions, in their order;
    // an empty group gives an empty one.
    ConditionPtr condition() const override;

    ConditionBox* box() const { return m_box; }
    const QList<ConditionView*>& children() const { return m_children; }
    // The only child; nothing when there are none or several.
    ConditionView* onlyOneCondition() const;
    void insertChild(qsizetype index, ConditionView* view);
    void appendChild(ConditionView* view) { insertChild(m_children.size(), view); }
    // Takes the child out of the group and out of the window.
    void removeChild(ConditionView* view);
    // `view` takes the place of `old`, which leaves the group.
    void replaceChild(ConditionView* old, ConditionView* view);

    // The group that holds `view`; nothing for the root or a view outside a tree.
    static GroupConditionView* holderOf(const ConditionView* view);
    // The rows under `view`, top to bottom: the view itself when it is no group.
    static QList<ConditionView*> rowsOf(ConditionView* view);
    // Where the connective is written: 25 from the left, centred in each gap
    // between consecutive rows (top left of the text).
    QList<QPoint> labelPoints() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void passRequestsUp(ConditionView* child);

    Connective m_connective;
    ConditionBox* m_box;
    QList<ConditionView*> m_children;
};
