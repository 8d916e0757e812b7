#include "MainWindowController.h"

#include "CustomTableView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDataStream>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr quint32 frameVersion = 1;

QLabel* valueLabel(const QString& name) {
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* captionLabel(const QString& text, QLabel* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}
} // namespace

MainWindowController::MainWindowController(DataRootPtr root, QObject* parent)
    : QObject(parent)
    , m_root(std::move(root))
    , m_mainWindow(new QMainWindow) {
    m_mainWindow->setObjectName(QStringLiteral("mainWindow"));
    m_mainWindow->setWindowTitle(QApplication::applicationDisplayName());
    m_mainWindow->installEventFilter(this);

    m_bookListView = new CustomTableView;
    m_bookListView->setObjectName(QStringLiteral("bookListView"));
    m_bookListView->horizontalHeader()->hide();
    m_bookListView->horizontalHeader()->setStretchLastSection(true);
    m_bookListView->verticalHeader()->hide();
    m_bookListView->setShowGrid(false);
    m_bookListView->setWordWrap(false);
    const int iconSide = m_bookListView->style()->pixelMetric(QStyle::PM_SmallIconSize) * 5 / 4;
    m_bookListView->setIconSize(QSize(iconSide, iconSide));
    m_bookListView->verticalHeader()->setDefaultSectionSize(qMax(iconSide, m_bookListView->fontMetrics().height()) +
                                                            m_bookListView->fontMetrics().height() / 2);
    m_bookListView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_bookListView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_bookListView->setMinimumWidth(m_bookListView->fontMetrics().averageCharWidth() * 16);

    m_splitter = new QSplitter(Qt::Horizontal);
    m_splitter->setObjectName(QStringLiteral("mainSplitter"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(m_bookListView);
    m_splitter->addWidget(buildRecordSide());
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    // From the line height: average widths of CJK fonts would make the list twice as wide.
    const int bookListWidth = m_bookListView->fontMetrics().height() * 11;
    m_splitter->setSizes({bookListWidth, bookListWidth * 4});
    m_mainWindow->setCentralWidget(m_splitter);

    buildMenus();
    // Room for the five columns at first; the saved frame takes over from the next start on.
    const QFontMetrics metrics = m_mainWindow->fontMetrics();
    QSize size(metrics.height() * 64, metrics.height() * 44);
    if (const QScreen* screen = m_mainWindow->screen()) {
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    }
    m_mainWindow->resize(size);
}

MainWindowController::~MainWindowController() {
    m_mainWindow->removeEventFilter(this);
    delete m_mainWindow;
}

QWidget* MainWindowController::buildRecordSide() {
    m_ioToggleButton = buildToggleButton(QStringLiteral("ioToggleButton"), tr("Record Entry"),
                                         tr("Shows or hides the record entry window"));
    m_graphToggleButton =
        buildToggleButton(QStringLiteral("graphToggleButton"), tr("Graph"), tr("Shows or hides the graph window"));
    connect(m_ioToggleButton, &QToolButton::clicked, this, &MainWindowController::ioWindowToggled);
    connect(m_graphToggleButton, &QToolButton::clicked, this, &MainWindowController::graphWindowToggled);
    // Neither window exists in this kesh yet: the buttons show where they will be.
    m_ioToggleButton->setEnabled(false);
    m_graphToggleButton->setEnabled(false);

    m_searchField = new QLineEdit;
    m_searchField->setObjectName(QStringLiteral("searchField"));
    m_searchField->setPlaceholderText(tr("Search comments"));
    m_searchField->setClearButtonEnabled(true);
    m_searchField->setMinimumWidth(m_searchField->fontMetrics().averageCharWidth() * 28);

    auto* topRow = new QHBoxLayout;
    topRow->addWidget(m_ioToggleButton);
    topRow->addWidget(m_graphToggleButton);
    topRow->addStretch(1);
    topRow->addWidget(m_searchField);

    m_ioListView = new CustomTableView;
    m_ioListView->setObjectName(QStringLiteral("ioListView"));
    m_ioListView->verticalHeader()->hide();
    m_ioListView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_ioListView->verticalHeader()->setDefaultSectionSize(m_ioListView->fontMetrics().height() * 3 / 2 + 2);
    m_ioListView->setShowGrid(false);
    m_ioListView->setAlternatingRowColors(true);
    m_ioListView->setWordWrap(false);
    m_ioListView->setCornerButtonEnabled(false);

    auto* side = new QWidget;
    auto* layout = new QVBoxLayout(side);
    // The book list runs from edge to edge like a sidebar; the records side keeps the usual margins.
    const int margin = side->style()->pixelMetric(QStyle::PM_LayoutTopMargin);
    layout->setContentsMargins(margin / 2, margin, margin, margin);
    layout->addLayout(topRow);
    layout->addWidget(m_ioListView, 1);
    layout->addWidget(buildStatsBox());
    return side;
}

QWidget* MainWindowController::buildStatsBox() {
    m_txtIn = valueLabel(QStringLiteral("txtIn"));
    m_txtOut = valueLabel(QStringLiteral("txtOut"));
    m_txtTotal = valueLabel(QStringLiteral("txtTotal"));
    m_txtNum = new QLabel;
    m_txtNum->setObjectName(QStringLiteral("txtNum"));
    m_txtNum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* box = new QFrame;
    box->setObjectName(QStringLiteral("statsBox"));
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    const int gap = box->fontMetrics().averageCharWidth() * 3;
    layout->addWidget(captionLabel(tr("Incomings:"), m_txtIn));
    layout->addWidget(m_txtIn);
    layout->addSpacing(gap);
    layout->addWidget(captionLabel(tr("Outgoings:"), m_txtOut));
    layout->addWidget(m_txtOut);
    layout->addSpacing(gap);
    layout->addWidget(captionLabel(tr("Balance:"), m_txtTotal));
    layout->addWidget(m_txtTotal);
    layout->addStretch(1);
    layout->addWidget(m_txtNum);
    return box;
}

QToolButton* MainWindowController::buildToggleButton(const QString& name, const QString& text, const QString& toolTip) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(toolTip);
    button->setCheckable(true);
    button->setAutoRaise(false);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

void MainWindowController::buildMenus() {
    QMenuBar* bar = m_mainWindow->menuBar();

    QMenu* file = bar->addMenu(tr("&File"));
    QAction* newBook = file->addAction(tr("&New Book"), this, &MainWindowController::addNewDumbBook);
    newBook->setObjectName(QStringLiteral("newBookAction"));
    newBook->setShortcut(QKeySequence::New);
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"), this, &MainWindowController::quitRequested);
    quit->setObjectName(QStringLiteral("quitAction"));
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);

    QMenu* edit = bar->addMenu(tr("&Edit"));
    QAction* remove = edit->addAction(tr("&Delete"), this, &MainWindowController::deleteSelection);
    remove->setObjectName(QStringLiteral("deleteAction"));
    remove->setShortcut(QKeySequence::Delete);
    QAction* selectAll = edit->addAction(tr("Select &All"), this, [this] {
        m_ioListView->setFocus();
        m_ioListView->selectAll();
    });
    selectAll->setObjectName(QStringLiteral("selectAllAction"));
    selectAll->setShortcut(QKeySequence::SelectAll);
    edit->addSeparator();
    QAction* find = edit->addAction(tr("&Find"), this, [this] {
        m_searchField->setFocus(Qt::ShortcutFocusReason);
        m_searchField->selectAll();
    });
    find->setObjectName(QStringLiteral("findAction"));
    find->setShortcut(QKeySequence::Find);
}

void MainWindowController::makeKeyAndOrderFront() {
    m_mainWindow->show();
    m_mainWindow->raise();
    m_mainWindow->activateWindow();
}

void MainWindowController::setIOToggleButtonState(bool on) {
    m_ioToggleButton->setChecked(on);
}

void MainWindowController::setGraphToggleButtonState(bool on) {
    m_graphToggleButton->setChecked(on);
}

QByteArray MainWindowController::frame() const {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << frameVersion << m_mainWindow->saveGeometry() << m_splitter->saveState();
    return bytes;
}

void MainWindowController::setFrame(const QByteArray& frame) {
    QDataStream in(frame);
    quint32 version = 0;
    QByteArray geometry;
    QByteArray split;
    in >> version >> geometry >> split;
    if (in.status() != QDataStream::Ok || version != frameVersion) {
        return;
    }
    m_mainWindow->restoreGeometry(geometry);
    m_splitter->restoreState(split);
}

void MainWindowController::addNewDumbBook() {
    const BookPtr book = Book::create();
    m_root->addDumbBook(book);
    emit bookAdded(book);
}

void MainWindowController::deleteSelection() {
    CustomTableView* target = m_bookListView->hasFocus() ? m_bookListView : m_ioListView;
    target->deleteSelectedRows();
}

bool MainWindowController::eventFilter(QObject* watched, QEvent* event) {
    // Closing the last window ends kesh: that goes through the same save as the quit command.
    if (watched == m_mainWindow && event->type() == QEvent::Close) {
        event->ignore();
        emit quitRequested();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
