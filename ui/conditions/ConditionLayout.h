#pragma once

#include <QList>
#include <QSize>

class QWidget;

// How the editor's rows and stacks are laid out, in device-independent
// pixels: every view sizes itself to its contents and passes the change up.
class ConditionLayout {
public:
    ConditionLayout() = delete;

    static constexpr int rowGap = 8;
    // 3 above and 3 below the tallest widget of a row.
    static constexpr int rowExtraHeight = 6;
    static constexpr int stackInset = 8;
    static constexpr int stackGap = 3;
    static constexpr QSize initialBoxSize{100, 900};

    // Places the widgets left to right, 8 apart, each centred in a row 6
    // higher than the tallest; returns the row's size.
    static QSize layoutRow(const QList<QWidget*>& widgets);
    // Stacks the widgets top to bottom at x 8, 3 apart and 3 from the top
    // and bottom; returns the size of the area they need.
    static QSize layoutStack(const QList<QWidget*>& widgets);
};
