#pragma once

#include "Budget.h"

#include <QDialog>

class LibraryDocument;
class QComboBox;
class QLineEdit;

// Edits one budget: the keyword or smart book it is for, its amount and
// whether it counts per month or per year. OK stores it through the library
// document as one change (a new budget joins the library); Cancel changes nothing.
class BudgetDialog : public QDialog {
    Q_OBJECT

public:
    BudgetDialog(LibraryDocument* document, BudgetPtr budget, QWidget* parent = nullptr);

    void accept() override;

private:
    void fillTargets();
    bool store();

    LibraryDocument* m_document;
    BudgetPtr m_budget;
    QComboBox* m_targetComboBox;
    QLineEdit* m_amountField;
    QComboBox* m_periodComboBox;
    // The choices of the target box, keywords first.
    KeywordList m_keywords;
    std::vector<SmartBookPtr> m_smartBooks;
};
