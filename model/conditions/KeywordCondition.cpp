#include "KeywordCondition.h"

#include "IO.h"

namespace {
const Keyword* keywordOf(const ConditionOperand& operand) {
    const KeywordPtr* keyword = std::get_if<KeywordPtr>(&operand);
    return keyword ? keyword->get() : nullptr;
}
} // namespace

std::shared_ptr<KeywordCondition> KeywordCondition::create() {
    return std::make_shared<KeywordCondition>();
}

ConditionPtr KeywordCondition::copy() const {
    auto condition = create();
    condition->takeValuesOf(*this);
    return condition;
}

bool KeywordCondition::checkIs(const IO& record) const {
    const KeywordList& keywords = record.keywords();
    return keywords.size() == 1 && keywords.front().get() == keywordOf(object());
}

bool KeywordCondition::checkIncludes(const IO& record) const {
    const Keyword* keyword = keywordOf(object());
    // The record's keyword mask rules most records out without reading their lists.
    return keyword && (record.keywordMask() & IO::keywordBit(keyword)) != 0 && record.includesKeyword(keyword);
}

bool KeywordCondition::ioMatchesCondition(const IO& record) const {
    switch (conditionTypeCode()) {
    case Is:
        return checkIs(record);
    case IsNot:
        return !checkIs(record);
    case Includes:
        return checkIncludes(record);
    case DoesNotInclude:
        return !checkIncludes(record);
    default:
        return true;
    }
}
