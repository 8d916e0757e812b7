#pragma once

#include "Budget.h"
#include "BudgetSpending.h"

#include <QWidget>

class BudgetTableModel;
class LibraryDocument;
class QComboBox;
class QPushButton;
class QTableView;

// Window › Budgets: each budget with its amount, what was spent and what is
// left in the chosen period, and a bar of the share spent. New, Edit and
// Delete are changes of the document that undo takes back. The figures
// follow every change of the library while the window shows; clicking a
// budget asks the main window to show its records.
class BudgetsWindow : public QWidget {
    Q_OBJECT

public:
    explicit BudgetsWindow(LibraryDocument* document, QWidget* parent = nullptr);

    BudgetTableModel* model() const { return m_model; }
    // The amount column's decimals, so the figures read as the table's.
    void setAmountDecimals(int decimals);
    BudgetSpending::Span span() const;
    void setSpan(BudgetSpending::Span span);

    void newBudget();
    void editBudget();
    void deleteBudget();
    BudgetPtr selectedBudget() const;

signals:
    // The records the budget counts are to show in the main window.
    void recordsRequested(const BudgetPtr& budget);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void reload();
    void reloadLater();
    void showButtons();

    LibraryDocument* m_document;
    BudgetTableModel* m_model;
    QTableView* m_budgetTable;
    QComboBox* m_spanComboBox;
    QPushButton* m_editButton;
    QPushButton* m_deleteButton;
    // Hidden, the window works nothing out; it does when shown.
    bool m_stale = true;
};
