#include "BudgetsWindow.h"

#include "BudgetBarDelegate.h"
#include "BudgetDialog.h"
#include "BudgetTableModel.h"
#include "Clock.h"
#include "LibraryDocument.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

BudgetsWindow::BudgetsWindow(LibraryDocument* document, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_document(document)
    , m_model(new BudgetTableModel(document, this))
    , m_budgetTable(new QTableView(this))
    , m_spanComboBox(new QComboBox(this))
    , m_editButton(new QPushButton(tr("Edit…"), this))
    , m_deleteButton(new QPushButton(tr("Delete"), this)) {
    setObjectName(QStringLiteral("budgetsWindow"));
    setWindowTitle(tr("Budgets"));
    m_budgetTable->setObjectName(QStringLiteral("budgetTable"));
    m_budgetTable->setModel(m_model);
    m_budgetTable->setItemDelegateForColumn(BudgetTableModel::BarColumn, new BudgetBarDelegate(m_budgetTable));
    m_budgetTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_budgetTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_budgetTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_budgetTable->verticalHeader()->hide();
    m_budgetTable->horizontalHeader()->setSectionResizeMode(BudgetTableModel::NameColumn, QHeaderView::Stretch);
    m_budgetTable->setColumnWidth(BudgetTableModel::BarColumn, 140);

    m_spanComboBox->setObjectName(QStringLiteral("spanComboBox"));
    m_spanComboBox->addItem(tr("This month"), int(BudgetSpending::Span::ThisMonth));
    m_spanComboBox->addItem(tr("Last month"), int(BudgetSpending::Span::LastMonth));
    m_spanComboBox->addItem(tr("This year"), int(BudgetSpending::Span::ThisYear));
    m_spanComboBox->addItem(tr("Last year"), int(BudgetSpending::Span::LastYear));
    auto* spanLabel = new QLabel(tr("&Period:"), this);
    spanLabel->setBuddy(m_spanComboBox);

    auto* newButton = new QPushButton(tr("New…"), this);
    newButton->setObjectName(QStringLiteral("newBudgetButton"));
    m_editButton->setObjectName(QStringLiteral("editBudgetButton"));
    m_deleteButton->setObjectName(QStringLiteral("deleteBudgetButton"));

    auto* top = new QHBoxLayout;
    top->addWidget(spanLabel);
    top->addWidget(m_spanComboBox);
    top->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(newButton);
    buttons->addWidget(m_editButton);
    buttons->addWidget(m_deleteButton);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_budgetTable, 1);
    layout->addLayout(buttons);

    connect(newButton, &QPushButton::clicked, this, &BudgetsWindow::newBudget);
    connect(m_editButton, &QPushButton::clicked, this, &BudgetsWindow::editBudget);
    connect(m_deleteButton, &QPushButton::clicked, this, &BudgetsWindow::deleteBudget);
    connect(m_spanComboBox, &QComboBox::currentIndexChanged, this, &BudgetsWindow::reload);
    connect(m_budgetTable, &QTableView::doubleClicked, this, &BudgetsWindow::editBudget);
    connect(m_budgetTable, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (const BudgetPtr budget = m_model->budgetAt(index.row())) {
            emit recordsRequested(budget);
        }
    });
    connect(m_budgetTable->selectionModel(), &QItemSelectionModel::selectionChanged, this, &BudgetsWindow::showButtons);
    connect(m_model, &QAbstractItemModel::modelReset, this, &BudgetsWindow::showButtons);
    // Records edited, keywords renamed or deleted, budgets changed: every change may move a figure.
    connect(m_document, &LibraryDocument::changed, this, &BudgetsWindow::reloadLater);
    reload();
    resize(620, 360);
}

BudgetSpending::Span BudgetsWindow::span() const {
    return BudgetSpending::Span(m_spanComboBox->currentData().toInt());
}

void BudgetsWindow::setSpan(BudgetSpending::Span span) {
    m_spanComboBox->setCurrentIndex(m_spanComboBox->findData(int(span)));
}

void BudgetsWindow::setAmountDecimals(int decimals) {
    m_model->setAmountDecimals(decimals);
}

void BudgetsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_stale) {
        reload();
    }
}

void BudgetsWindow::reloadLater() {
    // A hidden window works the figures out when it shows again.
    if (isVisible()) {
        reload();
    } else {
        m_stale = true;
    }
}

void BudgetsWindow::reload() {
    const BudgetPtr selected = selectedBudget();
    m_model->reload(BudgetSpending::rangeOf(span(), Clock::today()));
    m_stale = false;
    const int row = m_model->rowOf(selected);
    if (row >= 0) {
        m_budgetTable->selectRow(row);
    }
    showButtons();
}

BudgetPtr BudgetsWindow::selectedBudget() const {
    const QModelIndexList rows = m_budgetTable->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : m_model->budgetAt(rows.front().row());
}

void BudgetsWindow::showButtons() {
    const bool chosen = selectedBudget() != nullptr;
    m_editButton->setEnabled(chosen);
    m_deleteButton->setEnabled(chosen);
}

void BudgetsWindow::newBudget() {
    const BudgetPtr budget = Budget::create();
    BudgetDialog dialog(m_document, budget, this);
    if (dialog.exec() == QDialog::Accepted) {
        const int row = m_model->rowOf(budget);
        if (row >= 0) {
            m_budgetTable->selectRow(row);
        }
    }
}

void BudgetsWindow::editBudget() {
    if (const BudgetPtr budget = selectedBudget()) {
        BudgetDialog dialog(m_document, budget, this);
        dialog.exec();
    }
}

void BudgetsWindow::deleteBudget() {
    // Undo brings it back: nothing to ask.
    if (const BudgetPtr budget = selectedBudget()) {
        m_document->removeBudget(budget);
    }
}
