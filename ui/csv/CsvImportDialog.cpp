#include "CsvImportDialog.h"

#include "CsvDateReader.h"
#include "CsvFileModel.h"
#include "CsvHeaderFinder.h"
#include "CsvMappingBar.h"
#include "CsvMappingStore.h"
#include "CsvPlanModel.h"
#include "CsvPlanner.h"
#include "ImportRulesList.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Enough of the file to tell its encoding and show its first rows, cut
// after a line so no character is split.
QByteArrayView head(const QByteArray& bytes) {
    constexpr qsizetype size = 256 * 1024;
    if (bytes.size() <= size) {
        return bytes;
    }
    const qsizetype cut = QByteArrayView(bytes).first(size).lastIndexOf('\n');
    return QByteArrayView(bytes).first(cut > 0 ? cut + 1 : size);
}

constexpr int shownProblems = 500;
// Left-out lines named in the summary; the list below the tables has them all.
constexpr std::size_t namedProblems = 3;

QTableView* previewTable(const QString& name, const QString& accessibleName, QAbstractItemModel* model) {
    auto* view = new QTableView;
    view->setObjectName(name);
    view->setAccessibleName(accessibleName);
    view->setModel(model);
    view->setWordWrap(false);
    view->setAlternatingRowColors(true);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() * 3 / 2);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return view;
}

void selectData(QComboBox* box, const QVariant& value) {
    const int index = box->findData(value);
    box->setCurrentIndex(index < 0 ? 0 : index);
}

} // namespace

CsvImportDialog::CsvImportDialog(QByteArray bytes, const QString& fileName, DataRootPtr root, QWidget* parent)
    : QDialog(parent)
    , m_bytes(std::make_shared<const QByteArray>(std::move(bytes)))
    , m_root(std::move(root)) {
    setObjectName(QStringLiteral("csvImportDialog"));
    setWindowTitle(tr("Import “%1”").arg(fileName));
    // The library cannot change while the dialog is open; the planner works from a copy all the same.
    m_planner = new CsvPlanner(std::make_shared<const CsvKnownRecords>(*m_root->mainLibrary()), this);
    connect(m_planner, &CsvPlanner::finished, this, &CsvImportDialog::planReady);
    m_mappingBar = new CsvMappingBar(QFileInfo(fileName).completeBaseName());
    const QByteArrayView first = head(*m_bytes);
    m_reader.setEncoding(CsvEncoding::guess(first));
    m_reader.setSeparator(CsvReader::guessSeparator(first));
    // A mapping the user kept for files of this shape says how to read it.
    const std::optional<CsvSavedMapping> saved = CsvMappingStore().findFor(first, first.size() < m_bytes->size());
    if (saved) {
        m_reader.setEncoding(saved->encoding);
        m_reader.setSeparator(saved->shape.separator);
    }
    buildControls();
    if (saved) {
        applySavedMapping(*saved);
    }
    reread();
    const QFontMetrics metrics = fontMetrics();
    QSize size(metrics.height() * 64, metrics.height() * 54);
    // At 2× the size in lines may pass the screen; the tables give way.
    if (const QScreen* shown = screen()) {
        size = size.boundedTo(shown->availableSize() * 9 / 10);
    }
    resize(size);
}

CsvImportDialog::~CsvImportDialog() {
    m_planner->cancel();
    // The views let go of the plan and the rules before they go.
    m_planModel->setMatcher(nullptr);
    m_planModel->setPlan(nullptr);
}

std::vector<const KeywordRule*> CsvImportDialog::skippedRules() const {
    return m_rulesList->skipped();
}

void CsvImportDialog::rulesTicked() {
    m_planModel->setMatcher(nullptr);
    m_matcher = std::make_unique<KeywordRuleMatcher>(*m_root, m_rulesList->skipped());
    m_planModel->setMatcher(m_matcher.get());
}

QComboBox* CsvImportDialog::columnComboBox(const QString& name) {
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(box, &QComboBox::currentIndexChanged, this, &CsvImportDialog::mappingEdited);
    return box;
}

QWidget* CsvImportDialog::buildSettings() {
    m_encodingComboBox = new QComboBox;
    m_encodingComboBox->setObjectName(QStringLiteral("encodingComboBox"));
    for (const CsvEncoding::Encoding encoding : CsvEncoding::all) {
        m_encodingComboBox->addItem(CsvEncoding::displayName(encoding), int(encoding));
    }
    selectData(m_encodingComboBox, int(m_reader.encoding()));
    m_separatorComboBox = new QComboBox;
    m_separatorComboBox->setObjectName(QStringLiteral("separatorComboBox"));
    m_separatorComboBox->addItem(tr("Comma"), QChar(u','));
    m_separatorComboBox->addItem(tr("Semicolon"), QChar(u';'));
    m_separatorComboBox->addItem(tr("Tab"), QChar(u'\t'));
    selectData(m_separatorComboBox, m_reader.separator());
    connect(m_encodingComboBox, &QComboBox::currentIndexChanged, this, &CsvImportDialog::reread);
    connect(m_separatorComboBox, &QComboBox::currentIndexChanged, this, &CsvImportDialog::reread);
    m_encodingSampleLabel = new QLabel;
    m_encodingSampleLabel->setObjectName(QStringLiteral("encodingSampleLabel"));
    m_encodingSampleLabel->setTextFormat(Qt::PlainText);
    m_encodingSampleLabel->setToolTip(tr("A line of the file as the encoding reads it."));

    m_dateColumnComboBox = columnComboBox(QStringLiteral("dateColumnComboBox"));
    m_dateFormatComboBox = new QComboBox;
    m_dateFormatComboBox->setObjectName(QStringLiteral("dateFormatComboBox"));
    m_dateFormatComboBox->setEditable(true);
    // The label beside names the box; its typing field is a part of its own to a screen reader.
    m_dateFormatComboBox->lineEdit()->setAccessibleName(tr("Date format"));
    m_dateFormatComboBox->addItems(CsvRecordMapping::dateFormats());
    m_dateFormatComboBox->setToolTip(tr("yyyy year, M or MM month, d or dd day; other characters as they are."));
    connect(m_dateFormatComboBox, &QComboBox::currentTextChanged, this, &CsvImportDialog::mappingEdited);

    m_amountStyleComboBox = new QComboBox;
    m_amountStyleComboBox->setObjectName(QStringLiteral("amountStyleComboBox"));
    m_amountStyleComboBox->addItem(tr("One column"), int(CsvRecordMapping::AmountStyle::OneColumn));
    m_amountStyleComboBox->addItem(tr("Debits and credits in two columns"),
                                   int(CsvRecordMapping::AmountStyle::DebitAndCredit));
    connect(m_amountStyleComboBox, &QComboBox::currentIndexChanged, this, &CsvImportDialog::mappingEdited);
    m_amountSignComboBox = new QComboBox;
    m_amountSignComboBox->setObjectName(QStringLiteral("amountSignComboBox"));
    m_amountSignComboBox->addItem(tr("Outgoings negative"), int(CsvRecordMapping::AmountSign::OutgoingsNegative));
    m_amountSignComboBox->addItem(tr("Outgoings positive (card statements)"),
                                  int(CsvRecordMapping::AmountSign::OutgoingsPositive));
    connect(m_amountSignComboBox, &QComboBox::currentIndexChanged, this, &CsvImportDialog::mappingEdited);
    m_amountColumnComboBox = columnComboBox(QStringLiteral("amountColumnComboBox"));
    m_debitColumnComboBox = columnComboBox(QStringLiteral("debitColumnComboBox"));
    m_creditColumnComboBox = columnComboBox(QStringLiteral("creditColumnComboBox"));
    m_decimalMarkComboBox = new QComboBox;
    m_decimalMarkComboBox->setObjectName(QStringLiteral("decimalMarkComboBox"));
    m_decimalMarkComboBox->addItem(tr("Point: 1,234.56"), int(CsvAmountReader::DecimalMark::Point));
    m_decimalMarkComboBox->addItem(tr("Comma: 1.234,56"), int(CsvAmountReader::DecimalMark::Comma));
    connect(m_decimalMarkComboBox, &QComboBox::currentIndexChanged, this, &CsvImportDialog::mappingEdited);

    m_commentColumnComboBox = columnComboBox(QStringLiteral("commentColumnComboBox"));
    m_keywordsColumnComboBox = columnComboBox(QStringLiteral("keywordsColumnComboBox"));
    m_countedColumnComboBox = columnComboBox(QStringLiteral("countedColumnComboBox"));

    auto* settings = new QWidget;
    auto* grid = new QGridLayout(settings);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto label = [](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text);
        l->setBuddy(buddy);
        return l;
    };
    grid->addWidget(label(tr("&Encoding:"), m_encodingComboBox), 0, 0, Qt::AlignRight);
    grid->addWidget(m_encodingComboBox, 0, 1);
    grid->addWidget(label(tr("&Separator:"), m_separatorComboBox), 0, 2, Qt::AlignRight);
    grid->addWidget(m_separatorComboBox, 0, 3);
    grid->addWidget(m_encodingSampleLabel, 0, 4, 1, 3);

    grid->addWidget(buildStartLine(), 1, 0, 1, 6);

    grid->addWidget(label(tr("&Date:"), m_dateColumnComboBox), 2, 0, Qt::AlignRight);
    grid->addWidget(m_dateColumnComboBox, 2, 1);
    grid->addWidget(label(tr("&Format:"), m_dateFormatComboBox), 2, 2, Qt::AlignRight);
    grid->addWidget(m_dateFormatComboBox, 2, 3);
    grid->addWidget(buildDateReadings(), 3, 1, 1, 6);

    grid->addWidget(label(tr("A&mounts:"), m_amountStyleComboBox), 4, 0, Qt::AlignRight);
    grid->addWidget(m_amountStyleComboBox, 4, 1);
    m_amountColumnLabel = label(tr("&Column:"), m_amountColumnComboBox);
    grid->addWidget(m_amountColumnLabel, 4, 2, Qt::AlignRight);
    grid->addWidget(m_amountColumnComboBox, 4, 3);
    m_debitColumnLabel = label(tr("De&bits:"), m_debitColumnComboBox);
    grid->addWidget(m_debitColumnLabel, 4, 2, Qt::AlignRight);
    grid->addWidget(m_debitColumnComboBox, 4, 3);
    m_creditColumnLabel = label(tr("C&redits:"), m_creditColumnComboBox);
    grid->addWidget(m_creditColumnLabel, 4, 4, Qt::AlignRight);
    grid->addWidget(m_creditColumnComboBox, 4, 5);
    m_amountSignLabel = label(tr("Amounts a&re:"), m_amountSignComboBox);
    grid->addWidget(m_amountSignLabel, 5, 0, Qt::AlignRight);
    grid->addWidget(m_amountSignComboBox, 5, 1);
    grid->addWidget(label(tr("Decimal m&ark:"), m_decimalMarkComboBox), 5, 2, Qt::AlignRight);
    grid->addWidget(m_decimalMarkComboBox, 5, 3);

    grid->addWidget(label(tr("C&omment:"), m_commentColumnComboBox), 6, 0, Qt::AlignRight);
    grid->addWidget(m_commentColumnComboBox, 6, 1);
    grid->addWidget(label(tr("&Keywords:"), m_keywordsColumnComboBox), 6, 2, Qt::AlignRight);
    grid->addWidget(m_keywordsColumnComboBox, 6, 3);
    grid->addWidget(label(tr("Co&unted:"), m_countedColumnComboBox), 6, 4, Qt::AlignRight);
    grid->addWidget(m_countedColumnComboBox, 6, 5);

    m_keywordsToAddField = new QLineEdit;
    m_keywordsToAddField->setObjectName(QStringLiteral("keywordsToAddField"));
    m_keywordsToAddField->setPlaceholderText(tr("Keywords apart by semicolons"));
    m_keywordsToAddField->setToolTip(tr("Every record imported carries these keywords, besides its own."));
    connect(m_keywordsToAddField, &QLineEdit::editingFinished, this, [this] {
        if (keywordsToAdd() != m_mapping.keywordsToAdd) {
            mappingEdited();
        }
    });
    grid->addWidget(label(tr("Add ke&ywords:"), m_keywordsToAddField), 7, 0, Qt::AlignRight);
    grid->addWidget(m_keywordsToAddField, 7, 1, 1, 3);
    grid->setColumnStretch(6, 1);
    // One set of amount columns at a time, even before a file could be read.
    showAmountColumns();
    return settings;
}

void CsvImportDialog::buildControls() {
    m_fileModel = new CsvFileModel(this);
    m_planModel = new CsvPlanModel(this);
    connect(m_planModel, &CsvPlanModel::ticksChanged, this, &CsvImportDialog::showOutcome);

    m_fileTableView = previewTable(QStringLiteral("fileTableView"), tr("Lines of the file"), m_fileModel);
    m_recordTableView = previewTable(QStringLiteral("recordTableView"), tr("Records to import"), m_planModel);
    m_recordTableView->verticalHeader()->hide();
    m_recordTableView->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_recordTableView->horizontalHeader()->setSectionResizeMode(CsvPlanModel::CommentColumn, QHeaderView::Stretch);

    const auto titled = [](const QString& title, QWidget* view) {
        auto* box = new QWidget;
        auto* layout = new QVBoxLayout(box);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(new QLabel(title));
        layout->addWidget(view, 1);
        return box;
    };
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(titled(tr("In the file:"), m_fileTableView));
    splitter->addWidget(titled(tr("As imported:"), m_recordTableView));
    splitter->setStretchFactor(1, 2);

    m_rulesList = new ImportRulesList(*m_root, this);
    m_rulesList->setMaximumHeight(fontMetrics().height() * 5);
    connect(m_rulesList, &ImportRulesList::ticksChanged, this, &CsvImportDialog::rulesTicked);
    rulesTicked();

    m_problemsList = new QListWidget;
    m_problemsList->setObjectName(QStringLiteral("problemsList"));
    m_problemsList->setAccessibleName(tr("Lines left out"));
    m_problemsList->setMaximumHeight(fontMetrics().height() * 6);
    m_summaryLabel = new QLabel;
    m_summaryLabel->setObjectName(QStringLiteral("summaryLabel"));
    m_summaryLabel->setWordWrap(true);
    m_progressBar = new QProgressBar;
    m_progressBar->setObjectName(QStringLiteral("planProgressBar"));
    m_progressBar->setRange(0, CsvProgress::whole);
    m_progressBar->setTextVisible(false);
    m_progressTimer = new QTimer(this);
    m_progressTimer->setInterval(50);
    connect(m_progressTimer, &QTimer::timeout, this, &CsvImportDialog::showProgress);

    auto* buttons = new QDialogButtonBox;
    m_importButton = buttons->addButton(tr("Import"), QDialogButtonBox::AcceptRole);
    m_importButton->setObjectName(QStringLiteral("importButton"));
    m_importButton->setDefault(true);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CsvImportDialog::requestImport);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_mappingBar);
    layout->addWidget(buildSettings());
    layout->addWidget(splitter, 1);
    if (m_rulesList->count() > 0) {
        layout->addWidget(new QLabel(tr("Keyword rules of this import:")));
        layout->addWidget(m_rulesList);
    } else {
        m_rulesList->hide();
    }
    layout->addWidget(m_problemsList);
    layout->addWidget(m_progressBar);
    layout->addWidget(m_summaryLabel);
    layout->addWidget(buttons);
}

void CsvImportDialog::reread() {
    m_reader.setEncoding(CsvEncoding::Encoding(m_encodingComboBox->currentData().toInt()));
    m_reader.setSeparator(m_separatorComboBox->currentData().toChar());
    m_importWhenPlanned = false;
    if (!readHeadTable()) {
        m_readError = m_reader.errorString();
        m_planner->cancel();
        m_planModel->setPlan(nullptr);
        m_plan.reset();
        m_fileModel->setTable(nullptr, CsvRecordMapping());
        m_table.reset();
        m_wholeTable.reset();
        m_dateGuess.reset();
        showEncodingSample();
        showDateReadings();
        showOutcome();
        return;
    }
    m_readError.clear();
    // Another separator makes other columns: look at them afresh.
    if (m_table->columnCount() != m_guessedForColumns && !m_keepMapping) {
        m_mapping = CsvRecordMapping::guess(*m_table, m_reader.separator());
    }
    m_guessedForColumns = m_table->columnCount();
    m_keepMapping = false;
    guessDates(false);
    showEncodingSample();
    showMapping();
    replan();
}

bool CsvImportDialog::readHeadTable() {
    const QByteArrayView first = head(*m_bytes);
    const bool more = first.size() < m_bytes->size();
    m_wholeTable.reset();
    if (!m_reader.readHead(first, CsvFileModel::shownRows, more)) {
        return false;
    }
    if (m_reader.table().rowCount() == 0 && more) {
        // A first line longer than the head: the whole file it is.
        if (!m_reader.read(QByteArrayView(*m_bytes))) {
            return false;
        }
        m_wholeTable = std::make_shared<const CsvTable>(m_reader.takeTable());
        m_table = m_wholeTable;
        return true;
    }
    m_table = std::make_shared<const CsvTable>(m_reader.takeTable());
    // A small file is read whole already.
    if (!more && m_table->rowCount() < std::size_t(CsvFileModel::shownRows)) {
        m_wholeTable = m_table;
    }
    return true;
}

void CsvImportDialog::fillColumnChoices() {
    for (QComboBox* box : {m_dateColumnComboBox, m_amountColumnComboBox, m_debitColumnComboBox, m_creditColumnComboBox,
                           m_commentColumnComboBox, m_keywordsColumnComboBox, m_countedColumnComboBox}) {
        box->clear();
        box->addItem(tr("None"), CsvRecordMapping::noColumn);
        // Rows past the first may have more fields.
        const std::shared_ptr<const CsvTable>& table = m_wholeTable ? m_wholeTable : m_table;
        for (int column = 0; table && column < table->columnCount(); ++column) {
            box->addItem(CsvFileModel::columnTitle(m_table.get(), m_mapping, column), column);
        }
    }
}

void CsvImportDialog::showMapping() {
    m_showing = true;
    fillColumnChoices();
    if (m_table) {
        m_startLineSpinBox->setRange(1, int(qMin<qint64>(m_table->line(m_table->rowCount() - 1), INT_MAX)));
        if (m_mapping.startRow < m_table->rowCount()) {
            m_startLineSpinBox->setValue(int(qMin<qint64>(m_table->line(m_mapping.startRow), INT_MAX)));
        }
    }
    m_headerCheckBox->setChecked(m_mapping.hasHeader);
    selectData(m_dateColumnComboBox, m_mapping.dateColumn);
    m_dateFormatComboBox->setCurrentText(m_mapping.dateFormat);
    selectData(m_amountStyleComboBox, int(m_mapping.amountStyle));
    selectData(m_amountSignComboBox, int(m_mapping.amountSign));
    selectData(m_amountColumnComboBox, m_mapping.amountColumn);
    selectData(m_debitColumnComboBox, m_mapping.debitColumn);
    selectData(m_creditColumnComboBox, m_mapping.creditColumn);
    selectData(m_decimalMarkComboBox, int(m_mapping.decimalMark));
    selectData(m_commentColumnComboBox, m_mapping.commentColumn);
    selectData(m_keywordsColumnComboBox, m_mapping.keywordsColumn);
    selectData(m_countedColumnComboBox, m_mapping.countedColumn);
    m_keywordsToAddField->setText(m_mapping.keywordsToAdd.join(QStringLiteral("; ")));
    showAmountColumns();
    showDateReadings();
    m_showing = false;
}

void CsvImportDialog::showAmountColumns() {
    const bool oneColumn = m_mapping.amountStyle == CsvRecordMapping::AmountStyle::OneColumn;
    m_amountColumnLabel->setVisible(oneColumn);
    m_amountColumnComboBox->setVisible(oneColumn);
    m_amountSignLabel->setVisible(oneColumn);
    m_amountSignComboBox->setVisible(oneColumn);
    for (QWidget* widget :
         {static_cast<QWidget*>(m_debitColumnLabel), static_cast<QWidget*>(m_debitColumnComboBox),
          static_cast<QWidget*>(m_creditColumnLabel), static_cast<QWidget*>(m_creditColumnComboBox)}) {
        widget->setVisible(!oneColumn);
    }
}

void CsvImportDialog::mappingEdited() {
    if (m_showing || !m_table) {
        return;
    }
    const bool headerChanged = m_headerCheckBox->isChecked() != m_mapping.hasHeader;
    const bool styleChanged =
        CsvRecordMapping::AmountStyle(m_amountStyleComboBox->currentData().toInt()) != m_mapping.amountStyle;
    const bool dateColumnChanged = m_dateColumnComboBox->currentData().toInt() != m_mapping.dateColumn;
    m_mapping.hasHeader = m_headerCheckBox->isChecked();
    m_mapping.dateColumn = m_dateColumnComboBox->currentData().toInt();
    m_mapping.dateFormat = m_dateFormatComboBox->currentText();
    m_mapping.amountStyle = CsvRecordMapping::AmountStyle(m_amountStyleComboBox->currentData().toInt());
    m_mapping.amountSign = CsvRecordMapping::AmountSign(m_amountSignComboBox->currentData().toInt());
    m_mapping.amountColumn = m_amountColumnComboBox->currentData().toInt();
    m_mapping.debitColumn = m_debitColumnComboBox->currentData().toInt();
    m_mapping.creditColumn = m_creditColumnComboBox->currentData().toInt();
    m_mapping.decimalMark = CsvAmountReader::DecimalMark(m_decimalMarkComboBox->currentData().toInt());
    m_mapping.commentColumn = m_commentColumnComboBox->currentData().toInt();
    m_mapping.keywordsColumn = m_keywordsColumnComboBox->currentData().toInt();
    m_mapping.countedColumn = m_countedColumnComboBox->currentData().toInt();
    m_mapping.keywordsToAdd = keywordsToAdd();
    m_importWhenPlanned = false;
    if (headerChanged || dateColumnChanged) {
        // Other rows or another column of days: their format is looked for again.
        guessDates(dateColumnChanged);
    }
    if (headerChanged || styleChanged || dateColumnChanged) {
        // Column titles come from the header row; the amount choices follow the style.
        showMapping();
    } else {
        showDateReadings();
    }
    replan();
}

void CsvImportDialog::replan() {
    m_readError.clear();
    m_planModel->setPlan(nullptr);
    m_plan.reset();
    m_fileModel->setTable(m_table, m_mapping);
    if (m_wholeTable) {
        m_planner->start(m_wholeTable, m_mapping);
    } else {
        m_planner->start(m_bytes, m_reader.encoding(), m_reader.separator(), m_mapping);
    }
    m_progressBar->setValue(0);
    m_progressTimer->start();
    showOutcome();
}

bool CsvImportDialog::isPlanning() const {
    return m_planner->isRunning();
}

void CsvImportDialog::showProgress() {
    m_progressBar->setValue(m_planner->progress());
}

void CsvImportDialog::planReady() {
    m_progressTimer->stop();
    const CsvPlanner::Result& result = m_planner->result();
    if (!result.readError.isEmpty()) {
        // A fault past the first rows: they stay in view, the fault is told.
        m_readError = result.readError;
        m_importWhenPlanned = false;
        showOutcome();
        emit planned();
        return;
    }
    const bool wholeNew = !m_wholeTable;
    const bool moreColumns = wholeNew && result.table->columnCount() != m_table->columnCount();
    m_wholeTable = result.table;
    if (moreColumns) {
        showMapping();
    }
    if (wholeNew && settleDays()) {
        return;
    }
    m_plan = result.plan;
    m_planModel->setPlan(m_plan.get());
    m_recordTableView->resizeColumnToContents(CsvPlanModel::LineColumn);
    m_recordTableView->resizeColumnToContents(CsvPlanModel::ImportColumn);
    showOutcome();
    if (std::exchange(m_importWhenPlanned, false) && m_plan->canImport()) {
        QDialog::accept();
    }
    emit planned();
}

void CsvImportDialog::requestImport() {
    if (isPlanning()) {
        m_importWhenPlanned = true;
        showOutcome();
        return;
    }
    if (m_plan && m_plan->canImport()) {
        QDialog::accept();
    }
}

void CsvImportDialog::done(int result) {
    if (result != Accepted) {
        m_planner->cancel();
        m_importWhenPlanned = false;
    }
    QDialog::done(result);
}

void CsvImportDialog::applySavedMapping(const CsvSavedMapping& saved) {
    m_mapping = saved.mapping;
    m_keepMapping = true;
    m_mappingBar->setApplied(saved);
}

QStringList CsvImportDialog::keywordsToAdd() const {
    QStringList names;
    for (const QStringView name : QStringView(m_keywordsToAddField->text()).tokenize(u';')) {
        const QString trimmed = name.trimmed().toString();
        if (!trimmed.isEmpty() && !names.contains(trimmed)) {
            names.append(trimmed);
        }
    }
    return names;
}

CsvSavedMapping CsvImportDialog::mappingToRemember() const {
    CsvSavedMapping saved;
    saved.name = m_mappingBar->name();
    saved.encoding = m_reader.encoding();
    saved.mapping = m_mapping;
    if (m_table) {
        saved.shape = CsvFileShape::of(*m_table, m_reader.separator(), m_mapping);
    }
    return saved;
}

void CsvImportDialog::showOutcome() {
    m_problemsList->clear();
    QStringList summary;
    const bool planning = isPlanning() && m_readError.isEmpty();
    m_progressBar->setVisible(planning);
    if (planning) {
        summary << (m_importWhenPlanned ? tr("The records are imported once every row is read and checked.")
                                        : tr("Reading and checking every row of the file…"));
    } else if (!m_readError.isEmpty()) {
        m_problemsList->addItem(m_readError);
        summary << tr("The file cannot be read as chosen; nothing can be imported.");
    } else if (m_plan && !m_plan->mappingProblem().isEmpty()) {
        m_problemsList->addItem(m_plan->mappingProblem());
        summary << m_plan->mappingProblem();
    } else if (m_plan) {
        const std::vector<CsvImportPlan::Problem>& problems = m_plan->problems();
        for (std::size_t i = 0; i < problems.size() && i < shownProblems; ++i) {
            m_problemsList->addItem(tr("Line %1: %2").arg(problems[i].line).arg(problems[i].reason));
        }
        if (problems.size() > shownProblems) {
            m_problemsList->addItem(
                tr("… and %Ln more.", nullptr, int(qMin<std::size_t>(problems.size() - shownProblems, INT_MAX))));
        }
        summary << outcomeOfRows();
        if (m_plan->duplicateCount() > 0) {
            summary << tr("%Ln rows already in the library (same day, amount and comment): left out unless ticked.",
                          nullptr, int(m_plan->duplicateCount()));
        }
    }
    if (m_plan && m_plan->canImport()) {
        summary << tr("They go into the main library; Edit › Undo takes them out again.");
    }
    m_problemsList->setVisible(m_problemsList->count() > 0);
    m_summaryLabel->setText(summary.join(u' '));
    m_importButton->setEnabled(planning ? !m_importWhenPlanned : m_plan && m_plan->canImport());
    // Where the days read two ways, the button says which it takes.
    const bool ambiguous =
        m_dateGuess && m_dateGuess->isAmbiguous() && m_dateGuess->readings().contains(m_mapping.dateFormat);
    m_importButton->setText(
        ambiguous ? tr("Import with %1 as %2")
                        .arg(m_dateGuess->sampleText(),
                             dayText(CsvDateReader(m_mapping.dateFormat).read(m_dateGuess->sampleText(), nullptr)))
                  : tr("Import"));
}

QString CsvImportDialog::outcomeOfRows() const {
    const std::vector<CsvImportPlan::Problem>& problems = m_plan->problems();
    const QString records = tr("%Ln records to import", nullptr, int(m_plan->importedCount()));
    QStringList parts;
    if (!problems.empty()) {
        QStringList named;
        for (std::size_t i = 0; i < problems.size() && i < namedProblems; ++i) {
            // The reason's full stop would stand before the bracket's.
            QString reason = problems[i].reason;
            if (reason.endsWith(u'.')) {
                reason.chop(1);
            }
            named << tr("line %1: %2").arg(problems[i].line).arg(reason);
        }
        if (problems.size() > namedProblems) {
            named << QStringLiteral("…");
        }
        parts << tr("%1, %2 (%3).")
                     .arg(records, tr("%Ln lines left out", nullptr, int(problems.size())), named.join(u"; "));
    } else {
        parts << tr("%1.").arg(records);
    }
    if (m_mapping.startRow > 0 && m_mapping.startRow < m_table->rowCount()) {
        const qint64 line = m_table->line(m_mapping.startRow);
        parts << tr("What stands above line %1 is not read.").arg(line);
    }
    const CsvImportPlan::Totals totals = m_plan->totals();
    const LedgerFormat format;
    const int decimals = format.columnDecimals(totals.decimals);
    parts << tr("Incomings %1, outgoings %2, balance %3.")
                 .arg(format.formatSum(totals.incomings, decimals), format.formatSum(totals.outgoings, decimals),
                      format.formatSum(totals.incomings + totals.outgoings, decimals));
    return parts.join(u' ');
}

QString CsvImportDialog::dayText(QDate day) const {
    const QLocale locale;
    return locale.toString(day, CsvPlanModel::dayFormat(locale));
}

QWidget* CsvImportDialog::buildStartLine() {
    m_startLineSpinBox = new QSpinBox;
    m_startLineSpinBox->setObjectName(QStringLiteral("startLineSpinBox"));
    m_startLineSpinBox->setToolTip(tr("The line the table starts at. The lines above it, such as the name of the "
                                      "account and the period, are not read."));
    connect(m_startLineSpinBox, &QSpinBox::valueChanged, this, &CsvImportDialog::startLineEdited);
    m_headerCheckBox = new QCheckBox(tr("This line names the columns"));
    m_headerCheckBox->setObjectName(QStringLiteral("headerCheckBox"));
    connect(m_headerCheckBox, &QCheckBox::toggled, this, &CsvImportDialog::mappingEdited);

    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(tr("S&tart at line:"));
    label->setBuddy(m_startLineSpinBox);
    row->addWidget(label);
    row->addWidget(m_startLineSpinBox);
    row->addWidget(m_headerCheckBox);
    row->addStretch(1);
    return box;
}

void CsvImportDialog::startLineEdited(int line) {
    if (m_showing || !m_table) {
        return;
    }
    // The first row from that line on; the columns are looked at afresh from there.
    std::size_t row = 0;
    while (row + 1 < m_table->rowCount() && m_table->line(row) < line) {
        ++row;
    }
    // The keywords the user adds to every record are no column's: they stay.
    const QStringList keywords = m_mapping.keywordsToAdd;
    m_mapping = CsvRecordMapping::guessColumns(*m_table, row, CsvHeaderFinder::looksLikeNames(*m_table, row),
                                               m_reader.separator());
    m_mapping.keywordsToAdd = keywords;
    m_importWhenPlanned = false;
    guessDates(false);
    showMapping();
    replan();
}

QWidget* CsvImportDialog::buildDateReadings() {
    m_dateReadingBox = new QWidget;
    m_dateReadingBox->setObjectName(QStringLiteral("dateReadingBox"));
    auto* row = new QHBoxLayout(m_dateReadingBox);
    row->setContentsMargins(0, 0, 0, 0);
    m_dateReadingLabel = new QLabel;
    m_dateReadingLabel->setObjectName(QStringLiteral("dateReadingLabel"));
    row->addWidget(m_dateReadingLabel);
    row->addStretch(1);
    m_dateReadingGroup = new QButtonGroup(this);
    connect(m_dateReadingGroup, &QButtonGroup::buttonClicked, this, [this](QAbstractButton* button) {
        m_dateFormatComboBox->setCurrentText(button->property("format").toString());
    });
    m_dateOrderLabel = new QLabel;
    m_dateOrderLabel->setObjectName(QStringLiteral("dateOrderLabel"));
    m_dateOrderLabel->setWordWrap(true);

    auto* box = new QWidget;
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_dateReadingBox);
    column->addWidget(m_dateOrderLabel);
    m_dateReadingBox->hide();
    m_dateOrderLabel->hide();
    return box;
}

void CsvImportDialog::guessDates(bool chooseFormat) {
    if (!m_table || m_mapping.dateColumn == CsvRecordMapping::noColumn) {
        m_dateGuess.reset();
        return;
    }
    // Every row once they are read; the first rows until then.
    const CsvTable& table = m_wholeTable ? *m_wholeTable : *m_table;
    m_dateGuess = std::make_unique<CsvDateGuess>(table, m_mapping.dateColumn, m_mapping.firstRecordRow());
    const QString preferred = m_dateGuess->preferred(QLocale());
    if (chooseFormat && !preferred.isEmpty()) {
        m_mapping.dateFormat = preferred;
    }
}

bool CsvImportDialog::settleDays() {
    // Only a reading offered for the first rows gives way; a format typed by hand stays.
    const bool offered = m_dateGuess && m_dateGuess->readings().contains(m_mapping.dateFormat);
    guessDates(false);
    if (!offered || !m_dateGuess || m_dateGuess->readings().isEmpty() ||
        m_dateGuess->readings().contains(m_mapping.dateFormat)) {
        showDateReadings();
        return false;
    }
    m_mapping.dateFormat = m_dateGuess->preferred(QLocale());
    // What Import was asked for has changed: the user sees it first.
    m_importWhenPlanned = false;
    showMapping();
    replan();
    return true;
}

void CsvImportDialog::showDateReadings() {
    const bool ambiguous = m_dateGuess && m_dateGuess->isAmbiguous();
    const QStringList readings = ambiguous ? m_dateGuess->readings() : QStringList();
    const QString sample = ambiguous ? m_dateGuess->sampleText() : QString();
    QStringList shown;
    for (const QAbstractButton* button : m_dateReadingGroup->buttons()) {
        shown << button->property("format").toString();
    }
    // Made afresh only for other readings: a click on one comes here too.
    if (shown != readings || m_dateReadingBox->property("sample").toString() != sample) {
        for (QAbstractButton* button : m_dateReadingGroup->buttons()) {
            m_dateReadingGroup->removeButton(button);
            button->setParent(nullptr);
            button->deleteLater();
        }
        m_dateReadingBox->setProperty("sample", sample);
        m_dateReadingLabel->setText(tr("Every day in the file reads more than one way. Is “%1”").arg(sample));
        auto* row = static_cast<QHBoxLayout*>(m_dateReadingBox->layout());
        int at = 1;
        for (const QString& format : readings) {
            auto* button =
                new QRadioButton(tr("%1 (%2)").arg(dayText(CsvDateReader(format).read(sample, nullptr)), format));
            button->setObjectName(QStringLiteral("dateReadingRadioButton"));
            button->setProperty("format", format);
            m_dateReadingGroup->addButton(button);
            row->insertWidget(at++, button);
        }
    }
    // A format typed by hand may be none of them.
    m_dateReadingGroup->setExclusive(false);
    for (QAbstractButton* button : m_dateReadingGroup->buttons()) {
        button->setChecked(button->property("format").toString() == m_mapping.dateFormat);
    }
    m_dateReadingGroup->setExclusive(true);
    m_dateReadingBox->setVisible(ambiguous);

    const QString ordered = m_dateGuess ? m_dateGuess->orderedInstead(m_mapping.dateFormat) : QString();
    m_dateOrderLabel->setVisible(!ordered.isEmpty());
    m_dateOrderLabel->setText(
        ordered.isEmpty()
            ? QString()
            : tr("Read as %1 the days are not in order; read as %2 they are.").arg(m_mapping.dateFormat, ordered));
}

void CsvImportDialog::showEncodingSample() {
    QString line = CsvEncoding::sampleLine(head(*m_bytes), m_reader.encoding());
    // From a little before the first letter beyond ASCII, which tells the encodings apart.
    constexpr qsizetype lead = 20;
    const auto beyond = std::find_if(line.cbegin(), line.cend(), [](QChar c) { return c.unicode() >= 0x80; });
    if (beyond - line.cbegin() > lead) {
        line = QStringLiteral("…") + line.sliced(beyond - line.cbegin() - lead);
    }
    m_encodingSampleLabel->setText(
        fontMetrics().elidedText(line, Qt::ElideRight, fontMetrics().averageCharWidth() * 60));
}
