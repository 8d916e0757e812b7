#include "BudgetTableModel.h"

#include "LibraryDocument.h"

#include <QFont>

#include <algorithm>

BudgetTableModel::BudgetTableModel(LibraryDocument* document, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document)
    , m_decimals(m_format.columnDecimals(0)) {}

int BudgetTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_budgets.size());
}

int BudgetTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString BudgetTableModel::nameOf(int row) const {
    const Budget& budget = *m_budgets[std::size_t(row)];
    const QString name = budget.targetName();
    if (!m_figures[std::size_t(row)].targetHeld) {
        return budget.keyword() ? tr("%1 (deleted keyword)").arg(name) : tr("%1 (deleted smart book)").arg(name);
    }
    return budget.period() == Budget::Period::Month ? tr("%1 a month").arg(name) : tr("%1 a year").arg(name);
}

QVariant BudgetTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const BudgetSpending::Figures& figures = m_figures[std::size_t(index.row())];
    if (role == ShareRole) {
        return figures.share();
    }
    if (role == Qt::TextAlignmentRole && index.column() != NameColumn) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role == Qt::FontRole && index.column() == NameColumn && !figures.targetHeld) {
        QFont font;
        font.setItalic(true);
        return font;
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (index.column()) {
    case NameColumn:
        return nameOf(index.row());
    case BudgetColumn:
        return m_format.formatSum(figures.budget, m_decimals);
    case SpentColumn:
        return m_format.formatSum(figures.spent, m_decimals);
    case LeftColumn:
        return m_format.formatSum(figures.left, m_decimals);
    case BarColumn:
        return m_format.locale().toString(figures.share() * 100.0, 'f', 0) + m_format.locale().percent();
    default:
        return {};
    }
}

QVariant BudgetTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
    case NameColumn:
        return tr("Budget For");
    case BudgetColumn:
        return tr("Budget");
    case SpentColumn:
        return tr("Spent");
    case LeftColumn:
        return tr("Left");
    case BarColumn:
        return tr("Used");
    default:
        return {};
    }
}

void BudgetTableModel::reload(BudgetSpending::Range range) {
    beginResetModel();
    m_range = range;
    m_budgets = m_document->root()->budgets();
    m_figures = BudgetSpending::compute(*m_document->root(), m_budgets, range);
    endResetModel();
}

void BudgetTableModel::setAmountDecimals(int decimals) {
    if (decimals != m_decimals) {
        m_decimals = decimals;
        if (rowCount() > 0) {
            emit dataChanged(index(0, BudgetColumn), index(rowCount() - 1, BarColumn));
        }
    }
}

BudgetPtr BudgetTableModel::budgetAt(int row) const {
    return row >= 0 && std::size_t(row) < m_budgets.size() ? m_budgets[std::size_t(row)] : nullptr;
}

int BudgetTableModel::rowOf(const BudgetPtr& budget) const {
    const auto found = std::find(m_budgets.begin(), m_budgets.end(), budget);
    return found == m_budgets.end() ? -1 : int(found - m_budgets.begin());
}
