#pragma once

#include "Condition.h"
#include "DataRoot.h"

class ConditionView;
class SingleConditionView;

// Makes the editor's views: a stored condition tree as views of exactly its
// shape (a group per AND or OR condition, a row per leaf, each showing the
// stored code and values), and new empty rows of each kind.
class ConditionViewBuilder {
public:
    explicit ConditionViewBuilder(DataRootPtr library);

    // A new view tree the caller owns.
    ConditionView* build(const Condition& condition);
    // A new empty row of that kind, with its first "what" item.
    SingleConditionView* newRow(int kind) const;
    // Rows (counted from 1 in on-screen order) whose stored code or period
    // the editor does not offer; they show the first item instead.
    const QList<int>& rowsNotOffered() const { return m_rowsNotOffered; }

private:
    ConditionView* buildLeaf(const Condition& condition);

    DataRootPtr m_library;
    int m_row = 0;
    QList<int> m_rowsNotOffered;
};
