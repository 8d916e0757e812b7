#include "DateDelegate.h"

#include <QDateEdit>

DateDelegate::DateDelegate(const QString& dateFormat, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_dateFormat(dateFormat) {}

QWidget* DateDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    auto* editor = new QDateEdit(parent);
    editor->setObjectName(QStringLiteral("dateEditor"));
    editor->setDisplayFormat(m_dateFormat);
    editor->setCalendarPopup(true);
    editor->setFrame(false);
    return editor;
}

void DateDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QDate day = index.data(Qt::EditRole).toDate();
    static_cast<QDateEdit*>(editor)->setDate(day.isValid() ? day : QDate::currentDate());
}

void DateDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    const QDate day = static_cast<QDateEdit*>(editor)->date();
    if (day != index.data(Qt::EditRole).toDate()) {
        model->setData(index, day, Qt::EditRole);
    }
}
