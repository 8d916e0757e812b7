#include "AmountDelegate.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>

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

void AmountDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    // The cell's background spans the whole cell; only the text moves in.
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, option.widget);
    opt.rect.adjust(0, 0, -opt.fontMetrics.averageCharWidth(), 0);
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, option.widget);
}
