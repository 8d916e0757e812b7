#include "AndConditionView.h"

#include "AndConditions.h"

AndConditionView::AndConditionView(bool draw, QWidget* parent)
    : GroupConditionView(draw, parent) {
    // The control box was made before the view knew its connective.
    refreshControlBox();
}

ConditionPtr AndConditionView::condition() const {
    auto group = AndConditions::create();
    collectConditions(*group);
    return group;
}

ConditionView* AndConditionView::addNewOrCondition(ConditionView* child, bool draw) {
    return nestWithNewCondition(child, draw, false);
}
