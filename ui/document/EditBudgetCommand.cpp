#include "EditBudgetCommand.h"

EditBudgetCommand::Values EditBudgetCommand::valuesOf(const Budget& budget) {
    return {budget.keyword(), budget.smartBook(), budget.amount(), budget.period()};
}

EditBudgetCommand::EditBudgetCommand(LibraryDocument& document, BudgetPtr budget, Values values, const QString& text)
    : DocumentCommand(document, text)
    , m_budget(std::move(budget))
    , m_other(std::move(values)) {}

void EditBudgetCommand::swap() {
    framed({LibraryDocument::Change::Budgets}, [this] {
        Values leaving = valuesOf(*m_budget);
        if (m_other.smartBook) {
            m_budget->setSmartBook(m_other.smartBook);
        } else {
            m_budget->setKeyword(m_other.keyword);
        }
        m_budget->setAmount(m_other.amount);
        m_budget->setPeriod(m_other.period);
        m_other = std::move(leaving);
        emit document().budgetsChanged();
    });
}
