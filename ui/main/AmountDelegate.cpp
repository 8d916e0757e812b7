#include "AmountDelegate.h"

#include <QLineEdit>

QWidget* AmountDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    auto* editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("amountEditor"));
    editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    editor->setFrame(false);
    return editor;
}

void AmountDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    static_cast<QLineEdit*>(editor)->setText(index.data(Qt::EditRole).toString());
}

void AmountDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    const QString text = static_cast<QLineEdit*>(editor)->text();
    // An untouched cell stores nothing, so an absent amount stays absent.
    if (text != index.data(Qt::EditRole).toString()) {
        model->setData(index, text, Qt::EditRole);
    }
}
