#pragma once

#include "Budget.h"
#include "DocumentCommand.h"

// A budget given another keyword or book, amount or period; undoing gives
// back the values it had.
class EditBudgetCommand : public DocumentCommand {
public:
    struct Values {
        KeywordPtr keyword;
        SmartBookPtr smartBook;
        Amount amount;
        Budget::Period period = Budget::Period::Month;
        bool operator==(const Values& other) const = default;
    };
    static Values valuesOf(const Budget& budget);

    EditBudgetCommand(LibraryDocument& document, BudgetPtr budget, Values values, const QString& text);

    void redo() override { swap(); }
    void undo() override { swap(); }

private:
    void swap();

    BudgetPtr m_budget;
    // What the budget does not hold while the command is done, or undone.
    Values m_other;
};
