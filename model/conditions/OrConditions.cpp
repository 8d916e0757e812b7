#include "OrConditions.h"

#include <algorithm>

std::shared_ptr<OrConditions> OrConditions::create() {
    return std::make_shared<OrConditions>();
}

ConditionPtr OrConditions::copy() const {
    // The copy shares the children.
    auto group = create();
    group->takeValuesOf(*this);
    group->setChildren(children());
    return group;
}

bool OrConditions::ioMatchesCondition(const IO& record) const {
    return std::any_of(children().begin(), children().end(),
                       [&record](const ConditionPtr& child) { return child->ioMatchesCondition(record); });
}
