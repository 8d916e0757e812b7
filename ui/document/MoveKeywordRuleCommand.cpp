#include "MoveKeywordRuleCommand.h"

MoveKeywordRuleCommand::MoveKeywordRuleCommand(LibraryDocument& document, std::size_t from, std::size_t to,
                                               const QString& text)
    : DocumentCommand(document, text)
    , m_from(from)
    , m_to(to) {}

void MoveKeywordRuleCommand::move(std::size_t from, std::size_t to) {
    framed({LibraryDocument::Change::KeywordRules}, [&] {
        const KeywordRulePtr rule = root().keywordRules()[from];
        root().removeKeywordRule(rule.get());
        root().insertKeywordRule(to, rule);
        emit document().keywordRulesChanged();
    });
}
