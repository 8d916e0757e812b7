#include "HeaderStyle.h"

#include <QHeaderView>
#include <QStyleOptionHeader>

HeaderStyle::HeaderStyle(QStyle* base)
    : QProxyStyle(base) {}

QStyle::PrimitiveElement HeaderStyle::arrowFor(Qt::SortOrder order) {
    return order == Qt::DescendingOrder ? PE_IndicatorArrowDown : PE_IndicatorArrowUp;
}

void HeaderStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option);
    if (element == CE_HeaderLabel && header && (header->textAlignment & Qt::AlignRight)) {
        QStyleOptionHeader label = *header;
        label.rect.adjust(0, 0, -label.fontMetrics.averageCharWidth(), 0);
        QProxyStyle::drawControl(element, &label, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void HeaderStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
    const auto* view = qobject_cast<const QHeaderView*>(widget);
    if (element == PE_IndicatorHeaderArrow && view) {
        // Styles disagree on which way is up; the header's own order decides.
        QStyleOption arrow = *option;
        const int side = qMin(option->rect.width(), option->rect.height());
        arrow.rect = QRect(0, 0, side, side);
        arrow.rect.moveCenter(option->rect.center());
        QProxyStyle::drawPrimitive(arrowFor(view->sortIndicatorOrder()), &arrow, painter, widget);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}
