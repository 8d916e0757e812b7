#include "OrConditionView.h"

#include "OrConditions.h"

OrConditionView::OrConditionView(bool draw, QWidget* parent)
    : GroupConditionView(draw, parent) {
    // The control box was made before the view knew its connective.
    refreshControlBox();
}

ConditionPtr OrConditionView::condition() const {
    auto group = OrConditions::create();
    collectConditions(*group);
    return group;
}

ConditionView* OrConditionView::addNewAndCondition(ConditionView* child, bool draw) {
    return nestWithNewCondition(child, draw, true);
}
