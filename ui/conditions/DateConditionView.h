#pragma once

#include "DateCondition.h"
#include "SingleConditionView.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QSpinBox;

// A row that compares the record's day with days typed in the user's locale
// (four-digit years), or with the last N days, weeks or months.
class DateConditionView : public SingleConditionView {
    Q_OBJECT

public:
    DateConditionView();

    int kind() const override { return Date; }
    const std::vector<int>& whatIds() const override;
    QString whatNameOfID(int id) const;
    QDateEdit* dateField() const { return m_dateField; }
    QDateEdit* dateUpperLimitField() const { return m_dateUpperLimitField; }
    QSpinBox* periodField() const { return m_periodField; }
    QComboBox* periodSelector() const { return m_periodSelector; }

    void showCondition(const DateCondition& condition);
    bool storedPeriodNotOffered() const { return m_periodNotOffered; }
    ConditionPtr condition() const override;
    QWidget* topKeyView() const override;
    QWidget* bottomKeyView() const override;

protected:
    void arrangeControls(int previous, int now) override;

private:
    static bool isRange(int code) { return code == Condition::Between || code == Condition::NotBetween; }
    static bool isPeriod(int code) { return code == Condition::WithinLast || code == Condition::NotWithinLast; }
    QDateEdit* newDateField(const QString& name);
    void showDay(QDateEdit* field, const ConditionOperand& operand);

    QDateEdit* m_dateField;
    QSpinBox* m_periodField;
    QComboBox* m_periodSelector;
    QLabel* m_labelBetween;
    QDateEdit* m_dateUpperLimitField;
    bool m_periodNotOffered = false;
};
