#include "BudgetPresenceCommand.h"

#include "Budget.h"

BudgetPresenceCommand::BudgetPresenceCommand(LibraryDocument& document, BudgetPtr budget, Action action,
                                             const QString& text)
    : DocumentCommand(document, text)
    , m_budget(std::move(budget))
    , m_action(action)
    , m_index(action == Action::Remove ? root().indexOfBudget(m_budget.get()) : root().budgets().size()) {}

void BudgetPresenceCommand::apply(bool present) {
    framed({LibraryDocument::Change::Budgets}, [&] {
        if (present) {
            root().insertBudget(m_index, m_budget);
        } else {
            root().removeBudget(m_budget.get());
        }
        emit document().budgetsChanged();
    });
}

void BudgetPresenceCommand::redo() {
    apply(m_action == Action::Add);
}

void BudgetPresenceCommand::undo() {
    apply(m_action != Action::Add);
}
