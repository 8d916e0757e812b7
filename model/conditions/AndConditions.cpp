#include "AndConditions.h"

#include <algorithm>

std::shared_ptr<AndConditions> AndConditions::create() {
    return std::make_shared<AndConditions>();
}

ConditionPtr AndConditions::copy() const {
    // The copy shares the children.
    auto group = create();
    group->takeValuesOf(*this);
    group->setChildren(children());
    return group;
}

bool AndConditions::ioMatchesCondition(const IO& record) const {
    return std::all_of(children().begin(), children().end(),
                       [&record](const ConditionPtr& child) { return child->ioMatchesCondition(record); });
}
