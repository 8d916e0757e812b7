#include "RecurringRecordDialog.h"

#include "Clock.h"
#include "DateField.h"
#include "LibraryDocument.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>

#include <algorithm>

namespace {

enum class Ending { Never, OnDay, AfterCount };

} // namespace

RecurringRecordDialog::RecurringRecordDialog(LibraryDocument* document, RecurringRecordPtr record, QWidget* parent)
    : QDialog(parent)
    , m_document(document)
    , m_record(std::move(record)) {
    setObjectName(QStringLiteral("recurringRecordDialog"));
    const bool isNew = m_document->root()->indexOfRecurringRecord(m_record.get()) == DataRoot::notFound;
    setWindowTitle(isNew ? tr("New Recurring Record") : tr("Edit Recurring Record"));
    buildFields();
    showUnitFields();
}

void RecurringRecordDialog::buildFields() {
    auto* form = new QFormLayout;
    m_commentField = new QLineEdit(m_record->comment(), this);
    m_commentField->setObjectName(QStringLiteral("commentField"));
    // A long payee reads from its start, not from its last characters.
    m_commentField->setCursorPosition(0);
    form->addRow(tr("Comment:"), m_commentField);
    m_amountField = new QLineEdit(m_format.amountForEditing(m_record->amount()), this);
    m_amountField->setObjectName(QStringLiteral("amountField"));
    form->addRow(tr("Amount:"), m_amountField);
    m_countedCheckBox = new QCheckBox(tr("Counted in the statistics"), this);
    m_countedCheckBox->setObjectName(QStringLiteral("countedCheckBox"));
    m_countedCheckBox->setChecked(m_record->includeInStats() != 0);
    form->addRow(QString(), m_countedCheckBox);
    m_keywordsList = new QListWidget(this);
    m_keywordsList->setObjectName(QStringLiteral("keywordsList"));
    const KeywordList& carried = m_record->keywords();
    for (const KeywordPtr& keyword : m_document->root()->keywords()) {
        auto* item = new QListWidgetItem(keyword->name(), m_keywordsList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        const bool has = std::find(carried.begin(), carried.end(), keyword) != carried.end();
        item->setCheckState(has ? Qt::Checked : Qt::Unchecked);
    }
    m_keywordsList->setMaximumHeight(m_keywordsList->fontMetrics().height() * 6);
    form->addRow(tr("Keywords:"), m_keywordsList);

    const RecurrenceRule& rule = m_record->rule();
    m_intervalField = new QSpinBox(this);
    m_intervalField->setObjectName(QStringLiteral("intervalField"));
    m_intervalField->setRange(1, RecurrenceRule::maxInterval);
    m_intervalField->setValue(rule.interval());
    m_unitMenu = new QComboBox(this);
    m_unitMenu->setObjectName(QStringLiteral("unitMenu"));
    m_unitMenu->addItems({tr("days"), tr("weeks"), tr("months"), tr("years")});
    m_unitMenu->setCurrentIndex(int(rule.unit()));
    auto* every = new QHBoxLayout;
    every->addWidget(m_intervalField);
    every->addWidget(m_unitMenu, 1);
    form->addRow(tr("Every:"), every);

    m_monthDayMenu = new QComboBox(this);
    m_monthDayMenu->setObjectName(QStringLiteral("monthDayMenu"));
    m_monthDayMenu->addItem(tr("the last day"), RecurrenceRule::lastDayOfMonth);
    for (int day = 1; day <= 31; ++day) {
        m_monthDayMenu->addItem(m_format.locale().toString(day), day);
    }
    m_monthDayMenu->setCurrentIndex(m_monthDayMenu->findData(rule.monthDay()));
    m_monthDayLabel = new QLabel(tr("On day:"), this);
    form->addRow(m_monthDayLabel, m_monthDayMenu);

    m_startField = new DateField(this);
    m_startField->setObjectName(QStringLiteral("startDateField"));
    m_startField->setDate(rule.start().isValid() ? rule.start() : Clock::today());
    form->addRow(tr("From:"), m_startField);

    m_endMenu = new QComboBox(this);
    m_endMenu->setObjectName(QStringLiteral("endMenu"));
    m_endMenu->addItems({tr("for ever"), tr("until"), tr("this many times:")});
    m_untilField = new DateField(this);
    m_untilField->setObjectName(QStringLiteral("untilDateField"));
    m_untilField->setFarDaysNoted(false);
    m_untilField->setDate(rule.until().isValid() ? rule.until() : m_startField->date().addYears(1));
    m_countField = new QSpinBox(this);
    m_countField->setObjectName(QStringLiteral("countField"));
    m_countField->setRange(1, 100000);
    m_countField->setValue(rule.count() > 0 ? rule.count() : 12);
    m_endMenu->setCurrentIndex(int(rule.count() > 0         ? Ending::AfterCount
                                   : rule.until().isValid() ? Ending::OnDay
                                                            : Ending::Never));
    auto* ending = new QHBoxLayout;
    ending->addWidget(m_endMenu);
    ending->addWidget(m_untilField, 1);
    ending->addWidget(m_countField);
    form->addRow(tr("Repeat:"), ending);

    m_errorLabel = new QLabel(this);
    m_errorLabel->setObjectName(QStringLiteral("errorLabel"));
    m_errorLabel->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &RecurringRecordDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RecurringRecordDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_errorLabel);
    layout->addWidget(buttons);

    connect(m_unitMenu, &QComboBox::currentIndexChanged, this, &RecurringRecordDialog::showUnitFields);
    connect(m_endMenu, &QComboBox::currentIndexChanged, this, &RecurringRecordDialog::showUnitFields);
}

void RecurringRecordDialog::showUnitFields() {
    const bool monthly = m_unitMenu->currentIndex() == int(RecurrenceRule::Unit::Months);
    m_monthDayMenu->setVisible(monthly);
    m_monthDayLabel->setVisible(monthly);
    m_untilField->setVisible(m_endMenu->currentIndex() == int(Ending::OnDay));
    m_countField->setVisible(m_endMenu->currentIndex() == int(Ending::AfterCount));
}

KeywordList RecurringRecordDialog::checkedKeywords() const {
    KeywordList keywords;
    const KeywordList& all = m_document->root()->keywords();
    for (int row = 0; row < m_keywordsList->count() && std::size_t(row) < all.size(); ++row) {
        if (m_keywordsList->item(row)->checkState() == Qt::Checked) {
            keywords.push_back(all[std::size_t(row)]);
        }
    }
    return keywords;
}

RecurringRecordPtr RecurringRecordDialog::readFields(QString* error) const {
    RecurringRecordPtr values = RecurringRecord::create();
    values->setComment(m_commentField->text().trimmed());
    if (!m_amountField->text().trimmed().isEmpty()) {
        const std::optional<Amount> amount = m_format.parseRecordAmount(m_amountField->text(), error);
        if (!amount) {
            return nullptr;
        }
        values->setAmount(amount);
    }
    values->setIncludeInStats(m_countedCheckBox->isChecked() ? 1 : 0);
    values->setKeywords(checkedKeywords());

    RecurrenceRule rule;
    rule.setUnit(RecurrenceRule::Unit(m_unitMenu->currentIndex()));
    rule.setInterval(m_intervalField->value());
    rule.setMonthDay(m_monthDayMenu->currentData().toInt());
    if (!m_startField->commit()) {
        *error = tr("The first day does not read: %1").arg(m_startField->note());
        return nullptr;
    }
    rule.setStart(m_startField->date());
    const auto ending = Ending(m_endMenu->currentIndex());
    if (ending == Ending::OnDay) {
        if (!m_untilField->commit()) {
            *error = tr("The last day does not read: %1").arg(m_untilField->note());
            return nullptr;
        }
        if (m_untilField->date() < rule.start()) {
            *error = tr("The last day comes before the first.");
            return nullptr;
        }
        rule.setUntil(m_untilField->date());
    } else if (ending == Ending::AfterCount) {
        rule.setCount(m_countField->value());
    }
    values->setRule(rule);
    return values;
}

void RecurringRecordDialog::accept() {
    QString error;
    const RecurringRecordPtr values = readFields(&error);
    if (!values) {
        m_errorLabel->setText(error);
        return;
    }
    if (m_document->root()->indexOfRecurringRecord(m_record.get()) == DataRoot::notFound) {
        m_record->setAmount(values->amount());
        m_record->setComment(values->comment());
        m_record->setKeywords(values->keywords());
        m_record->setIncludeInStats(values->includeInStats());
        m_record->setRule(values->rule());
        m_document->addRecurringRecord(m_record);
    } else {
        m_document->editRecurringRecord(m_record, *values);
    }
    QDialog::accept();
}

QString RecurringRecordDialog::ruleText(const RecurrenceRule& rule, const LedgerFormat& format) {
    const int n = rule.interval();
    QString text;
    switch (rule.unit()) {
    case RecurrenceRule::Unit::Days:
        text = n == 1 ? tr("Every day") : tr("Every %n days", nullptr, n);
        break;
    case RecurrenceRule::Unit::Weeks:
        text = n == 1 ? tr("Every week") : tr("Every %n weeks", nullptr, n);
        break;
    case RecurrenceRule::Unit::Months: {
        const QString month = n == 1 ? tr("Every month") : tr("Every %n months", nullptr, n);
        text = rule.monthDay() == RecurrenceRule::lastDayOfMonth
                   ? tr("%1 on the last day").arg(month)
                   : tr("%1 on day %2").arg(month, format.locale().toString(rule.monthDay()));
        break;
    }
    case RecurrenceRule::Unit::Years:
        text = n == 1 ? tr("Every year") : tr("Every %n years", nullptr, n);
        break;
    }
    text = tr("%1, from %2").arg(text, format.formatDate(rule.start()));
    if (rule.count() > 0) {
        text = tr("%1, %n time(s)", nullptr, rule.count()).arg(text);
    } else if (rule.until().isValid()) {
        text = tr("%1, until %2").arg(text, format.formatDate(rule.until()));
    }
    return text;
}
