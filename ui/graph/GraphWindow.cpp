#include "GraphWindow.h"

#include "Alert.h"
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
constexpr quint32 frameVersion = 1;

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
    connect(m_periodBox, &QComboBox::currentIndexChanged, this, [this] {
        m_stale = true;
        if (isVisible()) {
            redraw();
        }
    });
    auto* periodLabel = new QLabel(tr("&Sum by:"));
    periodLabel->setBuddy(m_periodBox);

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

const PeriodTotals& GraphWindow::totals() const {
    return m_chartView->totals();
}

void GraphWindow::reloadGraph(const BookPtr& book, bool isMainLibrary, int amountDecimals) {
    m_chartView->setAmountDecimals(amountDecimals);
    m_book = book;
    m_isMainLibrary = isMainLibrary;
    m_stale = true;
    if (isVisible()) {
        redraw();
    }
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
    m_chartView->showTotals(PeriodTotals(book->filteredList(), period(), QLocale().firstDayOfWeek()));
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
    out << frameVersion << saveGeometry() << qint32(period());
    return bytes;
}

void GraphWindow::setFrame(const QByteArray& frame) {
    QDataStream in(frame);
    quint32 version = 0;
    QByteArray geometry;
    qint32 shownPeriod = 0;
    in >> version >> geometry >> shownPeriod;
    if (in.status() != QDataStream::Ok || version != frameVersion) {
        return;
    }
    RestoredFrame::restore(this, geometry);
    if (m_periodBox->findData(shownPeriod) >= 0) {
        setPeriod(PeriodTotals::Period(shownPeriod));
    }
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
