#include "AmountCondition.h"

#include "IO.h"

std::shared_ptr<AmountCondition> AmountCondition::create() {
    return std::make_shared<AmountCondition>();
}

ConditionPtr AmountCondition::copy() const {
    auto condition = create();
    condition->takeValuesOf(*this);
    return condition;
}

double AmountCondition::valueOf(const ConditionOperand& operand) {
    const Amount* bound = std::get_if<Amount>(&operand);
    return bound ? bound->toDouble() : 0.0;
}

void AmountCondition::beginPass(const ConditionPass&) {
    m_pass = Pass{valueOf(object()), valueOf(object2())};
}

void AmountCondition::endPass() {
    m_pass.reset();
}

int AmountCondition::compareBound(const ConditionOperand& operand, double boundValue, const IO& record) {
    const Amount* bound = std::get_if<Amount>(&operand);
    if (!bound) {
        // A missing bound equals every amount.
        return 0;
    }
    // The bound is the left operand. A record without an amount counts as 0
    // (whose double is 0). Rounding to the nearest double never swaps two
    // amounts, so doubles that differ already give the exact order; only equal
    // doubles need the decimals.
    const double recordValue = record.amountAsDouble();
    if (boundValue != recordValue) {
        return boundValue < recordValue ? -1 : 1;
    }
    const std::strong_ordering order = *bound <=> record.amount().value_or(Amount());
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

bool AmountCondition::ioMatchesCondition(const IO& record) const {
    const std::int32_t code = conditionTypeCode();
    if (code < Is || code > NotBetween) {
        return true;
    }
    return standardComparison([this, &record](const ConditionOperand& operand) {
        // Inside a pass the bounds' doubles are ready; the comparison hands back one of the two bounds.
        const double value = m_pass ? (&operand == &object() ? m_pass->object : m_pass->object2) : valueOf(operand);
        return compareBound(operand, value, record);
    });
}
