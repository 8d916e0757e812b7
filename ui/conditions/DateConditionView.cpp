#include "DateConditionView.h"

#include "Clock.h"
#include "DateField.h"
#include "LocalizedText.h"

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

#include <algorithm>
#include <cmath>

DateConditionView::DateConditionView()
    : SingleConditionView(Date)
    , m_dateField(newDateField(QStringLiteral("dateField")))
    , m_labelBetween(new QLabel(text(QStringLiteral("between")), this))
    , m_dateUpperLimitField(newDateField(QStringLiteral("dateUpperLimitField")))
    , m_periodField(new QSpinBox(this))
    , m_periodSelector(new QComboBox(this)) {
    m_labelBetween->setObjectName(QStringLiteral("labelBetween"));
    m_dateField->setAccessibleName(tr("Day"));
    m_dateUpperLimitField->setAccessibleName(tr("Last day"));
    m_periodField->setObjectName(QStringLiteral("periodField"));
    m_periodField->setRange(0, 9'999'999);
    m_periodField->setFixedSize(std::max(50, m_periodField->sizeHint().width()),
                                std::max(22, m_periodField->sizeHint().height()));
    guardWheel(m_periodField);
    m_periodSelector->setObjectName(QStringLiteral("periodSelector"));
    m_periodField->setAccessibleName(tr("Number of periods"));
    m_periodSelector->setAccessibleName(tr("Period"));
    for (int id = DateCondition::Days; id <= DateCondition::Months; ++id) {
        m_periodSelector->addItem(LocalizedText::lookup(QStringLiteral("ConditionPeriod"), id));
    }
    guardWheel(m_periodSelector);
    for (QWidget* widget : {static_cast<QWidget*>(m_dateField), static_cast<QWidget*>(m_labelBetween),
                            static_cast<QWidget*>(m_dateUpperLimitField), static_cast<QWidget*>(m_periodField),
                            static_cast<QWidget*>(m_periodSelector)}) {
        addToRow(widget);
    }
    finish();
}

DateField* DateConditionView::newDateField(const QString& name) {
    auto* field = new DateField(this);
    field->setObjectName(name);
    field->setDate(Clock::today());
    // Bounds lie years back as a rule: no note of far days.
    field->setFarDaysNoted(false);
    field->setFixedSize(std::max(84, field->sizeHint().width()), std::max(22, field->sizeHint().height()));
    return field;
}

const std::vector<int>& DateConditionView::whatIds() const {
    static const std::vector<int> ids{1, 2, 3, 4, 13, 14, 5, 6};
    return ids;
}

QString DateConditionView::whatNameOfID(int id) const {
    // The words for after and before differ from greater and less.
    if (id == Condition::GreaterThan || id == Condition::LessThan) {
        return LocalizedText::lookup(QStringLiteral("ConditionWhatDate"), id);
    }
    return SingleConditionView::whatNameOfID(id);
}

void DateConditionView::arrangeControls(int now) {
    m_dateField->setVisible(!isPeriod(now));
    m_labelBetween->setVisible(isRange(now));
    m_dateUpperLimitField->setVisible(isRange(now));
    m_periodField->setVisible(isPeriod(now));
    m_periodSelector->setVisible(isPeriod(now));
}

void DateConditionView::showDay(DateField* field, const ConditionOperand& operand) {
    if (const auto* date = std::get_if<CalendarDate>(&operand); date && date->day().isValid()) {
        field->setDate(date->day());
    }
}

void DateConditionView::showCondition(const DateCondition& condition) {
    const int code = condition.conditionTypeCode();
    setWhatToID(code);
    if (isPeriod(currentWhatID())) {
        if (const auto* count = std::get_if<::Amount>(&condition.object())) {
            const double whole = std::trunc(count->toDouble());
            m_periodField->setValue(int(std::clamp(whole, 0.0, double(m_periodField->maximum()))));
        }
        const int period = condition.periodID();
        m_periodNotOffered = period < DateCondition::Days || period > DateCondition::Months;
        m_periodSelector->setCurrentIndex(m_periodNotOffered ? 0 : period - 1);
    } else {
        showDay(m_dateField, condition.object());
        if (isRange(code)) {
            showDay(m_dateUpperLimitField, condition.object2());
        }
    }
}

ConditionPtr DateConditionView::condition() const {
    auto leaf = newLeaf<DateCondition>();
    const int code = currentWhatID();
    if (isPeriod(code)) {
        leaf->setObject(::Amount::fromInt(m_periodField->value()));
        leaf->setPeriodID(m_periodSelector->currentIndex() + 1);
    } else {
        leaf->setObject(dayOf(m_dateField));
        if (isRange(code)) {
            leaf->setObject2(dayOf(m_dateUpperLimitField));
        }
    }
    return leaf;
}

CalendarDate DateConditionView::dayOf(const DateField* field) {
    const QDate typed = field->typedDate();
    return CalendarDate::startOfDay(typed.isValid() ? typed : field->date());
}

QString DateConditionView::problem() const {
    const int code = currentWhatID();
    if (isPeriod(code)) {
        return QString();
    }
    QString error;
    if (!m_dateField->typedDate(&error).isValid()) {
        return error;
    }
    if (isRange(code) && !m_dateUpperLimitField->typedDate(&error).isValid()) {
        return tr("Upper limit: %1").arg(error);
    }
    return QString();
}

QWidget* DateConditionView::firstField() const {
    return isPeriod(currentWhatID()) ? static_cast<QWidget*>(m_periodField) : m_dateField;
}
