#pragma once

#include "DateCondition.h"
#include "SingleConditionView.h"

class DateField;
class QComboBox;
class QLabel;
class QSpinBox;

// A row that compares the record's day with days typed in date fields (shown
// in the user's locale with four-digit years), or with the last N days, weeks
// or months.
class DateConditionView : public SingleConditionView {
    Q_OBJECT

public:
    DateConditionView();

    int kind() const override { return Date; }
    const std::vector<int>& whatIds() const override;
    QString whatNameOfID(int id) const override;
    DateField* dateField() const { return m_dateField; }
    DateField* dateUpperLimitField() const { return m_dateUpperLimitField; }
    QSpinBox* periodField() const { return m_periodField; }
    QComboBox* periodSelector() const { return m_periodSelector; }

    void showCondition(const DateCondition& condition);
    bool storedPeriodNotOffered() const { return m_periodNotOffered; }
    ConditionPtr condition() const override;
    QString problem() const override;
    QWidget* firstField() const override;

protected:
    void arrangeControls(int now) override;

private:
    static bool isRange(int code) { return code == Condition::Between || code == Condition::NotBetween; }
    static bool isPeriod(int code) { return code == Condition::WithinLast || code == Condition::NotWithinLast; }
    DateField* newDateField(const QString& name);
    void showDay(DateField* field, const ConditionOperand& operand);
    // The day typed, or the one last shown when the text is no day (problem() tells).
    static CalendarDate dayOf(const DateField* field);

    // In the order of the row and of the tab chain.
    DateField* m_dateField;
    QLabel* m_labelBetween;
    DateField* m_dateUpperLimitField;
    QSpinBox* m_periodField;
    QComboBox* m_periodSelector;
    bool m_periodNotOffered = false;
};
