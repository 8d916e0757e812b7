#pragma once

#include "KeywordRuleMatcher.h"
#include "LedgerFormat.h"
#include "StatementImportPlan.h"

#include <QAbstractTableModel>

#include <memory>

// A statement's transactions as the import would take them: whether each is
// imported, its day, amount, comment and keywords, the keywords the rules
// would add, and whether the library holds it already or may hold it.
// Duplicates are left out until ticked, possible duplicates imported until
// unticked.
class StatementPlanModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        ImportColumn,
        LineColumn,
        DateColumn,
        AmountColumn,
        CommentColumn,
        KeywordsColumn,
        RulesColumn,
        ColumnCount
    };

    explicit StatementPlanModel(QObject* parent = nullptr);

    void setPlan(StatementImportPlan* plan);
    // What the rules would add; null for none.
    void setMatcher(const KeywordRuleMatcher* matcher);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    void ticksChanged();

private:
    QVariant display(std::size_t row, int column) const;
    QString statusText(std::size_t row) const;
    QString ruleKeywords(std::size_t row) const;

    StatementImportPlan* m_plan = nullptr;
    const KeywordRuleMatcher* m_matcher = nullptr;
    LedgerFormat m_format;
    QString m_dayFormat;
    int m_amountDecimals = 0;
};
