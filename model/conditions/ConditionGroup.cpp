#include "ConditionGroup.h"

#include <algorithm>

void ConditionGroup::setChildren(ConditionList children) {
    children.erase(
        std::remove_if(children.begin(), children.end(), [this](const ConditionPtr& child) { return !canHold(child); }),
        children.end());
    m_conditions = std::move(children);
}

void ConditionGroup::addCondition(ConditionPtr condition) {
    if (canHold(condition)) {
        m_conditions.push_back(std::move(condition));
    }
}

bool ConditionGroup::canHold(const ConditionPtr& child) const {
    return child && !reaches(*child, this);
}

bool ConditionGroup::reaches(const Condition& from, const Condition* target) {
    if (&from == target) {
        return true;
    }
    const auto* group = dynamic_cast<const ConditionGroup*>(&from);
    return group && std::any_of(group->m_conditions.begin(), group->m_conditions.end(),
                                [target](const ConditionPtr& child) { return reaches(*child, target); });
}

BookPtr ConditionGroup::getBook() const {
    // Depth first, left to right: the first book met wins, whatever the group kind.
    for (const ConditionPtr& child : m_conditions) {
        if (BookPtr book = child->getBook()) {
            return book;
        }
    }
    return nullptr;
}

bool ConditionGroup::sameAs(const Condition& other) const {
    if (!Condition::sameAs(other)) {
        return false;
    }
    const ConditionList& theirs = static_cast<const ConditionGroup&>(other).m_conditions;
    return std::equal(m_conditions.begin(), m_conditions.end(), theirs.begin(), theirs.end(),
                      [](const ConditionPtr& a, const ConditionPtr& b) { return a->sameAs(*b); });
}

void ConditionGroup::beginPass(const ConditionPass& pass) {
    for (const ConditionPtr& child : m_conditions) {
        child->beginPass(pass);
    }
}

void ConditionGroup::endPass() {
    for (const ConditionPtr& child : m_conditions) {
        child->endPass();
    }
}
