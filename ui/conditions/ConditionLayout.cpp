#include "ConditionLayout.h"

#include <QWidget>

#include <algorithm>

QSize ConditionLayout::layoutRow(const QList<QWidget*>& widgets) {
    int tallest = 0;
    for (const QWidget* widget : widgets) {
        tallest = std::max(tallest, widget->height());
    }
    const int height = tallest + rowExtraHeight;
    int x = 0;
    for (QWidget* widget : widgets) {
        widget->move(x, (height - widget->height()) / 2);
        x += widget->width() + rowGap;
    }
    const int width = widgets.isEmpty() ? 0 : x - rowGap;
    return QSize(width, height);
}

QSize ConditionLayout::layoutStack(const QList<QWidget*>& widgets) {
    int widest = 0;
    int y = stackGap;
    for (QWidget* widget : widgets) {
        widget->move(stackInset, y);
        y += widget->height() + stackGap;
        widest = std::max(widest, widget->width());
    }
    // An empty stack is the inset alone.
    return QSize(widgets.isEmpty() ? stackInset : stackInset + widest + stackInset, y);
}
