#include "StatementImportDialog.h"

#include "CsvPlanModel.h"
#include "ImportRulesList.h"
#include "OfxReader.h"
#include "StatementPlanModel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum AccountColumn { AccountNameColumn, AccountKeywordColumn };

QStringList keywordNamesIn(const QString& text) {
    QStringList names;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        if (const QString name = part.trimmed(); !name.isEmpty() && !names.contains(name)) {
            names.append(name);
        }
    }
    return names;
}

} // namespace

StatementImportDialog::StatementImportDialog(QByteArray bytes, StatementFileKind::Kind kind, const QString& fileName,
                                             DataRootPtr root, QWidget* parent)
    : QDialog(parent)
    , m_kind(kind)
    , m_root(std::move(root)) {
    setObjectName(QStringLiteral("statementImportDialog"));
    setWindowTitle(tr("Import “%1”").arg(fileName));
    setWindowModality(Qt::WindowModal);
    if (m_kind == StatementFileKind::Kind::Ofx) {
        OfxReader reader;
        if (reader.read(bytes)) {
            m_ofx = reader.statement();
        } else {
            m_readError = reader.errorString();
        }
    } else if (!m_qif.read(bytes)) {
        m_readError = m_qif.errorString();
    } else {
        m_readings = m_qif.readings();
    }
    buildControls();
    replan();
}

StatementImportDialog::~StatementImportDialog() {
    // The model asks the matcher until it lets go of the plan.
    m_planModel->setMatcher(nullptr);
    m_planModel->setPlan(nullptr);
}

void StatementImportDialog::buildControls() {
    auto* layout = new QVBoxLayout(this);
    if (m_kind == StatementFileKind::Kind::Ofx) {
        layout->addWidget(buildOfxSettings());
    } else {
        layout->addWidget(buildQifSettings());
    }

    m_planModel = new StatementPlanModel(this);
    m_recordTableView = new QTableView(this);
    m_recordTableView->setObjectName(QStringLiteral("recordTableView"));
    m_recordTableView->setAccessibleName(tr("Records to import"));
    m_recordTableView->setModel(m_planModel);
    m_recordTableView->verticalHeader()->hide();
    // The comment takes what the short columns leave.
    m_recordTableView->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_recordTableView->horizontalHeader()->setSectionResizeMode(StatementPlanModel::CommentColumn,
                                                                QHeaderView::Stretch);
    connect(m_planModel, &StatementPlanModel::ticksChanged, this, &StatementImportDialog::showOutcome);
    layout->addWidget(m_recordTableView, 1);

    // Rules and unreadable lines show only when there are some.
    m_rulesList = new ImportRulesList(*m_root, this);
    m_rulesList->setMaximumHeight(fontMetrics().height() * 5);
    connect(m_rulesList, &ImportRulesList::ticksChanged, this, &StatementImportDialog::rulesTicked);
    if (m_rulesList->count() > 0) {
        layout->addWidget(new QLabel(tr("Keyword rules of this import:"), this));
        layout->addWidget(m_rulesList);
    } else {
        m_rulesList->hide();
    }
    m_problemsLabel = new QLabel(tr("Left out, as they cannot be read:"), this);
    m_problemsList = new QListWidget(this);
    m_problemsList->setObjectName(QStringLiteral("problemsList"));
    m_problemsList->setAccessibleName(tr("Transactions left out"));
    m_problemsList->setMaximumHeight(fontMetrics().height() * 6);
    layout->addWidget(m_problemsLabel);
    layout->addWidget(m_problemsList);

    m_summaryLabel = new QLabel(this);
    m_summaryLabel->setObjectName(QStringLiteral("summaryLabel"));
    m_summaryLabel->setWordWrap(true);
    layout->addWidget(m_summaryLabel);

    auto* buttons = new QDialogButtonBox(this);
    m_importButton = buttons->addButton(tr("Import"), QDialogButtonBox::AcceptRole);
    m_importButton->setObjectName(QStringLiteral("importButton"));
    m_importButton->setDefault(true);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(900, 560);
}

QWidget* StatementImportDialog::buildOfxSettings() {
    auto* box = new QWidget(this);
    auto* form = new QFormLayout(box);
    m_accountTable = new QTableWidget(int(m_ofx.accounts.size()), 2, box);
    m_accountTable->setObjectName(QStringLiteral("accountTable"));
    m_accountTable->setHorizontalHeaderLabels({tr("Account"), tr("Keyword to Add")});
    m_accountTable->verticalHeader()->hide();
    m_accountTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (std::size_t i = 0; i < m_ofx.accounts.size(); ++i) {
        const OfxStatement::Account& account = m_ofx.accounts[i];
        const QString kind = account.creditCard ? tr("Credit card") : tr("Bank account");
        auto* name = new QTableWidgetItem(
            tr("%1 %2: %n transaction(s)", nullptr, int(account.transactions.size())).arg(kind, account.accountId));
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        name->setCheckState(Qt::Checked);
        m_accountTable->setItem(int(i), AccountNameColumn, name);
        m_accountTable->setItem(int(i), AccountKeywordColumn, new QTableWidgetItem());
    }
    const int rows = std::min(int(m_ofx.accounts.size()), 4);
    m_accountTable->setFixedHeight(m_accountTable->horizontalHeader()->sizeHint().height() +
                                   rows * m_accountTable->verticalHeader()->defaultSectionSize() + 4);
    connect(m_accountTable, &QTableWidget::itemChanged, this, &StatementImportDialog::replan);
    form->addRow(tr("Accounts:"), m_accountTable);

    m_dayComboBox = new QComboBox(box);
    m_dayComboBox->setObjectName(QStringLiteral("dayComboBox"));
    m_dayComboBox->addItem(tr("The day the bank posted it"), int(OfxStatement::DaySource::Posted));
    m_dayComboBox->addItem(tr("The day it was made, where the bank tells it"),
                           int(OfxStatement::DaySource::UserWhenGiven));
    connect(m_dayComboBox, &QComboBox::currentIndexChanged, this, &StatementImportDialog::replan);
    form->addRow(tr("Date:"), m_dayComboBox);

    m_commentComboBox = new QComboBox(box);
    m_commentComboBox->setObjectName(QStringLiteral("commentComboBox"));
    m_commentComboBox->addItem(tr("Name and memo"), int(OfxStatement::CommentSource::NameAndMemo));
    m_commentComboBox->addItem(tr("Name"), int(OfxStatement::CommentSource::Name));
    m_commentComboBox->addItem(tr("Memo"), int(OfxStatement::CommentSource::Memo));
    connect(m_commentComboBox, &QComboBox::currentIndexChanged, this, &StatementImportDialog::replan);
    form->addRow(tr("Comment:"), m_commentComboBox);
    return box;
}

QWidget* StatementImportDialog::buildQifSettings() {
    auto* box = new QWidget(this);
    auto* form = new QFormLayout(box);
    m_splitComboBox = new QComboBox(box);
    m_splitComboBox->setObjectName(QStringLiteral("splitComboBox"));
    // Per split line by default: each part of the amount keeps its own
    // category, so the sums by keyword come out right.
    m_splitComboBox->addItem(tr("One record per split line, its category as keyword"),
                             int(QifReader::SplitMode::PerSplit));
    m_splitComboBox->addItem(tr("One record with the total"), int(QifReader::SplitMode::Total));
    connect(m_splitComboBox, &QComboBox::currentIndexChanged, this, &StatementImportDialog::replan);
    form->addRow(tr("Split transactions:"), m_splitComboBox);

    m_dayReadingGroup = new QButtonGroup(box);
    if (m_readings.size() > 1) {
        auto* readings = new QWidget(box);
        auto* row = new QHBoxLayout(readings);
        row->setContentsMargins(0, 0, 0, 0);
        // A day whose readings differ, shown both ways.
        QString sample;
        for (const QifReader::Item& item : m_qif.items()) {
            if (QifDateReader::read(item.date, QifDateReader::Order::MonthFirst) !=
                QifDateReader::read(item.date, QifDateReader::Order::DayFirst)) {
                sample = item.date;
                break;
            }
        }
        const QString format = CsvPlanModel::dayFormat(QLocale());
        const auto add = [&](QifDateReader::Order order, const QString& name, const QString& text) {
            auto* button = new QRadioButton(
                text.arg(sample, QLocale().toString(QifDateReader::read(sample, order), format)), readings);
            button->setObjectName(name);
            m_dayReadingGroup->addButton(button, int(order));
            row->addWidget(button);
        };
        add(QifDateReader::Order::MonthFirst, QStringLiteral("monthFirstButton"), tr("Month first: “%1” is %2"));
        add(QifDateReader::Order::DayFirst, QStringLiteral("dayFirstButton"), tr("Day first: “%1” is %2"));
        row->addStretch(1);
        connect(m_dayReadingGroup, &QButtonGroup::idClicked, this, &StatementImportDialog::replan);
        form->addRow(tr("The days read two ways:"), readings);
    }
    return box;
}

std::vector<StatementTransaction> StatementImportDialog::ofxTransactions() const {
    std::vector<StatementTransaction> all;
    const auto days = OfxStatement::DaySource(m_dayComboBox->currentData().toInt());
    const auto comments = OfxStatement::CommentSource(m_commentComboBox->currentData().toInt());
    for (std::size_t i = 0; i < m_ofx.accounts.size(); ++i) {
        if (m_accountTable->item(int(i), AccountNameColumn)->checkState() != Qt::Checked) {
            continue;
        }
        const QStringList keywords = keywordNamesIn(m_accountTable->item(int(i), AccountKeywordColumn)->text());
        for (StatementTransaction& t : OfxStatement::transactionsOf(m_ofx.accounts[i], days, comments)) {
            t.keywords.append(keywords);
            all.push_back(std::move(t));
        }
    }
    return all;
}

void StatementImportDialog::replan() {
    m_planModel->setPlan(nullptr);
    m_plan.reset();
    m_problemsList->clear();
    if (m_readError.isEmpty()) {
        if (m_kind == StatementFileKind::Kind::Ofx) {
            m_plan = std::make_unique<StatementImportPlan>(ofxTransactions(),
                                                           std::vector<StatementImportPlan::Problem>(), *m_root);
        } else if (m_readings.size() < 2 || m_dayReadingGroup->checkedId() != -1) {
            // No order reads every day: the first, and the days it cannot read are listed.
            const auto order = m_readings.size() < 2
                                   ? (m_readings.empty() ? QifDateReader::Order::MonthFirst : m_readings.front())
                                   : QifDateReader::Order(m_dayReadingGroup->checkedId());
            QifReader::Transactions read =
                m_qif.transactions(order, QifReader::SplitMode(m_splitComboBox->currentData().toInt()));
            std::vector<StatementImportPlan::Problem> problems;
            for (const QifReader::Problem& problem : read.problems) {
                problems.push_back({problem.line, problem.reason});
            }
            m_plan = std::make_unique<StatementImportPlan>(std::move(read.transactions), std::move(problems), *m_root);
        }
    }
    if (m_plan) {
        for (const StatementImportPlan::Problem& problem : m_plan->problems()) {
            m_problemsList->addItem(tr("Line %1: %2").arg(QLocale().toString(problem.line), problem.reason));
        }
    }
    m_problemsLabel->setVisible(m_problemsList->count() > 0);
    m_problemsList->setVisible(m_problemsList->count() > 0);
    m_planModel->setPlan(m_plan.get());
    rulesTicked();
}

void StatementImportDialog::rulesTicked() {
    m_planModel->setMatcher(nullptr);
    m_matcher = std::make_unique<KeywordRuleMatcher>(*m_root, m_rulesList->skipped());
    m_planModel->setMatcher(m_matcher.get());
    showOutcome();
}

void StatementImportDialog::showOutcome() {
    QString text;
    if (!m_readError.isEmpty()) {
        text = m_readError;
    } else if (!m_plan) {
        text = tr("Choose which way the days read.");
    } else {
        text = tr("%n transaction(s) to import.", nullptr, int(m_plan->importedCount()));
        if (m_plan->duplicateCount() > 0) {
            text +=
                u' ' + tr("%n already in the library, left out unless ticked.", nullptr, int(m_plan->duplicateCount()));
        }
        if (m_plan->possibleDuplicateCount() > 0) {
            text += u' ' + tr("%n possibly in the library (the same amount and comment within %1 days): untick "
                              "what you have already.",
                              nullptr, int(m_plan->possibleDuplicateCount()))
                               .arg(StatementImportPlan::possibleDays);
        }
        if (!m_plan->problems().empty()) {
            text += u' ' + tr("%n left out, as they cannot be read.", nullptr, int(m_plan->problems().size()));
        }
    }
    m_summaryLabel->setText(text);
    m_importButton->setEnabled(m_plan && m_plan->canImport());
}

StatementImportPlan::Batch StatementImportDialog::makeRecords() const {
    if (!m_plan) {
        return {};
    }
    StatementImportPlan::Batch batch = m_plan->makeRecords(*m_root, false);
    m_matcher->tag(batch.records, batch.newKeywords);
    return batch;
}
