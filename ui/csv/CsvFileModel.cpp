#include "CsvFileModel.h"

#include <QApplication>
#include <QBrush>
#include <QFont>
#include <QPalette>

CsvFileModel::CsvFileModel(QObject* parent)
    : QAbstractTableModel(parent) {}

void CsvFileModel::setTable(std::shared_ptr<const CsvTable> table, const CsvRecordMapping& mapping) {
    beginResetModel();
    m_table = std::move(table);
    m_startRow = mapping.startRow;
    m_hasHeader = mapping.hasHeader;
    endResetModel();
}

int CsvFileModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_table ? 0 : int(qMin<std::size_t>(m_table->rowCount(), shownRows));
}

int CsvFileModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_table ? 0 : m_table->columnCount();
}

QVariant CsvFileModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !m_table || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        // One line per cell: a field's line breaks show as spaces.
        QString text = m_table->field(std::size_t(index.row()), index.column()).toString();
        text.replace(u'\n', u' ').replace(u'\r', u' ');
        return text;
    }
    if (role == Qt::FontRole && m_hasHeader && std::size_t(index.row()) == m_startRow) {
        QFont font;
        font.setBold(true);
        return font;
    }
    if (role == Qt::ForegroundRole && std::size_t(index.row()) < m_startRow) {
        return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
    }
    return {};
}

QVariant CsvFileModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return m_table && section < rowCount() ? QVariant(m_table->line(std::size_t(section))) : QVariant();
    }
    return tr("Column %1").arg(section + 1);
}

QString CsvFileModel::columnTitle(const CsvTable* table, const CsvRecordMapping& mapping, int column) {
    const QString name = mapping.hasHeader && table && mapping.startRow < table->rowCount()
                             ? table->field(mapping.startRow, column).trimmed().toString()
                             : QString();
    return name.isEmpty() ? tr("Column %1").arg(column + 1) : tr("%1: %2").arg(column + 1).arg(name);
}
