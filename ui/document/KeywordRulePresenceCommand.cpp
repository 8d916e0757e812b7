#include "KeywordRulePresenceCommand.h"

KeywordRulePresenceCommand::KeywordRulePresenceCommand(LibraryDocument& document, KeywordRulePtr rule, Action action,
                                                       std::size_t index, const QString& text)
    : DocumentCommand(document, text)
    , m_rule(std::move(rule))
    , m_action(action)
    , m_index(action == Action::Remove ? root().indexOfKeywordRule(m_rule.get()) : index) {}

void KeywordRulePresenceCommand::apply(bool present) {
    framed({LibraryDocument::Change::KeywordRules}, [&] {
        if (present) {
            root().insertKeywordRule(m_index, m_rule);
        } else {
            root().removeKeywordRule(m_rule.get());
        }
        emit document().keywordRulesChanged();
    });
}

void KeywordRulePresenceCommand::redo() {
    apply(m_action == Action::Add);
}

void KeywordRulePresenceCommand::undo() {
    apply(m_action != Action::Add);
}
