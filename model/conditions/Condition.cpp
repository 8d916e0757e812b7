#include "Condition.h"

Condition::Condition() = default;

Condition::~Condition() = default;

ConditionPtr Condition::create() {
    return std::make_shared<Condition>();
}

BookPtr Condition::getBook() const {
    return nullptr;
}

ConditionPtr Condition::copy() const {
    auto condition = create();
    condition->takeValuesOf(*this);
    return condition;
}

bool Condition::ioMatchesCondition(const IO&) const {
    return true;
}

bool Condition::sameAs(const Condition& other) const {
    return kind() == other.kind() && m_conditionTypeCode == other.m_conditionTypeCode && m_object == other.m_object &&
           m_object2 == other.m_object2;
}

void Condition::beginPass(const ConditionPass&) {}

void Condition::endPass() {}

void Condition::takeValuesOf(const Condition& other) {
    setObject(other.object());
    setObject2(other.object2());
    setConditionTypeCode(other.conditionTypeCode());
}
