#pragma once

#include "DocumentCommand.h"
#include "KeywordRule.h"

// A keyword rule given another name, flag, tree or keywords; undoing gives
// back the values it had. The tree is replaced whole, never edited in place.
class EditKeywordRuleCommand : public DocumentCommand {
public:
    struct Values {
        QString name;
        bool enabled = true;
        ConditionPtr conditions;
        KeywordList keywords;
        bool operator==(const Values& other) const = default;
    };
    static Values valuesOf(const KeywordRule& rule);

    EditKeywordRuleCommand(LibraryDocument& document, KeywordRulePtr rule, Values values, const QString& text);

    void redo() override { swap(); }
    void undo() override { swap(); }

private:
    void swap();

    KeywordRulePtr m_rule;
    // What the rule does not hold while the command is done, or undone.
    Values m_other;
};
