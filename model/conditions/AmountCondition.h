#pragma once

#include "Condition.h"

#include <optional>

// Tests a record's amount against exact decimal bounds (codes Is to NotBetween).
class AmountCondition : public Condition {
public:
    static std::shared_ptr<AmountCondition> create();

    Kind kind() const override { return Kind::Amount; }
    QString className() const override { return QStringLiteral("AmountCondition"); }
    ConditionPtr copy() const override;
    bool ioMatchesCondition(const IO& record) const override;

    void beginPass(const ConditionPass& pass) override;
    void endPass() override;

private:
    // Three-way order of a decimal operand against the record's amount;
    // `boundValue` is the operand's nearest double.
    static int compareBound(const ConditionOperand& operand, double boundValue, const IO& record);
    static double valueOf(const ConditionOperand& operand);

    // The bounds' doubles, worked out once for a refresh pass.
    struct Pass {
        double object = 0.0;
        double object2 = 0.0;
    };
    std::optional<Pass> m_pass;
};
