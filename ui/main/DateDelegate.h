#pragma once

#include <QStyledItemDelegate>

// Edits a record's day with a date field and a calendar, in the table's date
// format. The field is never narrower than it needs to show the whole date.
class DateDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    DateDelegate(const QString& dateFormat, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    // Width the date field needs in this view, calendar button included.
    int editorWidth(QWidget* view) const;

private:
    QWidget* makeEditor(QWidget* parent) const;

    QString m_dateFormat;
};
