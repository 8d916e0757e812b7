#pragma once

#include "AmountCondition.h"
#include "SingleConditionView.h"

class QLabel;
class QLineEdit;

// A row that compares the record's amount with exact decimal bounds, typed
// in the user's locale.
class AmountConditionView : public SingleConditionView {
    Q_OBJECT

public:
    AmountConditionView();

    int kind() const override { return Amount; }
    const std::vector<int>& whatIds() const override;
    QLineEdit* amountField() const { return m_amountField; }
    QLineEdit* amountFieldUpperLimit() const { return m_amountFieldUpperLimit; }

    // Opens a stored condition: its code and bounds.
    void showCondition(const AmountCondition& condition);
    ConditionPtr condition() const override;
    QString problem() const override;
    QWidget* firstField() const override;

protected:
    void arrangeControls(int now) override;

private:
    static bool isRange(int code) { return code == Condition::Between || code == Condition::NotBetween; }
    // An empty field is 0; text that is no amount is nothing.
    static std::optional<::Amount> amountOf(const QLineEdit* field, QString* error = nullptr);
    QLineEdit* newAmountField(const QString& name);

    QLineEdit* m_amountField;
    QLabel* m_labelBetween;
    QLineEdit* m_amountFieldUpperLimit;
};
