#include "ReportWindow.h"

#include "Alert.h"
#include "Clock.h"
#include "CsvWriter.h"
#include "DateField.h"
#include "KeywordChartView.h"
#include "LibraryDocument.h"
#include "RecordPrinter.h"
#include "ReportSheets.h"
#include "ShownBook.h"
#include "StartFolder.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMetaObject>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
QTableWidget* makeTable(const QString& name) {
    auto* table = new QTableWidget;
    table->setObjectName(name);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectItems);
    table->verticalHeader()->hide();
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    return table;
}
} // namespace

ReportWindow::ReportWindow(LibraryDocument* document, ShownBook* shownBook, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_document(document)
    , m_shownBook(shownBook) {
    setObjectName(QStringLiteral("reportWindow"));
    setWindowTitle(tr("Reports"));

    m_chart = new KeywordChartView;
    m_keywordTable = makeTable(QStringLiteral("keywordTable"));
    m_monthTable = makeTable(QStringLiteral("monthTable"));
    m_commentTable = makeTable(QStringLiteral("commentTable"));
    auto* split = new QSplitter;
    split->addWidget(m_chart);
    split->addWidget(m_keywordTable);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    // The table's five columns of figures need about as much as the chart with its legend.
    split->setSizes({fontMetrics().height() * 34, fontMetrics().height() * 36});
    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("reportTabs"));
    m_tabs->insertTab(KeywordTab, split, tr("By &Keyword"));
    m_tabs->insertTab(MonthTab, m_monthTable, tr("By &Month"));
    m_tabs->insertTab(CommentTab, m_commentTable, tr("Top &Comments"));

    m_summary = new QLabel;
    m_summary->setObjectName(QStringLiteral("summaryLabel"));
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildControls());
    layout->addWidget(m_tabs, 1);
    layout->addWidget(m_summary);
    layout->addWidget(buildButtons());

    connect(m_chart, &KeywordChartView::rowClicked, this, &ReportWindow::keywordCellClicked);
    connect(m_keywordTable, &QTableWidget::cellClicked, this, [this](int row) { keywordCellClicked(row); });
    connect(m_monthTable, &QTableWidget::cellClicked, this, &ReportWindow::monthCellClicked);
    connect(m_commentTable, &QTableWidget::cellClicked, this, [this](int row) { commentCellClicked(row); });

    // Every change of the library, and of what the main window shows, once the event loop has it.
    connect(document, &LibraryDocument::changed, this, &ReportWindow::noteChange);
    connect(shownBook, &ShownBook::refreshed, this, &ReportWindow::noteChange);
    connect(shownBook, &ShownBook::figuresChanged, this, &ReportWindow::noteChange);

    auto* close = new QAction(this);
    close->setShortcut(QKeySequence::Close);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
    auto* copy = new QAction(this);
    copy->setShortcut(QKeySequence::Copy);
    connect(copy, &QAction::triggered, this, &ReportWindow::copyTable);
    addAction(copy);
    auto* printAction = new QAction(this);
    printAction->setShortcut(QKeySequence::Print);
    connect(printAction, &QAction::triggered, this, &ReportWindow::print);
    addAction(printAction);

    fillBooks();
    setRange(Range::ThisYear);
    const QFontMetrics metrics = fontMetrics();
    resize(metrics.height() * 72, metrics.height() * 38);
}

ReportWindow::~ReportWindow() = default;

QWidget* ReportWindow::buildControls() {
    m_bookBox = new QComboBox;
    m_bookBox->setObjectName(QStringLiteral("bookComboBox"));
    m_rangeBox = new QComboBox;
    m_rangeBox->setObjectName(QStringLiteral("rangeComboBox"));
    m_rangeBox->addItem(tr("This Month"), int(Range::ThisMonth));
    m_rangeBox->addItem(tr("Last Month"), int(Range::LastMonth));
    m_rangeBox->addItem(tr("This Year"), int(Range::ThisYear));
    m_rangeBox->addItem(tr("Last 12 Months"), int(Range::Last12Months));
    m_rangeBox->addItem(tr("All Days"), int(Range::All));
    m_rangeBox->addItem(tr("From – To"), int(Range::Custom));
    m_fromField = new DateField;
    m_fromField->setObjectName(QStringLiteral("fromDateField"));
    m_fromField->setFarDaysNoted(false);
    m_toField = new DateField;
    m_toField->setObjectName(QStringLiteral("toDateField"));
    m_toField->setFarDaysNoted(false);
    // The whole day stays readable however narrow the window.
    m_fromField->setMinimumWidth(m_fromField->sizeHint().width());
    m_toField->setMinimumWidth(m_toField->sizeHint().width());
    m_sideBox = new QComboBox;
    m_sideBox->setObjectName(QStringLiteral("sideComboBox"));
    m_sideBox->addItem(tr("Spending"), int(ReportSide::Spending));
    m_sideBox->addItem(tr("Income"), int(ReportSide::Income));
    m_chartBox = new QComboBox;
    m_chartBox->setObjectName(QStringLiteral("chartComboBox"));
    m_chartBox->addItem(tr("Donut"), int(KeywordChartView::Style::Donut));
    m_chartBox->addItem(tr("Bars"), int(KeywordChartView::Style::Bars));

    connect(m_bookBox, &QComboBox::currentIndexChanged, this, &ReportWindow::noteChange);
    connect(m_rangeBox, &QComboBox::currentIndexChanged, this, &ReportWindow::rangeChosen);
    connect(m_fromField, &DateField::dateEdited, this, &ReportWindow::noteChange);
    connect(m_toField, &DateField::dateEdited, this, &ReportWindow::noteChange);
    connect(m_sideBox, &QComboBox::currentIndexChanged, this, &ReportWindow::noteChange);
    connect(m_chartBox, &QComboBox::currentIndexChanged, this, &ReportWindow::noteChange);

    auto* controls = new QWidget;
    auto* row = new QHBoxLayout(controls);
    row->setContentsMargins(0, 0, 0, 0);
    const auto labelled = [row](const QString& text, QWidget* field) {
        auto* label = new QLabel(text);
        label->setBuddy(field);
        row->addWidget(label);
        row->addWidget(field);
    };
    labelled(tr("&Book:"), m_bookBox);
    labelled(tr("&Days:"), m_rangeBox);
    row->addWidget(m_fromField);
    row->addWidget(new QLabel(tr("–")));
    row->addWidget(m_toField);
    labelled(tr("&Show:"), m_sideBox);
    labelled(tr("C&hart:"), m_chartBox);
    row->addStretch(1);
    return controls;
}

QWidget* ReportWindow::buildButtons() {
    auto* buttons = new QWidget;
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    const auto add = [this, row](const QString& name, const QString& text, void (ReportWindow::*command)()) {
        auto* button = new QPushButton(text);
        button->setObjectName(name);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, command);
        row->addWidget(button);
    };
    row->addStretch(1);
    add(QStringLiteral("copyButton"), tr("Copy Table"), &ReportWindow::copyTable);
    add(QStringLiteral("exportCsvButton"), tr("Export CSV…"), &ReportWindow::exportCsv);
    add(QStringLiteral("exportPdfButton"), tr("Export PDF…"), &ReportWindow::exportPdf);
    add(QStringLiteral("printButton"), tr("Print…"), &ReportWindow::print);
    return buttons;
}

void ReportWindow::fillBooks() {
    const DataRootPtr& root = m_document->root();
    std::vector<std::weak_ptr<Book>> books;
    QStringList names;
    for (std::size_t i = 0; i < root->bookCount(); ++i) {
        const BookPtr book = root->bookAtIndex(i);
        books.push_back(book);
        names << book->bookName();
    }
    QStringList shown;
    for (int i = 1; i < m_bookBox->count(); ++i) {
        shown << m_bookBox->itemText(i);
    }
    const bool same = m_bookBox->count() > 0 && names == shown &&
                      std::equal(books.begin(), books.end(), m_books.begin(), m_books.end(),
                                 [](const auto& a, const auto& b) { return a.lock() == b.lock(); });
    if (same) {
        return;
    }
    const BookPtr chosen = book();
    const QSignalBlocker blocker(m_bookBox);
    m_bookBox->clear();
    m_bookBox->addItem(tr("As the Main Window Shows"));
    m_bookBox->addItems(names);
    m_books = std::move(books);
    setBook(chosen);
}

void ReportWindow::setBook(const BookPtr& book) {
    int index = 0;
    for (std::size_t i = 0; book && i < m_books.size(); ++i) {
        if (m_books[i].lock() == book) {
            index = int(i) + 1;
        }
    }
    m_bookBox->setCurrentIndex(index);
}

BookPtr ReportWindow::book() const {
    const int index = m_bookBox->currentIndex();
    return index > 0 && std::size_t(index) <= m_books.size() ? m_books[std::size_t(index) - 1].lock() : nullptr;
}

void ReportWindow::setRange(Range range) {
    m_rangeBox->setCurrentIndex(m_rangeBox->findData(int(range)));
    rangeChosen();
}

void ReportWindow::setDays(QDate first, QDate last) {
    m_rangeBox->setCurrentIndex(m_rangeBox->findData(int(Range::Custom)));
    m_fromField->setDate(first);
    m_toField->setDate(last);
    noteChange();
}

void ReportWindow::rangeChosen() {
    const auto range = Range(m_rangeBox->currentData().toInt());
    const bool custom = range == Range::Custom;
    m_fromField->setEnabled(custom);
    m_toField->setEnabled(custom);
    if (!custom) {
        // The fields show the preset's days, where a custom range starts from.
        const DayRange preset = DayRange::preset(DayRange::Preset(int(range)), Clock::today());
        m_fromField->setDate(preset.first());
        m_toField->setDate(preset.last());
    }
    noteChange();
}

DayRange ReportWindow::days() const {
    const auto range = Range(m_rangeBox->currentData().toInt());
    if (range == Range::Custom) {
        return DayRange(m_fromField->date(), m_toField->date());
    }
    return DayRange::preset(DayRange::Preset(int(range)), Clock::today());
}

void ReportWindow::setSide(ReportSide side) {
    m_sideBox->setCurrentIndex(m_sideBox->findData(int(side)));
}

void ReportWindow::setChartStyle(int style) {
    m_chartBox->setCurrentIndex(m_chartBox->findData(style));
}

void ReportWindow::setAmountDecimals(int decimals) {
    if (decimals != m_decimals) {
        m_decimals = decimals;
        noteChange();
    }
}

QTableWidget* ReportWindow::table(Tab tab) const {
    return tab == KeywordTab ? m_keywordTable : tab == MonthTab ? m_monthTable : m_commentTable;
}

void ReportWindow::noteChange() {
    m_stale = true;
    if (m_queued || !isVisible()) {
        return;
    }
    m_queued = true;
    // After the main window's own refresh, which was asked for first.
    QMetaObject::invokeMethod(this, &ReportWindow::updateNow, Qt::QueuedConnection);
}

void ReportWindow::updateNow() {
    m_queued = false;
    if (m_stale) {
        recompute();
    }
}

void ReportWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_stale) {
        recompute();
    }
}

void ReportWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}

IOList ReportWindow::sourceRecords() const {
    const BookPtr chosen = book();
    if (!chosen) {
        const BookPtr& shown = m_shownBook->book();
        return shown ? shown->filteredList() : IOList();
    }
    if (chosen->isSmart() && chosen != m_shownBook->book()) {
        // A smart book the main window does not show has not followed the library.
        m_document->refreshBook(chosen, QString(), {});
    }
    return chosen->records();
}

void ReportWindow::recompute() {
    m_stale = false;
    fillBooks();
    const IOList records = sourceRecords();
    const DayRange range = days();
    const auto side = ReportSide(m_sideBox->currentData().toInt());
    m_keywords = KeywordReport(records, range, side);
    m_comments = CommentReport(records, range, side);
    setWindowTitle(tr("Reports of %1").arg(bookTitle()));

    const ReportSheets sheets(m_decimals);
    const PrintTable byKeyword = sheets.byKeyword(m_keywords);
    showSheet(m_keywordTable, byKeyword);
    showSheet(m_monthTable, sheets.byMonth(m_keywords));
    showSheet(m_commentTable, sheets.byComment(m_comments));
    QStringList names;
    for (const KeywordReport::Row& row : m_keywords.rows()) {
        names << sheets.keywordName(row);
    }
    m_chart->showReport(m_keywords, names, KeywordChartView::Style(m_chartBox->currentData().toInt()));
    showSummary();
}

void ReportWindow::showSheet(QTableWidget* table, const PrintTable& sheet) {
    table->clear();
    table->setColumnCount(int(sheet.headers.size()));
    table->setRowCount(int(sheet.rows.size()));
    table->setHorizontalHeaderLabels(sheet.headers);
    const int reportRows = table == m_commentTable ? int(m_comments.rows().size()) : int(m_keywords.rows().size());
    for (int r = 0; r < sheet.rows.size(); ++r) {
        for (int c = 0; c < sheet.rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(sheet.rows[r][c]);
            item->setTextAlignment((sheet.rightAligned.value(c) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
            if (r >= reportRows) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            table->setItem(r, c, item);
        }
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(false);
}

void ReportWindow::showSummary() {
    const ReportSheets sheets(m_decimals);
    QStringList lines;
    if (m_keywords.recordCount() == 0) {
        lines << tr("No counted records within these days.");
    } else {
        lines << tr("Total %1 in %n record(s).", nullptr, int(m_keywords.recordCount()))
                     .arg(sheets.sum(m_keywords.total()));
    }
    if (m_keywords.recordsInSeveral() > 0) {
        lines << tr("%n record(s) with several keywords count in the row of each: the rows add up to %1 more than "
                    "the total.",
                    nullptr, int(m_keywords.recordsInSeveral()))
                     .arg(sheets.sum(m_keywords.countedInSeveral()));
    }
    if (m_keywords.uncountedRecords() > 0) {
        lines << tr("%n record(s) not counted in the statistics are left out.", nullptr,
                    int(m_keywords.uncountedRecords()));
    }
    m_summary->setText(lines.join(u' '));
}

QString ReportWindow::bookTitle() const {
    const BookPtr chosen = book();
    const BookPtr shown = chosen ? chosen : m_shownBook->book();
    return shown ? shown->bookName() : QString();
}

QStringList ReportWindow::titleLines() const {
    QStringList lines;
    const LedgerFormat format;
    const DayRange range = days();
    lines << (m_keywords.side() == ReportSide::Spending ? tr("Spending") : tr("Income"));
    if (range.isAll()) {
        lines << tr("All days");
    } else {
        lines << tr("Days: %1 – %2").arg(format.formatDate(range.first()), format.formatDate(range.last()));
    }
    if (!book()) {
        if (!m_shownBook->searchKey().isEmpty()) {
            lines << tr("Search: “%1”").arg(m_shownBook->searchKey());
        }
        QStringList keywords;
        for (const KeywordPtr& keyword : m_shownBook->searchKeywords()) {
            keywords << keyword->name();
        }
        if (!keywords.isEmpty()) {
            lines << tr("Keywords: %1").arg(QLocale().createSeparatedList(keywords));
        }
    }
    return lines;
}

PrintTable ReportWindow::sheet(Tab tab) const {
    const ReportSheets sheets(m_decimals);
    PrintTable table = tab == KeywordTab ? sheets.byKeyword(m_keywords)
                       : tab == MonthTab ? sheets.byMonth(m_keywords)
                                         : sheets.byComment(m_comments);
    const QString view = tab == KeywordTab ? tr("by keyword") : tab == MonthTab ? tr("by month") : tr("by comment");
    table.title = tr("%1 — %2").arg(bookTitle(), view);
    table.subtitles = titleLines();
    if (m_keywords.recordsInSeveral() > 0 && tab != CommentTab) {
        table.totals << m_summary->text();
    }
    return table;
}

PrintTable ReportWindow::currentSheet() const {
    return sheet(Tab(m_tabs->currentIndex()));
}

QString ReportWindow::sheetText(Tab tab) const {
    const PrintTable table = sheet(tab);
    QStringList lines{table.headers.join(u'\t')};
    for (const QStringList& row : table.rows) {
        lines << row.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

bool ReportWindow::writeCsv(Tab tab, const QString& filePath, QString* error) const {
    const PrintTable table = sheet(tab);
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    CsvWriter writer(&file);
    for (const QString& header : table.headers) {
        writer.addTextField(header);
    }
    writer.endRow();
    for (const QStringList& row : table.rows) {
        for (const QString& cell : row) {
            writer.addTextField(cell);
        }
        writer.endRow();
    }
    if (!writer.flush()) {
        *error = writer.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

void ReportWindow::copyTable() {
    QApplication::clipboard()->setText(sheetText(Tab(m_tabs->currentIndex())));
}

void ReportWindow::exportCsv() {
    const QString start = QDir(StartFolder::documents()).filePath(currentSheet().title + QStringLiteral(".csv"));
    const QString path = QFileDialog::getSaveFileName(this, tr("Export Report"), start, tr("CSV files (*.csv)"));
    QString error;
    if (!path.isEmpty() && !writeCsv(Tab(m_tabs->currentIndex()), path, &error)) {
        Alert::inform(this, QStringLiteral("reportNotWrittenAlert"), Alert::Icon::Warning,
                      tr("The report could not be written"),
                      tr("“%1” could not be written: %2").arg(QDir::toNativeSeparators(path), error));
    }
}

void ReportWindow::print() {
    const RecordPrinter printer(currentSheet());
    QPrinter device;
    QPrintPreviewDialog preview(&device, this);
    preview.setObjectName(QStringLiteral("printPreviewDialog"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&printer](QPrinter* target) { printer.print(target); });
    preview.exec();
}

void ReportWindow::exportPdf() {
    const PrintTable table = currentSheet();
    const QString start = QDir(StartFolder::documents()).filePath(table.title + QStringLiteral(".pdf"));
    const QString path = QFileDialog::getSaveFileName(this, tr("Export PDF"), start, tr("PDF files (*.pdf)"));
    if (!path.isEmpty() && !RecordPrinter(table).writePdf(path)) {
        Alert::inform(this, QStringLiteral("pdfNotWrittenAlert"), Alert::Icon::Warning,
                      tr("The PDF could not be written"),
                      tr("“%1” could not be written.").arg(QDir::toNativeSeparators(path)));
    }
}

void ReportWindow::keywordCellClicked(int row) {
    if (row < 0) {
        return;
    }
    const bool ofRow = std::size_t(row) < m_keywords.rows().size();
    const KeywordPtr keyword = ofRow ? m_keywords.rows()[std::size_t(row)].keyword : nullptr;
    request(keyword, QString(), days(), ofRow && !keyword);
}

void ReportWindow::monthCellClicked(int row, int column) {
    const bool ofRow = row >= 0 && std::size_t(row) < m_keywords.rows().size();
    const KeywordPtr keyword = ofRow ? m_keywords.rows()[std::size_t(row)].keyword : nullptr;
    DayRange range = days();
    // A month column narrows to that month, within the report's days.
    const int month = column - 1;
    if (month >= 0 && std::size_t(month) < m_keywords.months().size()) {
        const QDate start = m_keywords.months()[std::size_t(month)];
        const QDate end = start.addMonths(1).addDays(-1);
        range = DayRange(range.first().isValid() ? std::max(start, range.first()) : start,
                         range.last().isValid() ? std::min(end, range.last()) : end);
    }
    request(keyword, QString(), range, ofRow && !keyword);
}

void ReportWindow::commentCellClicked(int row) {
    if (row >= 0 && std::size_t(row) < m_comments.rows().size()) {
        request(nullptr, m_comments.rows()[std::size_t(row)].comment, days());
    } else {
        request(nullptr, QString(), days());
    }
}

void ReportWindow::request(const KeywordPtr& keyword, const QString& comment, const DayRange& range,
                           bool withoutKeywords) {
    // Following the main window, the report would follow the search it asks for: it keeps to the book instead.
    BookPtr chosen = book();
    if (!chosen) {
        chosen = m_shownBook->book();
        setBook(chosen);
        updateNow();
    }
    emit recordsRequested(ReportSelection{chosen, keyword, comment, range, withoutKeywords});
}
