#include "WindowSet.h"

#include "Alert.h"
#include "Autosaver.h"
#include "BookChoiceDialog.h"
#include "BookListController.h"
#include "BudgetsWindow.h"
#include "Clock.h"
#include "CsvExport.h"
#include "EntryForm.h"
#include "FileImport.h"
#include "GraphWindow.h"
#include "IODrawerController.h"
#include "IOListController.h"
#include "IOWindowController.h"
#include "KeywordRulesWindow.h"
#include "KeywordViewController.h"
#include "KeywordWindowController.h"
#include "LegacyLibraryImport.h"
#include "LibraryDocument.h"
#include "LibraryLocation.h"
#include "MainWindowController.h"
#include "OpenLibrary.h"
#include "RecordPrinter.h"
#include "RecurringEntry.h"
#include "RecurringRecordDialog.h"
#include "RecurringRecordsWindow.h"
#include "ReportSelection.h"
#include "ReportWindow.h"
#include "RestoreBackupDialog.h"
#include "RestoredFrame.h"
#include "SearchFieldController.h"
#include "StartFolder.h"
#include "StatsBoxController.h"
#include "UndoActions.h"

#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>

WindowSet::WindowSet(OpenLibrary& library, TextSuggestion& commentSuggestion, QObject* parent)
    : QObject(parent)
    , m_library(library)
    , m_document(library.document())
    , m_shownBook(m_document)
    , m_bookListModel(m_document)
    , m_ioTableModel(m_document)
    , m_conditionEditor(m_document)
    , m_mainWindow(&m_bookListModel, &m_ioTableModel) {
    // Titled like any document window: the library's file, then the program;
    // with its folder when its name alone would pass for the default library.
    const LibraryLocation location(library.dataFilePath());
    const QString name = location.shownName();
    m_mainWindow.setWindowTitle(name == QFileInfo(location.path()).fileName() ? QString()
                                                                              : name + QStringLiteral("[*]"));
    m_mainWindow.setWindowFilePath(library.dataFilePath());
    // Widths and order first: the controllers then give the header each book's own sort order.
    m_mainWindow.setFrame(m_preferencesManager.frameForName(mainWindowAutosaveName()));
    m_mainWindow.setColumnState(m_preferencesManager.recordColumns());
    m_mainWindow.setUndoStack(m_document->undoStack());
    m_conditionEditor.setFrame(m_preferencesManager.frameForName(ConditionEditWindowController::autosaveName()));
    makeControllers(commentSuggestion);
    makeEntryControllers(commentSuggestion);
    connectControllers();
    connectEntryControllers();
    connectShownBook();
    restoreInterface();
}

WindowSet::~WindowSet() = default;

void WindowSet::makeControllers(TextSuggestion& commentSuggestion) {
    const DataRootPtr& root = m_document->root();
    m_mainWindowController = std::make_unique<MainWindowController>(&m_mainWindow);
    m_bookListController = std::make_unique<BookListController>(root, &m_bookListModel, m_mainWindow.bookListView());
    m_ioListController = std::make_unique<IOListController>(root, &m_shownBook, &m_ioTableModel,
                                                            m_mainWindow.ioListView(), &commentSuggestion);
    m_searchFieldController = std::make_unique<SearchFieldController>(m_mainWindow.searchField());
    m_recurringEntry =
        std::make_unique<RecurringEntry>(m_document, &m_preferencesManager, &m_mainWindow, m_mainWindow.statusBar());
    m_statsBoxController =
        std::make_unique<StatsBoxController>(m_mainWindow.incomingsLabel(), m_mainWindow.outgoingsLabel(),
                                             m_mainWindow.balanceLabel(), m_mainWindow.recordCountLabel());
}

// The keyword window and the panel exist from the start, hidden: the keyword
// window keeps the keyword search, and the panel's place is part of the main window's.
void WindowSet::makeEntryControllers(TextSuggestion& commentSuggestion) {
    m_keywordWindowController = std::make_unique<KeywordWindowController>(m_document);
    m_keywordWindowController->setParentWindow(&m_mainWindow);
    // One form, in the entry window or in the panel, whichever shows it; it waits in the panel until then.
    m_entryForm = new EntryForm(m_document, &commentSuggestion);
    m_ioDrawerController = std::make_unique<IODrawerController>(m_entryForm);
    m_ioDrawerController->setParentWindow(&m_mainWindow);
}

void WindowSet::connectControllers() {
    MainWindow* window = &m_mainWindow;
    connect(m_bookListController.get(), &BookListController::selectionChanged, this, &WindowSet::bookSelectionChanged);
    connect(m_bookListController.get(), &BookListController::deleteStateChanged, window,
            &MainWindow::setBookDeleteState);
    connect(m_ioListController.get(), &IOListController::deleteStateChanged, window, &MainWindow::setRecordDeleteState);
    connect(m_searchFieldController.get(), &SearchFieldController::searchKeyChanged, this,
            [this] { m_shownBook.setSearchKey(m_searchFieldController->searchKey()); });
    connect(m_mainWindowController.get(), &MainWindowController::dumbBookCreated, m_bookListController.get(),
            &BookListController::addDumbBook);
    connect(window, &MainWindow::ioWindowToggled, this, &WindowSet::toggleIOWindow);
    connect(window, &MainWindow::graphWindowToggled, this, &WindowSet::toggleGraphWindow);
    connect(window, &MainWindow::keywordWindowToggled, this, &WindowSet::toggleKeywordWindow);
    connect(window, &MainWindow::ioDrawerToggled, this, &WindowSet::toggleIODrawer);
    connect(window, &MainWindow::importLegacyLibraryRequested, this, &WindowSet::importLegacyLibrary);
    connect(window, &MainWindow::showBackupsRequested, &m_library, &OpenLibrary::showBackups);
    connect(window, &MainWindow::restoreBackupRequested, this, &WindowSet::restoreFromBackup);
    connect(window, &MainWindow::importRequested, this, &WindowSet::importFiles);
    connect(window, &MainWindow::keywordRulesWindowRequested, this, &WindowSet::showKeywordRules);
    connect(window, &MainWindow::budgetsWindowRequested, this, &WindowSet::showBudgets);
    connect(window, &MainWindow::applyKeywordRulesRequested, this, &WindowSet::applyKeywordRules);
    connect(window, &MainWindow::recurringRecordsWindowRequested, this, &WindowSet::showRecurringRecords);
    connect(window, &MainWindow::repeatRecordRequested, this, &WindowSet::repeatSelectedRecord);
    connect(window, &MainWindow::exportRequested, this, &WindowSet::exportCsv);
    connect(window, &MainWindow::printRequested, this, &WindowSet::printRecords);
    connect(window, &MainWindow::exportPdfRequested, this, &WindowSet::exportPdf);
    connect(window, &MainWindow::reportWindowRequested, this, &WindowSet::showReports);
    connect(window, &MainWindow::dayRangeCleared, this, [this] {
        m_shownBook.setDayRange(DayRange());
        showDayRange();
    });
    connect(window, &MainWindow::addToBookRequested, this, &WindowSet::addSelectedRecordsToBook);
    connect(window, &MainWindow::newSmartBookRequested, this, &WindowSet::addNewSmartBook);
    connect(window, &MainWindow::editConditionsRequested, this, &WindowSet::editSmartBookConditions);
    connect(m_bookListController.get(), &BookListController::smartBookConditionsRequested, this,
            &WindowSet::editConditionsOf);
    // Edit › Edit Conditions… is for a smart book only.
    const auto offerConditions = [this] {
        m_mainWindow.editConditionsAction()->setEnabled(m_bookListController->selectedBook()->isSmart());
    };
    connect(m_bookListController.get(), &BookListController::selectionChanged, this, offerConditions);
    offerConditions();
    connect(&m_library, &OpenLibrary::autosaveFailed, this,
            [this] { m_mainWindow.statusBar()->showMessage(tr("Your changes are not saved yet: kesh tries again.")); });
    connect(&m_library, &OpenLibrary::autosaveRecovered, m_mainWindow.statusBar(), &QStatusBar::clearMessage);
    // What the controllers announced while they were made reached nobody yet.
    m_bookListController->announceDeleteState();
}

void WindowSet::connectEntryControllers() {
    KeywordWindowController* keywords = m_keywordWindowController.get();
    connect(&m_mainWindow, &MainWindow::showAllRecordsRequested, keywords, &KeywordWindowController::showAll);
    connect(m_ioListController.get(), &IOListController::selectedRecordsChanged, keywords->keywordView(),
            &KeywordViewController::setRecords);
    connect(keywords, &KeywordWindowController::searchKeywordsChanged, this, &WindowSet::showKeywordSearch);
    connect(m_entryForm, &EntryForm::keywordWindowRequested, keywords, &KeywordWindowController::showWindow);
    // The keyword window closes with its own control too: the menu asks when it opens.
    connect(&m_mainWindow, &MainWindow::windowMenuAboutToShow, this, [this] {
        m_mainWindow.keywordWindowAction()->setChecked(m_keywordWindowController->window()->isVisible());
    });
    connect(keywords, &KeywordWindowController::openChanged, this,
            [this](bool open) { m_preferencesManager.setBool(open, PreferencesManager::keywordWindowOpenKey()); });
    connect(m_ioDrawerController->drawer(), &QDockWidget::visibilityChanged, m_mainWindow.ioDrawerAction(),
            &QAction::setChecked);
}

void WindowSet::connectShownBook() {
    // The table follows first (IOListController), then the sums and the graph with its decimals.
    connect(&m_shownBook, &ShownBook::refreshed, this, &WindowSet::showFigures);
    connect(&m_shownBook, &ShownBook::figuresChanged, this, &WindowSet::showFigures);
    connect(m_document, &LibraryDocument::bookRenamed, this, [this](const BookPtr& book) {
        if (m_graphWindow && book == m_shownBook.book()) {
            m_graphWindow->showTitle();
        }
    });
    // The balance ahead follows the recurring records; a library that takes
    // this one's place brings its own, told of by no other signal.
    connect(m_document, &LibraryDocument::recurringRecordsChanged, this, [this] { m_recurringChanged = true; });
    connect(m_document, &LibraryDocument::aboutToChange, this, [this](const LibraryDocument::Change& change) {
        m_recurringChanged = m_recurringChanged || change.kind == LibraryDocument::Change::Library;
    });
    connect(m_document, &LibraryDocument::changed, this, [this] {
        if (m_recurringChanged && m_graphWindow) {
            m_graphWindow->setRecurringRecords(m_document->root()->recurringRecords());
        }
        m_recurringChanged = false;
    });
}

void WindowSet::restoreInterface() {
    const BookPtr remembered = m_preferencesManager.selectedBook(*m_document->root());
    if (remembered) {
        m_bookListController->selectBook(remembered);
    }
    m_keywordWindowController->setFrame(m_preferencesManager.frameForName(KeywordWindowController::autosaveName()));
    m_mainWindow.restoreState(m_preferencesManager.frameForName(IODrawerController::autosaveName()));
}

void WindowSet::show() {
    if (m_preferencesManager.boolForKey(PreferencesManager::ioWindowOpenKey())) {
        toggleIOWindow();
    }
    if (m_preferencesManager.boolForKey(PreferencesManager::graphWindowOpenKey())) {
        toggleGraphWindow();
    }
    if (m_preferencesManager.boolForKey(PreferencesManager::keywordWindowOpenKey())) {
        m_keywordWindowController->showWindow();
    }
    m_mainWindowController->bringToFront();
    // The remembered book was shown as it was selected.
    if (m_shownBook.book() != m_bookListController->selectedBook()) {
        m_shownBook.setBook(m_bookListController->selectedBook());
    }
}

void WindowSet::bookSelectionChanged() {
    // Shown unfiltered: the search field and the keyword search follow without a refresh of their own.
    m_shownBook.setBook(m_bookListController->selectedBook());
    m_searchFieldController->clearField();
    m_keywordWindowController->clearSearchKeywords();
    showDayRange();
    m_ioListController->deselectAll();
}

void WindowSet::showDayRange() {
    const DayRange& days = m_shownBook.dayRange();
    const LedgerFormat& format = m_ioTableModel.format();
    m_mainWindow.setDayRange(
        days.isAll() ? QString() : tr("%1 – %2").arg(format.formatDate(days.first()), format.formatDate(days.last())));
}

void WindowSet::showReports() {
    if (!m_reportWindow) {
        m_reportWindow = std::make_unique<ReportWindow>(m_document, &m_shownBook);
        UndoActions::addTo(m_reportWindow.get(), m_document->undoStack());
        m_reportWindow->setAmountDecimals(m_ioTableModel.amountDecimals());
        connect(m_reportWindow.get(), &ReportWindow::recordsRequested, this, &WindowSet::showReportSelection);
        RestoredFrame::centerOver(m_reportWindow.get(), &m_mainWindow);
    }
    m_reportWindow->show();
    m_reportWindow->raise();
    m_reportWindow->activateWindow();
}

void WindowSet::showReportSelection(const ReportSelection& selection) {
    if (selection.book && selection.book != m_shownBook.book()) {
        m_bookListController->selectBook(selection.book);
    }
    // A keyword search and a range of days, both shown with their way back; a comment is searched for.
    m_keywordWindowController->setSearchKeywords(selection.keyword ? KeywordList{selection.keyword} : KeywordList());
    if (!selection.comment.isEmpty() || !m_searchFieldController->searchKey().isEmpty()) {
        m_searchFieldController->search(selection.comment);
    }
    m_shownBook.setDayRange(selection.days);
    showDayRange();
    if (selection.withoutKeywords) {
        m_mainWindow.statusBar()->showMessage(
            tr("The list shows every record of these days: those without keywords are the ones whose Keywords "
               "column is empty."),
            10000);
    }
    m_mainWindowController->bringToFront();
}

PrintTable WindowSet::recordSheet() const {
    const BookPtr& book = m_ioListController->book();
    const IOList selected = m_ioListController->selectedRecords();
    const bool onlySelected = selected.size() > 1;
    const QString name = book ? book->bookName() : QString();
    QStringList lines;
    if (onlySelected) {
        lines << tr("The %n selected record(s)", nullptr, int(selected.size()));
    }
    if (!m_shownBook.searchKey().isEmpty()) {
        lines << tr("Search: “%1”").arg(m_shownBook.searchKey());
    }
    QStringList keywords;
    for (const KeywordPtr& keyword : m_shownBook.searchKeywords()) {
        keywords << keyword->name();
    }
    if (!keywords.isEmpty()) {
        lines << tr("Keywords: %1").arg(QLocale().createSeparatedList(keywords));
    }
    const DayRange& days = m_shownBook.dayRange();
    if (!days.isAll()) {
        const LedgerFormat& format = m_ioTableModel.format();
        lines << tr("Days: %1 – %2").arg(format.formatDate(days.first()), format.formatDate(days.last()));
    }
    return RecordPrinter::recordTable(onlySelected ? selected
                                      : book       ? book->filteredList()
                                                   : IOList(),
                                      name, lines, m_ioTableModel.amountDecimals());
}

void WindowSet::printRecords() {
    const RecordPrinter printer(recordSheet());
    QPrinter device;
    QPrintPreviewDialog preview(&device, &m_mainWindow);
    preview.setObjectName(QStringLiteral("printPreviewDialog"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&printer](QPrinter* target) { printer.print(target); });
    preview.exec();
}

void WindowSet::exportPdf() {
    const RecordPrinter printer(recordSheet());
    const QString name = printer.table().title.isEmpty() ? tr("Records") : printer.table().title;
    const QString path = QFileDialog::getSaveFileName(
        &m_mainWindow, tr("Export PDF"), QDir(StartFolder::documents()).filePath(name + QStringLiteral(".pdf")),
        tr("PDF files (*.pdf)"));
    if (!path.isEmpty() && !printer.writePdf(path)) {
        Alert::inform(&m_mainWindow, QStringLiteral("pdfNotWrittenAlert"), Alert::Icon::Warning,
                      tr("The PDF could not be written"),
                      tr("“%1” could not be written.").arg(QDir::toNativeSeparators(path)));
    }
}

void WindowSet::showKeywordSearch() {
    const KeywordList& keywords = m_keywordWindowController->searchKeywords();
    m_shownBook.setSearchKeywords(keywords);
    QStringList names;
    for (const KeywordPtr& keyword : keywords) {
        names.append(keyword->name());
    }
    m_mainWindow.setKeywordSearch(names);
}

void WindowSet::showFigures() {
    const BookPtr& book = m_shownBook.book();
    if (!book) {
        return;
    }
    m_statsBoxController->reloadStats(*book, m_ioTableModel.amountDecimals());
    if (m_graphWindow) {
        m_graphWindow->reloadGraph(book, m_shownBook.isMainLibrary(), m_ioTableModel.amountDecimals());
    }
    if (m_reportWindow) {
        m_reportWindow->setAmountDecimals(m_ioTableModel.amountDecimals());
    }
    if (m_budgetsWindow) {
        m_budgetsWindow->setAmountDecimals(m_ioTableModel.amountDecimals());
    }
}

EntryForm* WindowSet::entryForm() const {
    return m_entryForm;
}

IOWindowController* WindowSet::ioWindowController() {
    if (!m_ioWindowController) {
        m_ioWindowController = std::make_unique<IOWindowController>(m_document, m_entryForm);
        m_ioWindowController->setParentWindow(&m_mainWindow);
        m_ioWindowController->setFrame(m_preferencesManager.frameForName(IOWindowController::autosaveName()));
        // Closed by its own close control: the button and the preference follow.
        connect(m_ioWindowController.get(), &IOWindowController::windowClosed, this, [this] {
            m_mainWindowController->setIOToggleButtonState(false);
            m_preferencesManager.setBool(false, PreferencesManager::ioWindowOpenKey());
        });
    }
    return m_ioWindowController.get();
}

void WindowSet::toggleIOWindow() {
    IOWindowController* window = ioWindowController();
    if (!window->window()->isVisible()) {
        // One form at a time: the window takes it from the panel as it was typed.
        m_ioDrawerController->drawer()->close();
    }
    const bool shown = window->toggleWindow();
    m_mainWindowController->setIOToggleButtonState(shown);
    m_preferencesManager.setBool(shown, PreferencesManager::ioWindowOpenKey());
}

void WindowSet::toggleKeywordWindow() {
    m_keywordWindowController->toggleWindow();
}

void WindowSet::toggleIODrawer(bool open) {
    if (open) {
        // One form at a time: the panel takes it from the window as it was typed.
        if (m_ioWindowController && m_ioWindowController->window()->isVisible()) {
            toggleIOWindow();
        }
        m_ioDrawerController->toggleDrawer();
    } else {
        m_ioDrawerController->drawer()->close();
    }
}

void WindowSet::toggleGraphWindow() {
    if (!m_graphWindow) {
        m_graphWindow = std::make_unique<GraphWindow>();
        m_graphWindow->setFrame(m_preferencesManager.frameForName(GraphWindow::autosaveName()));
        connect(m_graphWindow.get(), &GraphWindow::closed, this, &WindowSet::graphWindowClosed);
        UndoActions::addTo(m_graphWindow.get(), m_document->undoStack());
        m_graphWindow->setRecurringRecords(m_document->root()->recurringRecords());
        // From now on it follows the shown book, drawing it whenever it is open.
        m_graphWindow->reloadGraph(m_shownBook.book(), m_shownBook.isMainLibrary(), m_ioTableModel.amountDecimals());
    }
    const bool shown = !m_graphWindow->isVisible();
    if (shown) {
        m_graphWindow->show();
        m_graphWindow->raise();
    } else {
        m_graphWindow->hide();
    }
    m_mainWindowController->setGraphToggleButtonState(shown);
    m_preferencesManager.setBool(shown, PreferencesManager::graphWindowOpenKey());
}

void WindowSet::graphWindowClosed() {
    m_mainWindowController->setGraphToggleButtonState(false);
    m_preferencesManager.setBool(false, PreferencesManager::graphWindowOpenKey());
}

void WindowSet::editSmartBookConditions() {
    const BookPtr selected = m_bookListController->selectedBook();
    if (selected && selected->isSmart()) {
        editConditionsOf(std::static_pointer_cast<SmartBook>(selected));
    }
}

void WindowSet::editConditionsOf(const SmartBookPtr& book) {
    m_conditionEditor.editSmartPlaylist(book);
    // A stored tree is a change of the document, which the shown book follows.
    m_conditionEditor.openWindowAsSheetOf(&m_mainWindow);
}

void WindowSet::addNewSmartBook() {
    const SmartBookPtr book = SmartBook::create();
    m_conditionEditor.editSmartPlaylist(book);
    // The book list has followed the document by now: the new book has its row,
    // selected with its name open for typing.
    if (m_conditionEditor.openWindowAsSheetOf(&m_mainWindow)) {
        m_bookListController->editBook(book);
    }
}

void WindowSet::restoreFromBackup() {
    auto* dialog = new RestoreBackupDialog(m_library.dataFilePath(), m_document->root(), &m_mainWindow);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Nothing else may change the library while a backup is chosen for it.
    dialog->setWindowModality(Qt::ApplicationModal);
    connect(dialog, &RestoreBackupDialog::restoreChosen, &m_library, &OpenLibrary::restore);
    dialog->show();
}

// The records come in as a change of the document, which the windows follow.
void WindowSet::importLegacyLibrary() {
    LegacyLibraryImport(m_document, &m_mainWindow).run();
}

void WindowSet::importFiles() {
    FileImport(m_document, &m_mainWindow).run();
}

void WindowSet::showKeywordRules() {
    if (!m_keywordRulesWindow) {
        m_keywordRulesWindow = std::make_unique<KeywordRulesWindow>(m_document, &m_mainWindow);
        RestoredFrame::centerOver(m_keywordRulesWindow.get(), &m_mainWindow);
    }
    m_keywordRulesWindow->show();
    m_keywordRulesWindow->raise();
    m_keywordRulesWindow->activateWindow();
}

void WindowSet::showBudgets() {
    if (!m_budgetsWindow) {
        m_budgetsWindow = std::make_unique<BudgetsWindow>(m_document, &m_mainWindow);
        m_budgetsWindow->setAmountDecimals(m_ioTableModel.amountDecimals());
        connect(m_budgetsWindow.get(), &BudgetsWindow::recordsRequested, this, &WindowSet::showBudgetRecords);
        QRect frame = m_budgetsWindow->frameGeometry();
        frame.moveCenter(m_mainWindow.frameGeometry().center());
        m_budgetsWindow->move(frame.topLeft());
        RestoredFrame::fitToScreen(m_budgetsWindow.get());
    }
    m_budgetsWindow->show();
    m_budgetsWindow->raise();
    m_budgetsWindow->activateWindow();
}

void WindowSet::showBudgetRecords(const BudgetPtr& budget) {
    const DataRoot& root = *m_document->root();
    if (const SmartBookPtr& book = budget->smartBook()) {
        if (root.holdsBook(book.get())) {
            m_bookListController->selectBook(book);
        }
        return;
    }
    const KeywordList& keywords = root.keywords();
    if (budget->keyword() && std::find(keywords.begin(), keywords.end(), budget->keyword()) != keywords.end()) {
        m_bookListController->selectBook(root.mainLibrary());
        m_keywordWindowController->setSearchKeywords({budget->keyword()});
    }
}

void WindowSet::applyKeywordRules() {
    const IOList records = m_ioListController->selectedRecords();
    const std::size_t tagged = m_document->applyKeywordRules(records);
    m_mainWindow.statusBar()->showMessage(
        tr("Keyword rules gave %n of the selected records new keywords.", nullptr, int(tagged)), 5000);
}

void WindowSet::addSelectedRecordsToBook() {
    const IOList records = m_ioListController->selectedRecords();
    if (records.empty()) {
        m_mainWindow.statusBar()->showMessage(tr("Select the records to add to a book first."), 5000);
        return;
    }
    BookChoiceDialog dialog(m_document->root()->dumbBooks(), int(records.size()), &m_mainWindow);
    if (dialog.exec() == QDialog::Accepted) {
        if (const BookPtr book = dialog.chosenBook()) {
            m_document->addRecordsToBook(book, records);
        }
    }
}

void WindowSet::showRecurringRecords() {
    if (!m_recurringRecordsWindow) {
        m_recurringRecordsWindow = std::make_unique<RecurringRecordsWindow>(m_document, &m_mainWindow);
        RestoredFrame::centerOver(m_recurringRecordsWindow.get(), &m_mainWindow);
    }
    m_recurringRecordsWindow->show();
    m_recurringRecordsWindow->raise();
    m_recurringRecordsWindow->activateWindow();
}

void WindowSet::repeatSelectedRecord() {
    const IOList selected = m_ioListController->selectedRecords();
    if (selected.empty() || !selected.front()) {
        m_mainWindow.statusBar()->showMessage(tr("Select the record to repeat."), 5000);
        return;
    }
    const IO& record = *selected.front();
    const RecurringRecordPtr recurring = RecurringRecord::fromRecord(record);
    RecurrenceRule rule;
    rule.setStart(record.date().isValid() ? record.date() : Clock::today());
    rule.setMonthDay(rule.start().day());
    recurring->setRule(rule);
    // The record itself is the first one: the series goes on after its day.
    recurring->setLastEntered(record.date());
    RecurringRecordDialog(m_document, recurring, &m_mainWindow).exec();
}

void WindowSet::exportCsv() {
    const BookPtr& book = m_ioListController->book();
    CsvExport(book ? book->filteredList() : IOList(), m_ioListController->selectedRecords(),
              book ? book->bookName() : QString(), &m_mainWindow)
        .run();
}

void WindowSet::saveInterface() {
    m_preferencesManager.setFrame(m_mainWindow.frame(), mainWindowAutosaveName());
    if (m_graphWindow) {
        m_preferencesManager.setFrame(m_graphWindow->frame(), GraphWindow::autosaveName());
    }
    if (!m_conditionEditor.frame().isEmpty()) {
        m_preferencesManager.setFrame(m_conditionEditor.frame(), ConditionEditWindowController::autosaveName());
    }
    m_preferencesManager.setRecordColumns(m_mainWindow.columnState());
    const BookPtr selected = m_bookListController->selectedBook();
    m_preferencesManager.setSelectedBook(m_bookListController->rowOfBook(selected.get()), selected->bookName());
    saveEntryFrames();
    m_preferencesManager.sync();
}

void WindowSet::saveEntryFrames() {
    if (m_ioWindowController) {
        m_preferencesManager.setFrame(m_ioWindowController->frame(), IOWindowController::autosaveName());
    }
    m_preferencesManager.setFrame(m_keywordWindowController->frame(), KeywordWindowController::autosaveName());
    m_preferencesManager.setFrame(m_mainWindow.saveState(), IODrawerController::autosaveName());
}
