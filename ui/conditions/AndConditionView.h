#pragma once

#include "GroupConditionView.h"

// Rows that must all hold.
class AndConditionView : public GroupConditionView {
    Q_OBJECT

public:
    explicit AndConditionView(bool draw = true, QWidget* parent = nullptr);

    QString groupIdentifier() const override { return QStringLiteral("AND"); }
    QString connectiveText() const override { return tr("AND"); }
    ConditionPtr condition() const override;
    ConditionView* addNewOrCondition(ConditionView* child, bool draw) override;
};
