#pragma once

#include "DocumentCommand.h"

// A keyword rule added to the library's rules or removed from them; undoing
// does the other. The rule object, with its tree and keywords, survives both.
class KeywordRulePresenceCommand : public DocumentCommand {
public:
    enum class Action { Add, Remove };

    // Added at `index` (at the end when beyond it); removed from where it stands.
    KeywordRulePresenceCommand(LibraryDocument& document, KeywordRulePtr rule, Action action, std::size_t index,
                               const QString& text);

    void redo() override;
    void undo() override;

private:
    void apply(bool present);

    KeywordRulePtr m_rule;
    Action m_action;
    std::size_t m_index;
};
