#include "EditKeywordRuleCommand.h"

EditKeywordRuleCommand::Values EditKeywordRuleCommand::valuesOf(const KeywordRule& rule) {
    return {rule.name(), rule.isEnabled(), rule.conditions(), rule.keywords()};
}

EditKeywordRuleCommand::EditKeywordRuleCommand(LibraryDocument& document, KeywordRulePtr rule, Values values,
                                               const QString& text)
    : DocumentCommand(document, text)
    , m_rule(std::move(rule))
    , m_other(std::move(values)) {}

void EditKeywordRuleCommand::swap() {
    framed({LibraryDocument::Change::KeywordRules}, [this] {
        Values leaving = valuesOf(*m_rule);
        m_rule->setName(m_other.name);
        m_rule->setEnabled(m_other.enabled);
        m_rule->setConditions(m_other.conditions);
        m_rule->setKeywords(m_other.keywords);
        m_other = std::move(leaving);
        emit document().keywordRulesChanged();
    });
}
