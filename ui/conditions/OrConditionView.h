#pragma once

#include "GroupConditionView.h"

// Rows of which one must hold.
class OrConditionView : public GroupConditionView {
    Q_OBJECT

public:
    explicit OrConditionView(bool draw = true, QWidget* parent = nullptr);

    QString groupIdentifier() const override { return QStringLiteral("OR"); }
    QString connectiveText() const override { return tr("OR"); }
    ConditionPtr condition() const override;
    ConditionView* addNewAndCondition(ConditionView* child, bool draw) override;
};
