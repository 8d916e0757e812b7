#include "AmountConditionView.h"

#include "LedgerFormat.h"

#include <QLabel>
#include <QLineEdit>

AmountConditionView::AmountConditionView()
    : SingleConditionView(Amount)
    , m_amountField(newAmountField(QStringLiteral("amountField")))
    , m_labelBetween(new QLabel(text(QStringLiteral("between")), this))
    , m_amountFieldUpperLimit(newAmountField(QStringLiteral("amountFieldUpperLimit"))) {
    m_labelBetween->setObjectName(QStringLiteral("labelBetween"));
    m_amountField->setAccessibleName(tr("Amount"));
    m_amountFieldUpperLimit->setAccessibleName(tr("Upper amount"));
    addToRow(m_amountField);
    addToRow(m_labelBetween);
    addToRow(m_amountFieldUpperLimit);
    finish();
}

QLineEdit* AmountConditionView::newAmountField(const QString& name) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setAlignment(Qt::AlignRight);
    field->setFixedSize(90, std::max(22, field->sizeHint().height()));
    return field;
}

const std::vector<int>& AmountConditionView::whatIds() const {
    static const std::vector<int> ids{1, 2, 3, 4, 5, 6};
    return ids;
}

void AmountConditionView::arrangeControls(int now) {
    m_labelBetween->setVisible(isRange(now));
    m_amountFieldUpperLimit->setVisible(isRange(now));
}

void AmountConditionView::showCondition(const AmountCondition& condition) {
    setWhatToID(condition.conditionTypeCode());
    const LedgerFormat format;
    if (const auto* upper = std::get_if<::Amount>(&condition.object2())) {
        m_amountFieldUpperLimit->setText(format.formatAmount(*upper, LedgerFormat::decimalsOf(*upper)));
    }
    if (const auto* bound = std::get_if<::Amount>(&condition.object())) {
        m_amountField->setText(format.formatAmount(*bound, LedgerFormat::decimalsOf(*bound)));
    }
}

std::optional<::Amount> AmountConditionView::amountOf(const QLineEdit* field, QString* error) {
    const QString typed = field->text().trimmed();
    if (typed.isEmpty()) {
        return ::Amount();
    }
    return LedgerFormat().parseAmount(typed, error);
}

ConditionPtr AmountConditionView::condition() const {
    auto leaf = newLeaf<AmountCondition>();
    if (const auto bound = amountOf(m_amountField)) {
        leaf->setObject(*bound);
    }
    if (isRange(currentWhatID())) {
        if (const auto upper = amountOf(m_amountFieldUpperLimit)) {
            leaf->setObject2(*upper);
        }
    }
    return leaf;
}

QString AmountConditionView::problem() const {
    QString error;
    if (!amountOf(m_amountField, &error)) {
        // The error quotes the text and says what would do.
        return error;
    }
    if (isRange(currentWhatID()) && !amountOf(m_amountFieldUpperLimit, &error)) {
        return tr("Upper limit: %1").arg(error);
    }
    return QString();
}

QWidget* AmountConditionView::firstField() const {
    return m_amountField;
}
