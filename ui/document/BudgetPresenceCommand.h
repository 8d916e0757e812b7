#pragma once

#include "DocumentCommand.h"

// A budget added to the library's budgets or removed from them; undoing does
// the other. The budget object, with its keyword or book, survives both.
class BudgetPresenceCommand : public DocumentCommand {
public:
    enum class Action { Add, Remove };

    // Added at the end; removed from where it stands.
    BudgetPresenceCommand(LibraryDocument& document, BudgetPtr budget, Action action, const QString& text);

    void redo() override;
    void undo() override;

private:
    void apply(bool present);

    BudgetPtr m_budget;
    Action m_action;
    std::size_t m_index;
};
