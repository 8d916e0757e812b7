#include "AmountCondition.h"

#include "IO.h"

#include <cmath>

std::shared_ptr<AmountCondition> AmountCondition::create() {
    return std::make_shared<AmountCondition>();
}

ConditionPtr AmountCondition::copy() const {
    auto condition = create();
    condition->takeValuesOf(*this);
    return condition;
}

int AmountCondition::compareBound(const ConditionOperand& operand, const IO& record) {
    const float* bound = std::get_if<float>(&operand);
    if (!bound || std::isnan(*bound)) {
        // A missing bound equals every amount.
        return 0;
    }
    // The record's nearest double decides unless it is the bound itself: rounding
    // keeps order, so a differing double lies on the same side as the exact amount.
    // A record without an amount counts as 0, which is also its double.
    const double bound64 = static_cast<double>(*bound);
    const double amount = record.amountAsDouble();
    if (amount != bound64) {
        return amount < bound64 ? 1 : -1;
    }
    const std::optional<Amount> exact = record.amount();
    if (!exact) {
        return 0;
    }
    // The bound is the left operand; the float's exact value is compared.
    const auto order = exact->compareWithDouble(bound64);
    return order < 0 ? 1 : (order > 0 ? -1 : 0);
}

bool AmountCondition::ioMatchesCondition(const IO& record) const {
    const std::int32_t code = conditionTypeCode();
    if (code < Is || code > NotBetween) {
        return true;
    }
    return standardComparison([&record](const ConditionOperand& operand) { return compareBound(operand, record); });
}
