#include "AmountConditionView.h"

#include "LedgerFormat.h"

#include <QLabel>
#include <QLineEdit>

namespace {
QLineEdit* newAmountField(const QString& name) {
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setAlignment(Qt::AlignRight);
    field->resize(90, std::max(22, field->sizeHint().height()));
    return field;
}
} // namespace

AmountConditionView::AmountConditionView()
    : SingleConditionView(Amount)
    , m_amountField(newAmountField(QStringLiteral("amountField")))
    , m_labelBetween(new QLabel(text(QStringLiteral("between")), this))
    , m_amountFieldUpperLimit(newAmountField(QStringLiteral("amountFieldUpperLimit"))) {
    finishPopUps();
    m_labelBetween->setObjectName(QStringLiteral("labelBetween"));
    m_labelBetween->resize(m_labelBetween->sizeHint());
    m_labelBetween->hide();
    m_amountFieldUpperLimit->setParent(this);
    m_amountFieldUpperLimit->hide();
    appendToRow(m_amountField);
    sizeToFit();
}

const std::vector<int>& AmountConditionView::whatIds() const {
    static const std::vector<int> ids{1, 2, 3, 4, 5, 6};
    return ids;
}

void AmountConditionView::arrangeControls(int previous, int now) {
    if (isRange(previous)) {
        removeFromRow(m_labelBetween);
        removeFromRow(m_amountFieldUpperLimit);
    }
    if (isRange(now)) {
        appendToRow(m_labelBetween);
        appendToRow(m_amountFieldUpperLimit);
    }
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
    sizeToFit();
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

QWidget* AmountConditionView::topKeyView() const {
    return m_amountField;
}

QWidget* AmountConditionView::bottomKeyView() const {
    return isRange(currentWhatID()) ? m_amountFieldUpperLimit : m_amountField;
}
