#pragma once

#include "Condition.h"

// What the AND and OR groups share: an ordered list of child conditions,
// which is the order of evaluation and of the book search.
class ConditionGroup : public Condition {
public:
    const ConditionList& children() const { return m_conditions; }
    // No check for duplicates: the editor never adds a condition twice. A null
    // child, or one that holds this group somewhere below it, is left out, so
    // that every tree ends (a damaged file could otherwise describe a ring).
    void setChildren(ConditionList children);
    void addCondition(ConditionPtr condition);

    BookPtr getBook() const override;
    bool sameAs(const Condition& other) const override;
    void beginPass(const ConditionPass& pass) override;
    void endPass() override;

private:
    bool canHold(const ConditionPtr& child) const;
    static bool reaches(const Condition& from, const Condition* target);

    ConditionList m_conditions;
};
