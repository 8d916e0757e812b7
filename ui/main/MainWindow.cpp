#include "MainWindow.h"
#include "RestoredFrame.h"

#include <QUndoStack>

#include "AmountDelegate.h"
#include "BookListModel.h"
#include "CheckBoxDelegate.h"
#include "DateDelegate.h"
#include "HeaderStyle.h"
#include "IOTableModel.h"
#include "RecordTableView.h"
#include "SearchField.h"
#include "UndoActions.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDataStream>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSplitter>
#include <QStyleFactory>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr quint32 frameVersion = 1;
constexpr quint32 columnStateVersion = 1;

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

// A window that does not exist yet: its button stays off and says so.
QToolButton* toggleButton(const QString& name, const QString& text, const QString& notYet) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(notYet);
    button->setCheckable(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setEnabled(false);
    return button;
}
} // namespace

MainWindow::MainWindow(BookListModel* books, IOTableModel* records, QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("mainWindow"));
    // Until the library's file is named (setWindowFilePath), the program's name;
    // "[*]" shows where the desktop marks unsaved changes.
    setWindowTitle(QApplication::applicationDisplayName() + QStringLiteral("[*]"));

    buildBookList(books);
    m_splitter = new QSplitter(Qt::Horizontal);
    m_splitter->setObjectName(QStringLiteral("mainSplitter"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(m_bookListView);
    m_splitter->addWidget(buildRecordSide(records));
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    // From the line height: average widths of CJK fonts would make the list twice as wide.
    const int bookListWidth = m_bookListView->fontMetrics().height() * 11;
    m_splitter->setSizes({bookListWidth, bookListWidth * 4});
    setCentralWidget(m_splitter);

    buildMenus();
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::updateDeleteAction);

    // Room for the five columns at first; the saved frame takes over from the next start on.
    const QFontMetrics metrics = fontMetrics();
    QSize size(metrics.height() * 64, metrics.height() * 44);
    if (const QScreen* shown = screen()) {
        size = size.boundedTo(shown->availableSize() * 9 / 10);
    }
    resize(size);
}

MainWindow::~MainWindow() {
    // The focus moves while the widgets go; by then there is no menu to update.
    disconnect(qApp, &QApplication::focusChanged, this, &MainWindow::updateDeleteAction);
}

void MainWindow::buildBookList(BookListModel* books) {
    m_bookListView = new CustomTableView;
    m_bookListView->setObjectName(QStringLiteral("bookListView"));
    m_bookListView->setAccessibleName(tr("Books"));
    m_bookListView->setAccessibleDescription(
        tr("The library, the smart books and the plain books. Records › Add to Book adds the selected records to a "
           "plain book."));
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
    m_bookListView->setModel(books);
    m_bookListView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_bookListView->setMinimumWidth(m_bookListView->fontMetrics().averageCharWidth() * 16);

    m_bookListView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_bookListView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_bookListView->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                    QAbstractItemView::SelectedClicked);
    // Tab leaves the list; it never walks through the books.
    m_bookListView->setTabKeyNavigation(false);
    m_bookListView->setDragEnabled(true);
    m_bookListView->setAcceptDrops(true);
    m_bookListView->setDropIndicatorShown(true);
    m_bookListView->setDragDropMode(QAbstractItemView::DragDrop);
    m_bookListView->setDefaultDropAction(Qt::CopyAction);
    // A drop lands on the row under the pointer; there is nothing between rows.
    m_bookListView->setDragDropOverwriteMode(true);
}

void MainWindow::buildRecordTable(IOTableModel* records) {
    m_ioListView = new RecordTableView;
    m_ioListView->setObjectName(QStringLiteral("ioListView"));
    m_ioListView->setAccessibleName(tr("Records"));
    m_ioListView->setAccessibleDescription(tr("The records of the selected book that match the search."));
    // Rows are sized before there are any: a million rows resized one by one would cost the start.
    m_ioListView->verticalHeader()->hide();
    m_ioListView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_ioListView->verticalHeader()->setDefaultSectionSize(m_ioListView->fontMetrics().height() * 3 / 2 + 2);
    m_ioListView->setModel(records);
    m_ioListView->setShowGrid(false);
    m_ioListView->setAlternatingRowColors(true);
    m_ioListView->setWordWrap(false);
    m_ioListView->setCornerButtonEnabled(false);

    m_ioListView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_ioListView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_ioListView->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                  QAbstractItemView::AnyKeyPressed);
    m_ioListView->setTabKeyNavigation(false);
    m_ioListView->setDragEnabled(true);
    m_ioListView->setAcceptDrops(true);
    m_ioListView->setDropIndicatorShown(false);
    m_ioListView->setDragDropMode(QAbstractItemView::DragDrop);
    m_ioListView->setDefaultDropAction(Qt::CopyAction);
    m_ioListView->setDragDropOverwriteMode(true);

    m_ioListView->setItemDelegateForColumn(IOTableModel::DateColumn, new DateDelegate(m_ioListView));
    m_ioListView->setItemDelegateForColumn(IOTableModel::AmountColumn, new AmountDelegate(m_ioListView));
    m_ioListView->setItemDelegateForColumn(IOTableModel::IncludeInStatsColumn, new CheckBoxDelegate(m_ioListView));

    QHeaderView* header = m_ioListView->horizontalHeader();
    auto* headerStyle = new HeaderStyle(QStyleFactory::create(header->style()->name()));
    headerStyle->setParent(header);
    header->setStyle(headerStyle);
    header->setSectionsClickable(true);
    header->setSectionsMovable(true);
    header->setSortIndicatorShown(true);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    sizeRecordColumns(*records);
}

void MainWindow::sizeRecordColumns(const IOTableModel& records) {
    QHeaderView* header = m_ioListView->horizontalHeader();
    const QFontMetrics metrics = m_ioListView->fontMetrics();
    const LedgerFormat& format = records.format();
    const int padding = metrics.averageCharWidth() * 3;
    const auto* dates = static_cast<DateDelegate*>(m_ioListView->itemDelegateForColumn(IOTableModel::DateColumn));
    // Wide enough for the date field with its calendar button, or the year is cut off.
    const int dateWidth = qMax(metrics.horizontalAdvance(format.formatDate(QDate(2088, 12, 28))) + padding,
                               dates->editorWidth(m_ioListView));
    const int amountWidth =
        metrics.horizontalAdvance(format.formatAmount(Amount::fromParts(-8888888888, -2))) + padding * 4 / 3;
    const QString countedTitle = records.headerData(IOTableModel::IncludeInStatsColumn, Qt::Horizontal).toString();
    header->setMinimumSectionSize(metrics.averageCharWidth() * 4);
    header->setSectionResizeMode(QHeaderView::Interactive);
    // Comments and keywords share what the window gives; the figures keep their width.
    header->setSectionResizeMode(IOTableModel::CommentColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(IOTableModel::KeywordsColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(IOTableModel::IncludeInStatsColumn, QHeaderView::Fixed);
    header->resizeSection(IOTableModel::DateColumn, dateWidth);
    header->resizeSection(IOTableModel::AmountColumn, amountWidth);
    header->resizeSection(IOTableModel::IncludeInStatsColumn,
                          qMax(metrics.horizontalAdvance(countedTitle) + padding, metrics.height() * 3));
}

QWidget* MainWindow::buildRecordSide(IOTableModel* records) {
    m_ioToggleButton = toggleButton(QStringLiteral("ioToggleButton"), tr("Record Entry"),
                                    tr("Shows or hides the record entry window."));
    m_graphToggleButton = toggleButton(QStringLiteral("graphToggleButton"), tr("Graph"),
                                       tr("Shows or hides the graph of what the list shows."));
    m_graphToggleButton->setEnabled(true);
    m_ioToggleButton->setEnabled(true);
    connect(m_ioToggleButton, &QToolButton::clicked, this, &MainWindow::ioWindowToggled);
    connect(m_graphToggleButton, &QToolButton::clicked, this, &MainWindow::graphWindowToggled);

    m_searchField = new SearchField;
    m_searchField->setObjectName(QStringLiteral("searchField"));
    m_searchField->setPlaceholderText(tr("Search comments"));
    m_searchField->setAccessibleName(tr("Search comments"));
    m_searchField->setClearButtonEnabled(true);
    m_searchField->setMinimumWidth(m_searchField->fontMetrics().averageCharWidth() * 28);

    auto* topRow = new QHBoxLayout;
    topRow->addWidget(m_ioToggleButton);
    topRow->addWidget(m_graphToggleButton);
    auto* newSmartBook = new QToolButton;
    newSmartBook->setObjectName(QStringLiteral("newSmartBookButton"));
    newSmartBook->setText(tr("New Smart Book…"));
    connect(newSmartBook, &QToolButton::clicked, this, &MainWindow::newSmartBookRequested);
    topRow->addWidget(newSmartBook);
    topRow->addStretch(1);
    topRow->addWidget(m_searchField);

    buildRecordTable(records);

    auto* side = new QWidget;
    auto* layout = new QVBoxLayout(side);
    // The book list runs from edge to edge like a sidebar; the records side keeps the usual margins.
    const int margin = side->style()->pixelMetric(QStyle::PM_LayoutTopMargin);
    layout->setContentsMargins(margin / 2, margin, margin, margin);
    layout->addLayout(topRow);
    layout->addWidget(buildKeywordSearchBar());
    layout->addWidget(buildDayRangeBar());
    layout->addWidget(m_ioListView, 1);
    layout->addWidget(buildStatsBox());
    return side;
}

QWidget* MainWindow::buildStatsBox() {
    m_incomingsLabel = valueLabel(QStringLiteral("incomingsLabel"));
    m_outgoingsLabel = valueLabel(QStringLiteral("outgoingsLabel"));
    m_balanceLabel = valueLabel(QStringLiteral("balanceLabel"));
    m_recordCountLabel = new QLabel;
    m_recordCountLabel->setObjectName(QStringLiteral("recordCountLabel"));
    m_recordCountLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* box = new QFrame;
    box->setObjectName(QStringLiteral("statsBox"));
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    const int gap = box->fontMetrics().averageCharWidth() * 3;
    layout->addWidget(captionLabel(tr("Incomings:"), m_incomingsLabel));
    layout->addWidget(m_incomingsLabel);
    layout->addSpacing(gap);
    layout->addWidget(captionLabel(tr("Outgoings:"), m_outgoingsLabel));
    layout->addWidget(m_outgoingsLabel);
    layout->addSpacing(gap);
    layout->addWidget(captionLabel(tr("Balance:"), m_balanceLabel));
    layout->addWidget(m_balanceLabel);
    layout->addStretch(1);
    layout->addWidget(m_recordCountLabel);
    return box;
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* newBook = file->addAction(tr("&New Book"), this, &MainWindow::newBookRequested);
    newBook->setObjectName(QStringLiteral("newBookAction"));
    newBook->setShortcut(QKeySequence::New);
    keepKeysIn(newBook, this);
    QAction* newSmartBook = file->addAction(tr("New &Smart Book…"), this, &MainWindow::newSmartBookRequested);
    newSmartBook->setObjectName(QStringLiteral("newSmartBookAction"));
    newSmartBook->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    keepKeysIn(newSmartBook, this);
    file->addSeparator();
    QAction* openLibrary = file->addAction(tr("&Open Library…"), this, &MainWindow::openLibraryRequested);
    openLibrary->setObjectName(QStringLiteral("openLibraryAction"));
    openLibrary->setShortcut(QKeySequence::Open);
    openLibrary->setToolTip(tr("Saves this library, then works on another library file"));
    QAction* newLibrary = file->addAction(tr("New &Library…"), this, &MainWindow::newLibraryRequested);
    newLibrary->setObjectName(QStringLiteral("newLibraryAction"));
    newLibrary->setToolTip(tr("Saves this library, then starts a new, empty library file"));
    file->addSeparator();
    m_importAction = file->addAction(tr("Import Le&gacy Library…"), this, &MainWindow::importLegacyLibraryRequested);
    m_importAction->setObjectName(QStringLiteral("importLegacyLibraryAction"));
    QAction* importFiles = file->addAction(tr("&Import…"), this, &MainWindow::importRequested);
    importFiles->setObjectName(QStringLiteral("importAction"));
    importFiles->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    keepKeysIn(importFiles, this);
    QAction* exportCsv = file->addAction(tr("&Export…"), this, &MainWindow::exportRequested);
    exportCsv->setObjectName(QStringLiteral("exportAction"));
    QAction* exportPdf = file->addAction(tr("Expor&t PDF…"), this, &MainWindow::exportPdfRequested);
    exportPdf->setObjectName(QStringLiteral("exportPdfAction"));
    QAction* print = file->addAction(tr("&Print…"), this, &MainWindow::printRequested);
    print->setObjectName(QStringLiteral("printAction"));
    print->setShortcut(QKeySequence::Print);
    keepKeysIn(print, this);
    file->addSeparator();
    QAction* restore = file->addAction(tr("&Restore from Backup…"), this, &MainWindow::restoreBackupRequested);
    restore->setObjectName(QStringLiteral("restoreBackupAction"));
    QAction* backups = file->addAction(tr("Show &Backups"), this, &MainWindow::showBackupsRequested);
    backups->setObjectName(QStringLiteral("showBackupsAction"));
    backups->setToolTip(tr("Opens the folder where kesh keeps a copy of your library from each of the last days"));
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"), this, &MainWindow::quitRequested);
    quit->setObjectName(QStringLiteral("quitAction"));
    quit->setShortcut(QKeySequence::Quit);
    // From every kesh window, the graph window too.
    quit->setShortcutContext(Qt::ApplicationShortcut);
    quit->setMenuRole(QAction::QuitRole);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    m_editMenu = edit;
    // A disabled Delete says why in its tooltip.
    edit->setToolTipsVisible(true);
    m_deleteAction = edit->addAction(tr("&Delete"), this, &MainWindow::deleteSelection);
    m_deleteAction->setObjectName(QStringLiteral("deleteAction"));
    m_deleteAction->setShortcut(QKeySequence::Delete);
    // Only in the lists' part of the window: Delete in the entry panel never deletes records.
    keepKeysIn(m_deleteAction, m_splitter);
    m_deleteAction->setEnabled(false);
    QAction* selectAll = edit->addAction(tr("Select &All"), this, [this] {
        m_ioListView->setFocus();
        m_ioListView->selectAll();
    });
    selectAll->setObjectName(QStringLiteral("selectAllAction"));
    selectAll->setShortcut(QKeySequence::SelectAll);
    keepKeysIn(selectAll, m_splitter);
    m_editConditionsAction = edit->addAction(tr("Edit &Conditions…"), this, &MainWindow::editConditionsRequested);
    m_editConditionsAction->setObjectName(QStringLiteral("editConditionsAction"));
    edit->addSeparator();
    QAction* find = edit->addAction(tr("&Find"), this, [this] {
        m_searchField->setFocus(Qt::ShortcutFocusReason);
        m_searchField->selectAll();
    });
    find->setObjectName(QStringLiteral("findAction"));
    find->setShortcut(QKeySequence::Find);
    keepKeysIn(find, this);

    QMenu* records = menuBar()->addMenu(tr("&Records"));
    m_addToBookAction = records->addAction(tr("Add to &Book…"), this, &MainWindow::addToBookRequested);
    m_addToBookAction->setObjectName(QStringLiteral("addToBookAction"));
    m_addToBookAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B));
    keepKeysIn(m_addToBookAction, this);
    QAction* applyRules = records->addAction(tr("Apply &Keyword Rules"), this, &MainWindow::applyKeywordRulesRequested);
    applyRules->setObjectName(QStringLiteral("applyKeywordRulesAction"));
    QAction* repeat = records->addAction(tr("Re&peat…"), this, &MainWindow::repeatRecordRequested);
    repeat->setObjectName(QStringLiteral("repeatRecordAction"));

    buildWindowMenu();

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* about = help->addAction(tr("&About kesh"), this, &MainWindow::showAbout);
    about->setObjectName(QStringLiteral("aboutAction"));
    about->setMenuRole(QAction::AboutRole);
}

void MainWindow::buildWindowMenu() {
    QMenu* window = menuBar()->addMenu(tr("&Window"));
    connect(window, &QMenu::aboutToShow, this, &MainWindow::windowMenuAboutToShow);
    const auto add = [this, window](const QString& name, const QString& text, QKeyCombination keys) {
        QAction* action = window->addAction(text);
        action->setObjectName(name);
        action->setShortcut(QKeySequence(keys));
        // Also from the entry and keyword windows, which toggle themselves.
        action->setShortcutContext(Qt::ApplicationShortcut);
        action->setCheckable(true);
        return action;
    };
    m_ioWindowAction = add(QStringLiteral("ioWindowAction"), tr("&Record Entry"), Qt::CTRL | Qt::SHIFT | Qt::Key_E);
    connect(m_ioWindowAction, &QAction::triggered, this, &MainWindow::ioWindowToggled);
    // The window's state is the button's; the menu item only shows it.
    connect(m_ioToggleButton, &QToolButton::toggled, m_ioWindowAction, &QAction::setChecked);
    m_ioDrawerAction =
        add(QStringLiteral("ioDrawerAction"), tr("Record Entry &Panel"), Qt::CTRL | Qt::SHIFT | Qt::Key_D);
    connect(m_ioDrawerAction, &QAction::triggered, this, &MainWindow::ioDrawerToggled);
    m_keywordWindowAction =
        add(QStringLiteral("keywordWindowAction"), tr("&Keywords"), Qt::CTRL | Qt::SHIFT | Qt::Key_K);
    connect(m_keywordWindowAction, &QAction::triggered, this, &MainWindow::keywordWindowToggled);
    m_graphWindowAction = window->addAction(tr("&Graph"), this, &MainWindow::graphWindowToggled);
    m_graphWindowAction->setObjectName(QStringLiteral("graphWindowAction"));
    m_graphWindowAction->setCheckable(true);
    QAction* reports = window->addAction(tr("R&eports"), this, &MainWindow::reportWindowRequested);
    reports->setObjectName(QStringLiteral("reportWindowAction"));
    QAction* rules = window->addAction(tr("Keyword R&ules"), this, &MainWindow::keywordRulesWindowRequested);
    rules->setObjectName(QStringLiteral("keywordRulesWindowAction"));
    QAction* recurring =
        window->addAction(tr("Recurring Re&cords"), this, &MainWindow::recurringRecordsWindowRequested);
    recurring->setObjectName(QStringLiteral("recurringRecordsWindowAction"));
    QAction* budgets = window->addAction(tr("&Budgets"), this, &MainWindow::budgetsWindowRequested);
    budgets->setObjectName(QStringLiteral("budgetsWindowAction"));
}

// Says that the list is narrowed by keywords, so it is never taken for the whole book.
QWidget* MainWindow::buildKeywordSearchBar() {
    m_keywordSearchBar = new QFrame;
    m_keywordSearchBar->setObjectName(QStringLiteral("keywordSearchBar"));
    m_keywordSearchLabel = new QLabel;
    m_keywordSearchLabel->setObjectName(QStringLiteral("keywordSearchLabel"));
    m_keywordSearchLabel->setTextFormat(Qt::PlainText);
    auto* showAll = new QToolButton;
    showAll->setObjectName(QStringLiteral("showAllRecordsButton"));
    showAll->setText(tr("Show All"));
    connect(showAll, &QToolButton::clicked, this, &MainWindow::showAllRecordsRequested);
    auto* layout = new QHBoxLayout(m_keywordSearchBar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_keywordSearchLabel, 1);
    layout->addWidget(showAll);
    m_keywordSearchBar->hide();
    return m_keywordSearchBar;
}

// Says that the list is narrowed to some days, with the one way back to all of them.
QWidget* MainWindow::buildDayRangeBar() {
    m_dayRangeBar = new QFrame;
    m_dayRangeBar->setObjectName(QStringLiteral("dayRangeBar"));
    m_dayRangeLabel = new QLabel;
    m_dayRangeLabel->setObjectName(QStringLiteral("dayRangeLabel"));
    m_dayRangeLabel->setTextFormat(Qt::PlainText);
    auto* clear = new QToolButton;
    clear->setObjectName(QStringLiteral("clearDayRangeButton"));
    clear->setText(tr("All Days"));
    connect(clear, &QToolButton::clicked, this, &MainWindow::dayRangeCleared);
    auto* layout = new QHBoxLayout(m_dayRangeBar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_dayRangeLabel, 1);
    layout->addWidget(clear);
    m_dayRangeBar->hide();
    return m_dayRangeBar;
}

void MainWindow::setDayRange(const QString& days) {
    m_dayRangeLabel->setText(tr("Only the days %1").arg(days));
    m_dayRangeBar->setVisible(!days.isEmpty());
}

void MainWindow::setKeywordSearch(const QStringList& keywordNames) {
    QStringList quoted;
    for (const QString& name : keywordNames) {
        quoted.append(tr("“%1”").arg(name));
    }
    m_keywordSearchLabel->setText(tr("Keyword search: %1").arg(QLocale().createSeparatedList(quoted)));
    m_keywordSearchBar->setVisible(!keywordNames.isEmpty());
}

void MainWindow::showAbout() {
    QMessageBox::about(this, tr("About kesh"),
                       tr("<p><b>kesh</b> %1</p><p>A personal ledger: your incomings and outgoings, filed into "
                          "books, searched and summed.</p>")
                           .arg(QApplication::applicationVersion().toHtmlEscaped()));
}

void MainWindow::bringToFront() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

QByteArray MainWindow::frame() const {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << frameVersion << saveGeometry() << m_splitter->saveState();
    return bytes;
}

void MainWindow::setFrame(const QByteArray& frame) {
    QDataStream in(frame);
    quint32 version = 0;
    QByteArray geometry;
    QByteArray split;
    in >> version >> geometry >> split;
    if (in.status() != QDataStream::Ok || version != frameVersion) {
        return;
    }
    RestoredFrame::restore(this, geometry);
    m_splitter->restoreState(split);
}

QByteArray MainWindow::columnState() const {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << columnStateVersion << m_ioListView->horizontalHeader()->saveState();
    return bytes;
}

void MainWindow::setColumnState(const QByteArray& state) {
    QDataStream in(state);
    quint32 version = 0;
    QByteArray header;
    in >> version >> header;
    if (in.status() != QDataStream::Ok || version != columnStateVersion) {
        return;
    }
    // The sort arrow is each book's own; only widths and order come back.
    QHeaderView* view = m_ioListView->horizontalHeader();
    const int section = view->sortIndicatorSection();
    const Qt::SortOrder order = view->sortIndicatorOrder();
    const QSignalBlocker blocker(view);
    if (!view->restoreState(header)) {
        return;
    }
    view->setSortIndicator(section, order);
}

void MainWindow::setBookDeleteState(bool enabled, const QString& toolTip) {
    m_bookDelete = {enabled, toolTip};
    updateDeleteAction();
}

void MainWindow::setRecordDeleteState(bool enabled, const QString& toolTip) {
    m_recordDelete = {enabled, toolTip};
    updateDeleteAction();
}

void MainWindow::updateDeleteAction() {
    const DeleteState& state = m_bookListView->hasFocus() ? m_bookDelete : m_recordDelete;
    m_deleteAction->setEnabled(state.enabled);
    m_deleteAction->setToolTip(state.toolTip);
}

void MainWindow::deleteSelection() {
    CustomTableView* target = m_bookListView->hasFocus() ? static_cast<CustomTableView*>(m_bookListView)
                                                         : static_cast<CustomTableView*>(m_ioListView);
    target->deleteSelectedRows();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing the last window ends kesh: that goes through the same save as the quit command.
    event->ignore();
    emit quitRequested();
}

void MainWindow::keepKeysIn(QAction* action, QWidget* area) {
    // Qt lends a window's keys to the tool windows kept above it; these act
    // on what this window shows, so they stay here.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    area->addAction(action);
}

void MainWindow::setUndoStack(QUndoStack* stack) {
    QAction* first = m_editMenu->actions().value(0);
    const UndoActions::Pair actions = UndoActions::create(stack, this, tr("Undo"), tr("Redo"));
    keepKeysIn(actions.undo, this);
    keepKeysIn(actions.redo, this);
    m_editMenu->insertAction(first, actions.undo);
    m_editMenu->insertAction(first, actions.redo);
    m_editMenu->insertSeparator(first);
    // The title marks changes not yet written to the data file.
    connect(stack, &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
}
