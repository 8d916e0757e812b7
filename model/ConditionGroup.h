#pragma once

#include "Condition.h"

// What the AND and OR groups share: an ordered list of child conditions,
// which is the order of evaluation and of the book search.
class ConditionGroup : public Condition {
public:
    const ConditionList& children() const { return m_conditions; }
    void setChildren(ConditionList children) { m_conditions = std::move(children); }
    // No check for duplicates or cycles: the editor never adds a condition twice.
    void addCondition(ConditionPtr condition) { m_conditions.push_back(std::move(condition)); }

    BookPtr getBook() const override;
    void beginPass(const QDateTime& now) override;
    void endPass() override;

private:
    ConditionList m_conditions;
};
