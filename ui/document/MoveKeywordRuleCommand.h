#pragma once

#include "DocumentCommand.h"

// A keyword rule moved to another place in the order the rules are applied.
class MoveKeywordRuleCommand : public DocumentCommand {
public:
    // `from` and `to` are places in the list of rules, both in range.
    MoveKeywordRuleCommand(LibraryDocument& document, std::size_t from, std::size_t to, const QString& text);

    void redo() override { move(m_from, m_to); }
    void undo() override { move(m_to, m_from); }

private:
    void move(std::size_t from, std::size_t to);

    std::size_t m_from;
    std::size_t m_to;
};
