#include "DateConditionView.h"

#include "Clock.h"
#include "DateField.h"
#include "LocalizedText.h"

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

#include <cmath>
#include <limits>

DateConditionView::DateConditionView()
    : SingleConditionView(Date)
    , m_dateField(newDateField(QStringLiteral("dateField")))
    , m_periodField(new QSpinBox(this))
    , m_periodSelector(new QComboBox(this))
    , m_labelBetween(new QLabel(text(QStringLiteral("between")), this))
    , m_dateUpperLimitField(newDateField(QStringLiteral("dateUpperLimitField"))) {
    // The "what" titles of this kind differ for after and before.
    finishPopUps();
    for (int index = 0; index < whatSelector()->count(); ++index) {
        whatSelector()->setItemText(index, whatNameOfID(whatIds()[std::size_t(index)]));
    }
    whatSelector()->resize(whatSelector()->sizeHint());

    m_periodField->setObjectName(QStringLiteral("periodField"));
    m_periodField->setRange(0, 9'999'999);
    m_periodField->resize(std::max(50, m_periodField->sizeHint().width()),
                          std::max(22, m_periodField->sizeHint().height()));
    m_periodField->hide();
    m_periodSelector->setObjectName(QStringLiteral("periodSelector"));
    for (int id = DateCondition::Days; id <= DateCondition::Months; ++id) {
        m_periodSelector->addItem(LocalizedText::lookup(QStringLiteral("ConditionPeriod"), id));
    }
    m_periodSelector->resize(m_periodSelector->sizeHint());
    m_periodSelector->hide();
    m_labelBetween->setObjectName(QStringLiteral("labelBetween"));
    m_labelBetween->resize(m_labelBetween->sizeHint());
    m_labelBetween->hide();
    m_dateUpperLimitField->setParent(this);
    m_dateUpperLimitField->hide();
    appendToRow(m_dateField);
    sizeToFit();
}

DateField* DateConditionView::newDateField(const QString& name) {
    auto* field = new DateField;
    field->setObjectName(name);
    field->setDate(Clock::today());
    // Bounds lie years back as a rule: no note of far days.
    field->setFarDaysNoted(false);
    field->resize(std::max(84, field->sizeHint().width()), std::max(22, field->sizeHint().height()));
    return field;
}

const std::vector<int>& DateConditionView::whatIds() const {
    static const std::vector<int> ids{1, 2, 3, 4, 13, 14, 5, 6};
    return ids;
}

QString DateConditionView::whatNameOfID(int id) const {
    if (id == Condition::GreaterThan || id == Condition::LessThan) {
        return LocalizedText::lookup(QStringLiteral("ConditionWhatDate"), id);
    }
    return SingleConditionView::whatNameOfID(id);
}

void DateConditionView::arrangeControls(int previous, int now) {
    for (QWidget* widget : {static_cast<QWidget*>(m_dateField), static_cast<QWidget*>(m_labelBetween),
                            static_cast<QWidget*>(m_dateUpperLimitField), static_cast<QWidget*>(m_periodField),
                            static_cast<QWidget*>(m_periodSelector)}) {
        removeFromRow(widget);
    }
    Q_UNUSED(previous);
    if (isPeriod(now)) {
        appendToRow(m_periodField);
        appendToRow(m_periodSelector);
    } else {
        appendToRow(m_dateField);
        if (isRange(now)) {
            appendToRow(m_labelBetween);
            appendToRow(m_dateUpperLimitField);
        }
    }
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
    sizeToFit();
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

QWidget* DateConditionView::topKeyView() const {
    return isPeriod(currentWhatID()) ? static_cast<QWidget*>(m_periodField) : m_dateField;
}

QWidget* DateConditionView::bottomKeyView() const {
    const int code = currentWhatID();
    if (isPeriod(code)) {
        return m_periodField;
    }
    return isRange(code) ? m_dateUpperLimitField : m_dateField;
}
