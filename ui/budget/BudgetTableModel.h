#pragma once

#include "BudgetSpending.h"
#include "LedgerFormat.h"

#include <QAbstractTableModel>

class LibraryDocument;

// The library's budgets as rows: name of the keyword or smart book, the
// budget, what was spent and what is left in the chosen span, and the share
// spent, which the bar column draws. Reads the document; changes nothing.
class BudgetTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { NameColumn, BudgetColumn, SpentColumn, LeftColumn, BarColumn, ColumnCount };
    // The share spent (1 at 100 %), for the bar.
    static constexpr int ShareRole = Qt::UserRole + 1;

    explicit BudgetTableModel(LibraryDocument* document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Works the figures out again for the span.
    void reload(BudgetSpending::Range range);
    BudgetSpending::Range range() const { return m_range; }
    void setAmountDecimals(int decimals);

    BudgetPtr budgetAt(int row) const;
    const BudgetSpending::Figures& figuresAt(int row) const { return m_figures[std::size_t(row)]; }
    int rowOf(const BudgetPtr& budget) const;

private:
    QString nameOf(int row) const;

    LibraryDocument* m_document;
    LedgerFormat m_format;
    int m_decimals = 2;
    BudgetSpending::Range m_range;
    BudgetList m_budgets;
    std::vector<BudgetSpending::Figures> m_figures;
};
