#include "CheckBoxDelegate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
QStyle* styleOf(const QStyleOptionViewItem& option) {
    return option.widget ? option.widget->style() : QApplication::style();
}
} // namespace

QRect CheckBoxDelegate::checkRect(const QStyleOptionViewItem& option) {
    QStyleOptionViewItem probe = option;
    probe.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QSize size =
        styleOf(option)->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &probe, option.widget).size();
    return QStyle::alignedRect(option.direction, Qt::AlignCenter, size, option.rect);
}

void CheckBoxDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const Qt::CheckState state = opt.checkState;
    // The cell's background and selection, then the box on its own in the middle.
    opt.features &= ~QStyleOptionViewItem::HasCheckIndicator;
    QStyle* style = styleOf(option);
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, option.widget);

    QStyleOptionViewItem check = option;
    check.rect = checkRect(option);
    check.state = (option.state & ~(QStyle::State_On | QStyle::State_Off | QStyle::State_NoChange)) |
                  (state == Qt::Checked ? QStyle::State_On : QStyle::State_Off);
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &check, painter, option.widget);
}

QSize CheckBoxDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return QStyledItemDelegate::sizeHint(option, index).expandedTo(checkRect(option).size() + QSize(8, 4));
}

bool CheckBoxDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) {
    if (!(index.flags() & Qt::ItemIsUserCheckable) || !(index.flags() & Qt::ItemIsEnabled)) {
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || !checkRect(option).contains(mouse->position().toPoint())) {
            return false;
        }
        if (event->type() == QEvent::MouseButtonDblClick) {
            return true; // the first click already toggled
        }
        break;
    }
    case QEvent::KeyPress: {
        const auto* press = static_cast<QKeyEvent*>(event);
        // Ctrl+Space toggles the row's selection, not its box.
        const bool plain = (press->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (!plain || (press->key() != Qt::Key_Space && press->key() != Qt::Key_Select)) {
            return false;
        }
        break;
    }
    default:
        return false;
    }
    const bool checked = index.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
    return model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}
