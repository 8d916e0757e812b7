#include "KeywordRule.h"

KeywordRulePtr KeywordRule::create(const QString& name) {
    auto rule = std::make_shared<KeywordRule>();
    rule->setName(name);
    return rule;
}

bool KeywordRule::matches(const IO& record) const {
    return m_enabled && m_conditions && m_conditions->ioMatchesCondition(record);
}
