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

bool AmountCondition::ioMatchesCondition(const IO& record) const {
    const std::int32_t code = conditionTypeCode();
    if (code < 1 || code > 6) {
        return true;
    }
    // A record without an amount counts as 0.
    const Amount amount = record.amount().value_or(Amount());
    return standardComparison([&amount](const ConditionOperand& operand) {
        const float* bound = std::get_if<float>(&operand);
        if (!bound || std::isnan(*bound)) {
            // A missing bound equals every amount.
            return 0;
        }
        // The bound is the left operand; the float's exact value is compared.
        const auto order = amount.compareWithDouble(static_cast<double>(*bound));
        return order < 0 ? 1 : (order > 0 ? -1 : 0);
    });
}
