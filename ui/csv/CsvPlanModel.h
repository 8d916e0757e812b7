#pragma once

#include "CsvImportPlan.h"
#include "KeywordRuleMatcher.h"
#include "LedgerFormat.h"

#include <QAbstractTableModel>

// Every row of the file as the import would read it: the line, whether it
// is imported, and the record it gives. A duplicate of a record already in
// the library is left out until its box is ticked; a row that cannot be read
// shows why.
class CsvPlanModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        LineColumn,
        ImportColumn,
        DateColumn,
        AmountColumn,
        CommentColumn,
        KeywordsColumn,
        CountedColumn,
        RulesColumn,
        ColumnCount
    };

    explicit CsvPlanModel(QObject* parent = nullptr);

    void setPlan(CsvImportPlan* plan);
    // What the keyword rules would add to each row; null for nothing.
    void setMatcher(const KeywordRuleMatcher* matcher);

    // A day as no reader can take two ways: "Dec 1, 2026", "1 Dec 2026",
    // "2026年12月1日", the locale's long form without the weekday and with
    // the month's short name.
    static QString dayFormat(const QLocale& locale);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // A duplicate was ticked or cleared.
    void ticksChanged();

private:
    QVariant display(std::size_t row, int column) const;
    QString statusText(std::size_t row) const;

    QString ruleKeywords(std::size_t row) const;

    CsvImportPlan* m_plan = nullptr;
    const KeywordRuleMatcher* m_matcher = nullptr;
    int m_amountDecimals = 0;
    LedgerFormat m_format;
    QString m_dayFormat = dayFormat(QLocale());
};
