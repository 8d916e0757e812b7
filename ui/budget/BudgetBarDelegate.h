#pragma once

#include <QPalette>
#include <QStyledItemDelegate>

// Draws the share of a budget spent as a bar across the cell, full at 100 %,
// in the highlight colour, and in the warning colour once more was spent.
class BudgetBarDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The palette has no warning role: a red that reads on its base, light or dark.
    static QColor warningColor(const QPalette& palette);
    static QColor barColor(const QPalette& palette, double share);
};
