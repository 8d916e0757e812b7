#pragma once

#include "Condition.h"

// Tests a record's amount against exact decimal bounds (codes Is to NotBetween).
class AmountCondition : public Condition {
public:
    static std::shared_ptr<AmountCondition> create();

    Kind kind() const override { return Kind::Amount; }
    QString className() const override { return QStringLiteral("AmountCondition"); }
    ConditionPtr copy() const override;
    bool ioMatchesCondition(const IO& record) const override;

private:
    // Three-way order of a decimal operand against the record's amount.
    static int compareBound(const ConditionOperand& operand, const IO& record);
};
