#pragma once

#include <QProxyStyle>

// The record table's header in the application's style, with two changes:
// a right-aligned title keeps the same gap to the next column as the figures
// under it, and the sort arrow points down when the largest (the newest)
// come first and up when the smallest do, whatever the style would draw.
class HeaderStyle : public QProxyStyle {
    Q_OBJECT

public:
    explicit HeaderStyle(QStyle* base);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

    // The arrow drawn for a header sorted in this order.
    static PrimitiveElement arrowFor(Qt::SortOrder order);
};
