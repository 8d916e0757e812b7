#pragma once

#include <QStyledItemDelegate>

// Edits a record's day with a date field and a calendar, in the table's date format.
class DateDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    DateDelegate(const QString& dateFormat, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    QString m_dateFormat;
};
