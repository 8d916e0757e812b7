#include "GraphWindow.h"

#include "Alert.h"
#include "Clock.h"
#include "LedgerChartView.h"
#include "RestoredFrame.h"
#include "StartFolder.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDataStream>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QSaveFile>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// The first frames had no months ahead.
constexpr quint32 frameVersionWithoutAhead = 1;
constexpr quint32 frameVersion = 2;

enum Page { ChartPage, EmptyPage };
} // namespace

GraphWindow::GraphWindow(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("graphWindow"));
    setWindowTitle(tr("Graph"));

    m_periodBox = new QComboBox;
    m_periodBox->setObjectName(QStringLiteral("periodComboBox"));
    m_periodBox->addItem(tr("Week"), int(PeriodTotals::Period::Week));
    m_periodBox->addItem(tr("Month"), int(PeriodTotals::Period::Month));
    m_periodBox->addItem(tr("Year"), int(PeriodTotals::Period::Year));
    m_periodBox->setCurrentIndex(1);
    connect(m_periodBox, &QComboBox::currentIndexChanged, this, &GraphWindow::redrawWhenShown);
    auto* periodLabel = new QLabel(tr("&Sum by:"));
    periodLabel->setBuddy(m_periodBox);

    m_aheadBox = new QComboBox;
    m_aheadBox->setObjectName(QStringLiteral("aheadComboBox"));
    m_aheadBox->addItem(tr("None"), 0);
    for (const int months : {3, 6, 12}) {
        m_aheadBox->addItem(tr("%n months", nullptr, months), months);
    }
    m_aheadBox->setToolTip(tr("The balance the recurring records lead to, as a dashed line"));
    connect(m_aheadBox, &QComboBox::currentIndexChanged, this, &GraphWindow::redrawWhenShown);
    auto* aheadLabel = new QLabel(tr("&Ahead:"));
    aheadLabel->setBuddy(m_aheadBox);

    m_chartView = new LedgerChartView;
    m_chartView->setAccessibleName(tr("Graph"));
    m_chartView->viewport()->setAccessibleName(tr("Graph"));
    m_chartView->setAccessibleDescription(tr("Incomings and outgoings of each period as bars, the balance as a line."));
    m_emptyTitle = new QLabel;
    m_emptyTitle->setObjectName(QStringLiteral("emptyTitleLabel"));
    m_emptyTitle->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    QFont titleFont = m_emptyTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    titleFont.setBold(true);
    m_emptyTitle->setFont(titleFont);
    m_emptyHint = new QLabel;
    m_emptyHint->setObjectName(QStringLiteral("emptyHintLabel"));
    m_emptyHint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_emptyHint->setWordWrap(true);
    m_emptyHint->setForegroundRole(QPalette::PlaceholderText);

    auto* empty = new QWidget;
    auto* emptyLayout = new QVBoxLayout(empty);
    emptyLayout->addWidget(m_emptyTitle, 1);
    emptyLayout->addWidget(m_emptyHint, 1);

    m_pages = new QStackedWidget;
    m_pages->setObjectName(QStringLiteral("graphPages"));
    m_pages->insertWidget(ChartPage, m_chartView);
    m_pages->insertWidget(EmptyPage, empty);

    auto* top = new QHBoxLayout;
    top->addWidget(periodLabel);
    top->addWidget(m_periodBox);
    top->addSpacing(fontMetrics().averageCharWidth() * 2);
    top->addWidget(aheadLabel);
    top->addWidget(m_aheadBox);
    top->addStretch(1);
    const auto addExport = [this, top](const QString& name, const QString& text, const QString& suffix) {
        auto* button = new QToolButton;
        button->setObjectName(name);
        button->setText(text);
        connect(button, &QToolButton::clicked, this, [this, suffix] { exportAs(suffix); });
        top->addWidget(button);
    };
    addExport(QStringLiteral("exportPngButton"), tr("Export PNG…"), QStringLiteral("png"));
    addExport(QStringLiteral("exportPdfButton"), tr("Export PDF…"), QStringLiteral("pdf"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_pages, 1);

    auto* close = new QAction(this);
    close->setShortcut(QKeySequence::Close);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);

    const QFontMetrics metrics = fontMetrics();
    resize(metrics.height() * 48, metrics.height() * 28);
    showEmpty(QString(), QString());
}

GraphWindow::~GraphWindow() = default;

PeriodTotals::Period GraphWindow::period() const {
    return PeriodTotals::Period(m_periodBox->currentData().toInt());
}

void GraphWindow::setPeriod(PeriodTotals::Period period) {
    m_periodBox->setCurrentIndex(m_periodBox->findData(int(period)));
}

int GraphWindow::monthsAhead() const {
    return m_aheadBox->currentData().toInt();
}

void GraphWindow::setMonthsAhead(int months) {
    const int index = m_aheadBox->findData(months);
    if (index >= 0) {
        m_aheadBox->setCurrentIndex(index);
    }
}

void GraphWindow::setRecurringRecords(RecurringRecordList records) {
    m_recurringRecords = std::move(records);
    redrawWhenShown();
}

void GraphWindow::redrawWhenShown() {
    m_stale = true;
    if (isVisible()) {
        redraw();
    }
}

const PeriodTotals& GraphWindow::totals() const {
    return m_chartView->totals();
}

void GraphWindow::reloadGraph(const BookPtr& book, bool isMainLibrary, int amountDecimals) {
    m_chartView->setAmountDecimals(amountDecimals);
    m_book = book;
    m_isMainLibrary = isMainLibrary;
    redrawWhenShown();
}

void GraphWindow::showTitle() {
    const BookPtr book = m_book.lock();
    setWindowTitle(book ? tr("Graph of %1").arg(book->bookName()) : tr("Graph"));
}

void GraphWindow::redraw() {
    showTitle();
    m_stale = false;
    const BookPtr book = m_book.lock();
    if (!book) {
        m_chartView->showTotals(PeriodTotals());
        showEmpty(QString(), QString());
        return;
    }
    PeriodTotals drawn(book->filteredList(), period(), QLocale().firstDayOfWeek());
    std::vector<BalanceForecast::Point> ahead = aheadOf(*book, drawn);
    m_chartView->showTotals(std::move(drawn), std::move(ahead));
    if (book->count() == 0) {
        showEmpty(tr("No records in this book"),
                  m_isMainLibrary ? tr("Enter records or import a library, and their incomings and outgoings "
                                       "show here.")
                  : book->isSmart()
                      ? tr("No record meets this smart book's conditions. Edit the conditions to choose records.")
                      : tr("Drag records from the library onto this book in the book list to file them here."));
    } else if (book->filteredCount() == 0) {
        showEmpty(tr("No records match the search"), tr("Clear the search field to see the whole book."));
    } else if (totals().isEmpty()) {
        showEmpty(tr("None of these records count in the statistics"),
                  tr("Tick “Counted” for a record in the list to add it to the totals and to the graph."));
    } else {
        m_pages->setCurrentIndex(ChartPage);
    }
}

std::vector<BalanceForecast::Point> GraphWindow::aheadOf(const Book& book, const PeriodTotals& totals) const {
    // The recurring records are entered into the main library alone, so
    // only its balance goes on as they lead it; a plain or smart book may
    // never receive them. A search leaves a part of the library, whose
    // balance the whole of them would not continue.
    if (!m_isMainLibrary || book.filteredCount() != book.count()) {
        return {};
    }
    return BalanceForecast::ahead(totals, m_recurringRecords, Clock::today(), monthsAhead());
}

void GraphWindow::showEmpty(const QString& title, const QString& hint) {
    m_emptyTitle->setText(title);
    m_emptyHint->setText(hint);
    m_pages->setCurrentIndex(EmptyPage);
}

bool GraphWindow::exportPng(const QString& filePath) const {
    QSaveFile file(filePath);
    const QPixmap picture = m_chartView->grab();
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG")) {
        return false;
    }
    return file.commit();
}

bool GraphWindow::exportPdf(const QString& filePath) const {
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(windowTitle());
        writer.setCreator(QStringLiteral("kesh"));
        // One page of the chart's own shape, at the screen's resolution.
        const QSize size = m_chartView->size();
        writer.setResolution(m_chartView->logicalDpiX());
        writer.setPageMargins(QMarginsF());
        writer.setPageSize(QPageSize(QSizeF(size) * 72.0 / m_chartView->logicalDpiX(), QPageSize::Point));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return false;
        }
        m_chartView->render(&painter, QRectF(0, 0, writer.width(), writer.height()));
    }
    return file.commit();
}

void GraphWindow::exportAs(const QString& suffix) {
    const BookPtr book = m_book.lock();
    const QString name = (book ? book->bookName() : tr("Graph")) + u'.' + suffix;
    const bool png = suffix == QLatin1String("png");
    const QString path = QFileDialog::getSaveFileName(this, png ? tr("Export PNG") : tr("Export PDF"),
                                                      QDir(StartFolder::documents()).filePath(name),
                                                      png ? tr("PNG pictures (*.png)") : tr("PDF files (*.pdf)"));
    if (!path.isEmpty() && !(png ? exportPng(path) : exportPdf(path))) {
        Alert::inform(this, QStringLiteral("graphNotWrittenAlert"), Alert::Icon::Warning,
                      tr("The graph could not be written"),
                      tr("“%1” could not be written.").arg(QDir::toNativeSeparators(path)));
    }
}

QByteArray GraphWindow::frame() const {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << frameVersion << saveGeometry() << qint32(period()) << qint32(monthsAhead());
    return bytes;
}

void GraphWindow::setFrame(const QByteArray& frame) {
    QDataStream in(frame);
    quint32 version = 0;
    QByteArray geometry;
    qint32 shownPeriod = 0;
    qint32 months = 0;
    in >> version >> geometry >> shownPeriod;
    if (version == frameVersion) {
        in >> months;
    }
    if (in.status() != QDataStream::Ok || (version != frameVersion && version != frameVersionWithoutAhead)) {
        return;
    }
    RestoredFrame::restore(this, geometry);
    if (m_periodBox->findData(shownPeriod) >= 0) {
        setPeriod(PeriodTotals::Period(shownPeriod));
    }
    setMonthsAhead(months);
}

void GraphWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Hidden, it only took note of the changes.
    if (m_stale) {
        redraw();
    }
}

void GraphWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}
