#pragma once

class QBoxLayout;
class QHBoxLayout;
class QVBoxLayout;
class QWidget;

// The spacing of the editor's rows and stacks, in device-independent pixels.
// Every view is as large as its contents: a row is its widgets side by side,
// 8 apart, each centred in a row 6 higher than the tallest; a group's box
// stacks its children 3 apart, 8 in from the left and right and 3 from the
// top and bottom.
class ConditionLayout {
public:
    ConditionLayout() = delete;

    static constexpr int rowGap = 8;
    // Above and below the tallest widget of a row.
    static constexpr int rowMargin = 3;
    static constexpr int stackInset = 8;
    static constexpr int stackGap = 3;

    // A new row layout on `view`, sized to its contents.
    static QHBoxLayout* row(QWidget* view);
    // A new stack layout on `box`, sized to its contents.
    static QVBoxLayout* stack(QWidget* box);
    // Puts the widget into the row at `index` (at the end for -1), centred.
    static void addToRow(QBoxLayout* row, QWidget* widget, int index = -1);
    // Lays out at once what the change of `changed` touches: its layout and
    // those of every widget around it, up to the sheet. Qt would do it in as
    // many turns of the event loop as there are levels of nesting.
    static void settle(QWidget* changed);
    // The same for every widget in `tree`, once widgets took the looks of
    // the window they are shown in.
    static void settleAll(QWidget* tree);
};
