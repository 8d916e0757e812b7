#include "BudgetBarDelegate.h"

#include "BudgetTableModel.h"

#include <QPainter>

#include <algorithm>

QColor BudgetBarDelegate::warningColor(const QPalette& palette) {
    return palette.color(QPalette::Base).lightness() < 128 ? QColor(0xff, 0x6b, 0x6b) : QColor(0xc0, 0x1c, 0x28);
}

QColor BudgetBarDelegate::barColor(const QPalette& palette, double share) {
    return share > 1.0 ? warningColor(palette) : palette.color(QPalette::Highlight);
}

void BudgetBarDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    QStyledItemDelegate::paint(painter, background, QModelIndex());

    const double share = index.data(BudgetTableModel::ShareRole).toDouble();
    const QRect track = option.rect.adjusted(3, 4, -3, -4);
    QRect bar = track;
    bar.setWidth(int(track.width() * std::clamp(share, 0.0, 1.0)));
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(option.palette.color(QPalette::Midlight));
    painter->drawRect(track);
    painter->setBrush(barColor(option.palette, share));
    painter->drawRect(bar);
    painter->setPen(option.palette.color(QPalette::Text));
    painter->drawText(track, Qt::AlignCenter, index.data().toString());
    painter->restore();
}
