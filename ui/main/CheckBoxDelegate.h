#pragma once

#include <QStyledItemDelegate>

// A check box alone in the middle of its cell, toggled by a click on it or
// by the space bar alone.
class CheckBoxDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    static QRect checkRect(const QStyleOptionViewItem& option);
};
