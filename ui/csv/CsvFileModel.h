#pragma once

#include "CsvRecordMapping.h"
#include "CsvTable.h"

#include <QAbstractTableModel>

#include <memory>

// The first rows of a CSV file as they stand in it, one column per field,
// so the user can tell which column holds what. Rows above the table's start
// are greyed, the header row is bold.
class CsvFileModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int shownRows = 200;

    explicit CsvFileModel(QObject* parent = nullptr);

    void setTable(std::shared_ptr<const CsvTable> table, const CsvRecordMapping& mapping);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // "Column 3", or "3: Datum" when the header row names it.
    static QString columnTitle(const CsvTable* table, const CsvRecordMapping& mapping, int column);

private:
    std::shared_ptr<const CsvTable> m_table;
    std::size_t m_startRow = 0;
    bool m_hasHeader = false;
};
