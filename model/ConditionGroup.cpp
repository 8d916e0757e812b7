#include "ConditionGroup.h"

BookPtr ConditionGroup::getBook() const {
    // Depth first, left to right: the first book met wins, whatever the group kind.
    for (const ConditionPtr& child : m_conditions) {
        if (BookPtr book = child->getBook()) {
            return book;
        }
    }
    return nullptr;
}

void ConditionGroup::beginPass(const QDateTime& now) {
    for (const ConditionPtr& child : m_conditions) {
        child->beginPass(now);
    }
}

void ConditionGroup::endPass() {
    for (const ConditionPtr& child : m_conditions) {
        child->endPass();
    }
}
