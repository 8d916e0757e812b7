#pragma once

#include "ConditionGroup.h"

// Matches when some child matches; stops at the first child that does.
class OrConditions : public ConditionGroup {
public:
    static std::shared_ptr<OrConditions> create();

    Kind kind() const override { return Kind::Or; }
    QString className() const override { return QStringLiteral("OrConditions"); }
    ConditionPtr copy() const override;
    bool ioMatchesCondition(const IO& record) const override;
};
