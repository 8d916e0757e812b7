#pragma once

#include "ConditionGroup.h"

// Matches when every child matches; stops at the first child that does not.
class AndConditions : public ConditionGroup {
public:
    static std::shared_ptr<AndConditions> create();

    Kind kind() const override { return Kind::And; }
    QString className() const override { return QStringLiteral("AndConditions"); }
    ConditionPtr copy() const override;
    bool ioMatchesCondition(const IO& record) const override;
};
