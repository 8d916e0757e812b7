#include "KeshApp.h"

#include "Alert.h"
#include "Autosaver.h"
#include "BookListController.h"
#include "BookListModel.h"
#include "ConditionEditWindowController.h"
#include "CsvExport.h"
#include "CsvImport.h"
#include "DailyBackups.h"
#include "DataFile.h"
#include "EntryForm.h"
#include "FieldUndoFilter.h"
#include "GraphWindow.h"
#include "IODrawerController.h"
#include "IOListController.h"
#include "IOTableModel.h"
#include "IOWindowController.h"
#include "KeywordViewController.h"
#include "KeywordWindowController.h"
#include "LegacyLibraryImport.h"
#include "LibraryDocument.h"
#include "LocalizedText.h"
#include "MainWindow.h"
#include "MainWindowController.h"
#include "PreferencesManager.h"
#include "RestoreBackupDialog.h"
#include "RunningInstance.h"
#include "SearchFieldController.h"
#include "SmartBook.h"
#include "StatsBoxController.h"
#include "Translations.h"
#include "UndoActions.h"
#include "UnixSignalWatcher.h"

#include <QDesktopServices>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QIcon>
#include <QSessionManager>
#include <QStatusBar>
#include <QUrl>

#include <csignal>

KeshApp::KeshApp(int& argc, char** argv)
    : QApplication(argc, argv) {
    setOrganizationName(QStringLiteral("kesh"));
    setApplicationName(QStringLiteral("kesh"));
    setApplicationDisplayName(QStringLiteral("kesh"));
    setApplicationVersion(QStringLiteral(KESH_VERSION));
    setDesktopFileName(QStringLiteral("kesh"));
    setWindowIcon(QIcon(QStringLiteral(":/images/kesh.svg")));
    // Closing the main window goes through terminate(), which may keep kesh open.
    setQuitOnLastWindowClosed(false);
    Translations::install(this);

    // Before any library exists: a fresh one takes its main library's name from here.
    LocalizedText::setProvider([this](const QString& key) { return m_localizedStrings.text(key); });

    m_signalWatcher = std::make_unique<UnixSignalWatcher>(QList<int>{SIGTERM, SIGINT, SIGHUP});
    connect(m_signalWatcher.get(), &UnixSignalWatcher::signalReceived, this, &KeshApp::terminate);
    connect(this, &QGuiApplication::commitDataRequest, this, &KeshApp::commitData);
    connect(this, &QCoreApplication::aboutToQuit, this, &KeshApp::lastChanceSave);
}

KeshApp::~KeshApp() {
    // The windows and their controllers go before the library they show.
    m_graphWindow.reset();
    m_keywordWindowController.reset();
    m_ioDrawerController.reset();
    m_ioWindowController.reset();
    m_statsBoxController.reset();
    m_searchFieldController.reset();
    m_ioListController.reset();
    m_bookListController.reset();
    m_mainWindowController.reset();
    m_mainWindow.reset();
    m_autosaver.reset();
    m_document.reset();
    m_dataRoot.reset();
    m_libraryFile.reset();
    LocalizedText::setProvider(nullptr);
}

KeshApp* KeshApp::instance() {
    return qobject_cast<KeshApp*>(QCoreApplication::instance());
}

bool KeshApp::init() {
    m_dataFilePath = DataFile::defaultPath();
    // A second launch brings the running kesh to the front instead of saying the library is in use.
    if (RunningInstance::askToShow(m_dataFilePath)) {
        m_handedOver = true;
        return false;
    }
    m_libraryFile = std::make_unique<LibraryFile>(m_dataFilePath);
    if (!m_libraryFile->lock()) {
        m_libraryFile.reset();
        return false;
    }
    // Before the library is read: a large one takes a while, and a launch meanwhile is this kesh's too.
    listenForLaunches();
    m_dataRoot = m_libraryFile->open();
    if (!m_dataRoot) {
        m_runningInstance.reset();
        m_libraryFile.reset();
        return false;
    }
    m_document = std::make_unique<LibraryDocument>(m_dataRoot);
    m_autosaver = std::make_unique<Autosaver>(m_document.get(), [this](QString* error) {
        const bool saved = m_libraryFile->write(*m_dataRoot);
        *error = m_libraryFile->lastError();
        return saved;
    });
    connect(m_autosaver.get(), &Autosaver::failed, this, &KeshApp::autosaveFailed);
    connect(m_autosaver.get(), &Autosaver::saved, this, &KeshApp::tellBackupProblem);
    connect(m_autosaver.get(), &Autosaver::recovered, this, [this] {
        if (m_mainWindow) {
            m_mainWindow->statusBar()->clearMessage();
        }
    });
    // In the main library's order, so the comments of its first records are offered first.
    for (const IOPtr& record : m_dataRoot->mainLibrary()->records()) {
        m_commentSuggestion.addWord(record->comment());
    }
    return true;
}

void KeshApp::loadInterface() {
    m_preferencesManager = std::make_unique<PreferencesManager>();
    m_bookListModel = std::make_unique<BookListModel>(m_document.get());
    m_ioTableModel = std::make_unique<IOTableModel>(m_document.get());
    m_mainWindow = std::make_unique<MainWindow>(m_bookListModel.get(), m_ioTableModel.get());
    // Titled like any document window: the library's file, then the program.
    m_mainWindow->setWindowTitle(QString());
    m_mainWindow->setWindowFilePath(m_dataFilePath);
    // Widths and order first: the controllers then give the header each book's own sort order.
    m_mainWindow->setFrame(m_preferencesManager->frameForName(mainWindowAutosaveName()));
    m_mainWindow->setColumnState(m_preferencesManager->recordColumns());
    m_mainWindow->setUndoStack(m_document->undoStack());
    installEventFilter(new FieldUndoFilter(this));

    m_mainWindowController = std::make_unique<MainWindowController>(m_mainWindow.get());
    m_bookListController =
        std::make_unique<BookListController>(m_dataRoot, m_bookListModel.get(), m_mainWindow->bookListView());
    m_ioListController = std::make_unique<IOListController>(m_dataRoot, m_ioTableModel.get(),
                                                            m_mainWindow->ioListView(), &m_commentSuggestion);
    m_searchFieldController = std::make_unique<SearchFieldController>(m_mainWindow->searchField());
    m_statsBoxController =
        std::make_unique<StatsBoxController>(m_mainWindow->incomingsLabel(), m_mainWindow->outgoingsLabel(),
                                             m_mainWindow->balanceLabel(), m_mainWindow->recordCountLabel());
    makeEntryControllers();
    m_conditionEditor = std::make_unique<ConditionEditWindowController>(m_document.get());
    m_conditionEditor->setFrame(m_preferencesManager->frameForName(ConditionEditWindowController::autosaveName()));
    connectControllers();
    restoreInterface();
    showInterface();
}

void KeshApp::listenForLaunches() {
    m_runningInstance = std::make_unique<RunningInstance>(m_dataFilePath);
    connect(m_runningInstance.get(), &RunningInstance::showRequested, this, &KeshApp::showForLaunch);
    if (!m_runningInstance->listen()) {
        qWarning("kesh: a second launch cannot reach this one: %s",
                 qUtf8Printable(m_runningInstance->serverName(m_dataFilePath)));
    }
}

void KeshApp::showForLaunch() {
    if (m_mainWindowController) {
        m_mainWindowController->bringToFront();
        return;
    }
    // Still starting: what asks the user now comes forward; the main window does when it is shown.
    if (QWidget* modal = activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

void KeshApp::connectControllers() {
    connect(m_bookListController.get(), &BookListController::selectionChanged, this, &KeshApp::bookSelectionChanged);
    connect(m_bookListController.get(), &BookListController::dataNeedsReloading, this, &KeshApp::ioDataNeedsReloading);
    connect(m_bookListController.get(), &BookListController::deleteStateChanged, m_mainWindow.get(),
            &MainWindow::setBookDeleteState);
    connect(m_ioListController.get(), &IOListController::dataNeedsReloading, this, &KeshApp::ioDataNeedsReloading);
    connect(m_ioListController.get(), &IOListController::deleteStateChanged, m_mainWindow.get(),
            &MainWindow::setRecordDeleteState);
    connect(m_searchFieldController.get(), &SearchFieldController::searchKeyChanged, this,
            &KeshApp::ioDataNeedsReloading);
    connect(m_mainWindowController.get(), &MainWindowController::dumbBookCreated, m_bookListController.get(),
            &BookListController::addDumbBook);
    connect(m_mainWindow.get(), &MainWindow::quitRequested, this, &KeshApp::terminate);
    connect(m_mainWindow.get(), &MainWindow::ioWindowToggled, this, &KeshApp::toggleIOWindow);
    connect(m_mainWindow.get(), &MainWindow::graphWindowToggled, this, &KeshApp::toggleGraphWindow);
    connect(m_mainWindow.get(), &MainWindow::importLegacyLibraryRequested, this, &KeshApp::importLegacyLibrary);
    connect(m_mainWindow.get(), &MainWindow::keywordWindowToggled, this, &KeshApp::toggleKeywordWindow);
    connect(m_mainWindow.get(), &MainWindow::ioDrawerToggled, this, &KeshApp::toggleIODrawer);
    connect(m_mainWindow.get(), &MainWindow::showAllRecordsRequested, m_keywordWindowController.get(),
            &KeywordWindowController::showAll);
    connect(m_ioListController.get(), &IOListController::selectedRecordsChanged,
            m_keywordWindowController->keywordView(), &KeywordViewController::setRecords);
    connect(m_keywordWindowController.get(), &KeywordWindowController::dataNeedsReloading, this,
            &KeshApp::ioDataNeedsReloading);
    connect(m_keywordWindowController.get(), &KeywordWindowController::searchKeywordsChanged, this,
            &KeshApp::showKeywordSearch);
    connect(m_keywordWindowController.get(), &KeywordWindowController::complaintRaised, this, &KeshApp::complain);
    connect(m_entryForm, &EntryForm::complaintRaised, this, &KeshApp::complain);
    connect(m_entryForm, &EntryForm::keywordWindowRequested, m_keywordWindowController.get(),
            &KeywordWindowController::showWindow);
    connect(m_ioDrawerController->drawer(), &QDockWidget::visibilityChanged, m_mainWindow->ioDrawerAction(),
            &QAction::setChecked);
    connect(m_mainWindow.get(), &MainWindow::showBackupsRequested, this, &KeshApp::showBackups);
    connect(m_mainWindow.get(), &MainWindow::restoreBackupRequested, this, &KeshApp::restoreFromBackup);
    connect(m_mainWindow.get(), &MainWindow::importCsvRequested, this, &KeshApp::importCsv);
    connect(m_mainWindow.get(), &MainWindow::exportRequested, this, &KeshApp::exportCsv);
    connect(m_document.get(), &LibraryDocument::aboutToChange, this, [this](const LibraryDocument::Change& change) {
        m_booksChanged = m_booksChanged || change.kind == LibraryDocument::Change::Books ||
                         change.kind == LibraryDocument::Change::Library;
    });
    connect(m_document.get(), &LibraryDocument::changed, this, &KeshApp::libraryChanged);
    connect(m_mainWindow.get(), &MainWindow::newSmartBookRequested, this, &KeshApp::addNewSmartBook);
    connect(m_mainWindow.get(), &MainWindow::editConditionsRequested, this, &KeshApp::editSmartBookConditions);
    connect(m_bookListController.get(), &BookListController::smartBookConditionsRequested, this,
            &KeshApp::editConditionsOf);
    // Edit › Edit Conditions… is for a smart book only.
    const auto offerConditions = [this] {
        m_mainWindow->editConditionsAction()->setEnabled(m_bookListController->selectedBook()->isSmart());
    };
    connect(m_bookListController.get(), &BookListController::selectionChanged, this, offerConditions);
    offerConditions();
    // What the controllers announced while they were made reached nobody yet.
    m_bookListController->announceDeleteState();
    m_ioListController->setBook(m_bookListController->selectedBook());
}

void KeshApp::restoreInterface() {
    const BookPtr remembered = m_preferencesManager->selectedBook(*m_dataRoot);
    if (remembered) {
        m_bookListController->selectBook(remembered);
    }
    m_keywordWindowController->setFrame(m_preferencesManager->frameForName(KeywordWindowController::autosaveName()));
    m_mainWindow->restoreState(m_preferencesManager->frameForName(IODrawerController::autosaveName()));
}

// The keyword window and the panel exist from the start, hidden: every reload asks
// the keyword window for its search, and the panel's place is part of the main window's.
void KeshApp::makeEntryControllers() {
    m_keywordWindowController = std::make_unique<KeywordWindowController>(m_document.get());
    m_keywordWindowController->setParentWindow(m_mainWindow.get());
    // The keyword window closes with its own control too: the menu asks when it opens.
    connect(m_mainWindow.get(), &MainWindow::windowMenuAboutToShow, this, [this] {
        m_mainWindow->keywordWindowAction()->setChecked(m_keywordWindowController->window()->isVisible());
    });
    connect(m_keywordWindowController.get(), &KeywordWindowController::openChanged, this,
            [this](bool open) { m_preferencesManager->setBool(open, PreferencesManager::keywordWindowOpenKey()); });
    // One form, in the entry window or in the panel, whichever shows it; it waits in the panel until then.
    m_entryForm = new EntryForm(m_document.get(), &m_commentSuggestion);
    m_ioDrawerController = std::make_unique<IODrawerController>(m_entryForm);
    m_ioDrawerController->setParentWindow(m_mainWindow.get());
}

IOWindowController* KeshApp::ioWindowController() {
    if (!m_ioWindowController && m_mainWindow) {
        m_ioWindowController = std::make_unique<IOWindowController>(m_document.get(), m_entryForm);
        m_ioWindowController->setParentWindow(m_mainWindow.get());
        m_ioWindowController->setFrame(m_preferencesManager->frameForName(IOWindowController::autosaveName()));
        // Closed by its own close control: the button and the preference follow.
        connect(m_ioWindowController.get(), &IOWindowController::windowClosed, this, [this] {
            m_mainWindowController->setIOToggleButtonState(false);
            m_preferencesManager->setBool(false, PreferencesManager::ioWindowOpenKey());
        });
    }
    return m_ioWindowController.get();
}

EntryForm* KeshApp::entryForm() const {
    return m_entryForm;
}

void KeshApp::showInterface() {
    if (m_preferencesManager->boolForKey(PreferencesManager::ioWindowOpenKey())) {
        toggleIOWindow();
    }
    if (m_preferencesManager->boolForKey(PreferencesManager::graphWindowOpenKey())) {
        toggleGraphWindow();
    }
    if (m_preferencesManager->boolForKey(PreferencesManager::keywordWindowOpenKey())) {
        m_keywordWindowController->showWindow();
    }
    m_mainWindowController->bringToFront();
    ioDataNeedsReloading();
}

void KeshApp::bookSelectionChanged() {
    m_searchFieldController->clearField();
    m_keywordWindowController->clearSearchKeywords();
    m_ioListController->setBook(m_bookListController->selectedBook());
    ioDataNeedsReloading();
    m_ioListController->deselectAll();
}

KeywordList KeshApp::searchKeywords() const {
    return m_keywordWindowController ? m_keywordWindowController->searchKeywords() : KeywordList();
}

void KeshApp::showKeywordSearch() {
    QStringList names;
    for (const KeywordPtr& keyword : searchKeywords()) {
        names.append(keyword->name());
    }
    m_mainWindow->setKeywordSearch(names);
}

void KeshApp::autosaveFailed(const QString& error) {
    if (m_mainWindow) {
        m_mainWindow->statusBar()->showMessage(tr("Your changes are not saved yet: kesh tries again."));
    }
    Alert::inform(m_mainWindow.get(), QStringLiteral("autosaveFailedAlert"), Alert::Icon::Warning,
                  tr("kesh could not save your library."),
                  tr("Writing “%1” failed: %2\n\nYour changes stay in kesh. It tries again after the next change "
                     "or in a minute, and once more when you quit.")
                      .arg(QDir::toNativeSeparators(m_dataFilePath), error));
}

void KeshApp::libraryChanged() {
    // Once, after the editor or the command that made the change has returned;
    // a reload the window asked for meanwhile makes it unnecessary.
    m_reloadPending = true;
    if (m_reloadQueued) {
        return;
    }
    m_reloadQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_reloadQueued = false;
            if (m_booksChanged && m_mainWindow) {
                m_booksChanged = false;
                m_bookListController->followLibrary();
            }
            if (m_reloadPending && m_mainWindow) {
                ioDataNeedsReloading();
            }
        },
        Qt::QueuedConnection);
}

void KeshApp::ioDataNeedsReloading() {
    m_reloadPending = false;
    const BookPtr book = m_bookListController->selectedBook();
    m_document->refreshBook(book, m_searchFieldController->searchKey(), searchKeywords());
    m_ioListController->reloadData();
    m_statsBoxController->reloadStats(*book, m_ioTableModel->amountDecimals());
    if (m_graphWindow) {
        m_graphWindow->reloadGraph(book, book == m_dataRoot->mainLibrary(), m_ioTableModel->amountDecimals());
    }
}

void KeshApp::toggleIOWindow() {
    IOWindowController* window = ioWindowController();
    if (!window->window()->isVisible()) {
        // One form at a time: the window takes it from the panel as it was typed.
        m_ioDrawerController->drawer()->close();
    }
    const bool shown = window->toggleWindow();
    m_mainWindowController->setIOToggleButtonState(shown);
    m_preferencesManager->setBool(shown, PreferencesManager::ioWindowOpenKey());
}

void KeshApp::toggleKeywordWindow() {
    m_keywordWindowController->toggleWindow();
}

void KeshApp::toggleIODrawer(bool open) {
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

void KeshApp::toggleGraphWindow() {
    if (!m_graphWindow) {
        m_graphWindow = std::make_unique<GraphWindow>();
        m_graphWindow->setFrame(m_preferencesManager->frameForName(GraphWindow::autosaveName()));
        connect(m_graphWindow.get(), &GraphWindow::closed, this, &KeshApp::graphWindowClosed);
        UndoActions::addTo(m_graphWindow.get(), m_document->undoStack());
    }
    const bool shown = !m_graphWindow->isVisible();
    if (shown) {
        const BookPtr book = m_bookListController->selectedBook();
        m_graphWindow->reloadGraph(book, book == m_dataRoot->mainLibrary(), m_ioTableModel->amountDecimals());
        m_graphWindow->show();
        m_graphWindow->raise();
    } else {
        m_graphWindow->hide();
    }
    m_mainWindowController->setGraphToggleButtonState(shown);
    m_preferencesManager->setBool(shown, PreferencesManager::graphWindowOpenKey());
}

void KeshApp::graphWindowClosed() {
    m_mainWindowController->setGraphToggleButtonState(false);
    m_preferencesManager->setBool(false, PreferencesManager::graphWindowOpenKey());
}

void KeshApp::importLegacyLibrary() {
    if (LegacyLibraryImport(m_document.get(), m_mainWindow.get()).run() > 0) {
        ioDataNeedsReloading();
    }
}

void KeshApp::showBackups() {
    // The first save of the day makes the folder; before it, there is nothing to show.
    m_autosaver->saveNow();
    const QString folder = DailyBackups(m_dataFilePath).folder();
    if (!QFileInfo(folder).isDir()) {
        Alert::inform(m_mainWindow.get(), QStringLiteral("noBackupsAlert"), Alert::Icon::Information,
                      tr("There are no backups yet."),
                      tr("Before the first change of each day is saved, kesh keeps a copy of your library in “%1”.")
                          .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder))) {
        Alert::inform(m_mainWindow.get(), QStringLiteral("showBackupsFailedAlert"), Alert::Icon::Warning,
                      tr("kesh could not open the backups folder."),
                      tr("Your backups are in “%1”.").arg(QDir::toNativeSeparators(folder)));
    }
}

void KeshApp::restoreFromBackup() {
    auto* dialog = new RestoreBackupDialog(m_dataFilePath, m_dataRoot, m_mainWindow.get());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Nothing else may change the library while a backup is chosen for it.
    dialog->setWindowModality(Qt::ApplicationModal);
    connect(dialog, &RestoreBackupDialog::restoreChosen, this, &KeshApp::restoreLibrary);
    dialog->show();
}

void KeshApp::restoreLibrary(const DataRootPtr& backup, const QString& backupName) {
    // The library as it is now, unsaved changes and all, becomes a backup too.
    m_autosaver->waitForSave();
    if (!m_libraryFile->keepCopyOf(*m_dataRoot)) {
        Alert::inform(m_mainWindow.get(), QStringLiteral("restoreNotKeptAlert"), Alert::Icon::Warning,
                      tr("kesh could not keep your library as it is now, so nothing was restored."),
                      m_libraryFile->lastError());
        return;
    }
    m_document->replaceLibrary(*backup, tr("Restore “%1”").arg(backupName));
}

void KeshApp::tellBackupProblem() {
    const QString& problem = m_libraryFile->backupProblem();
    if (problem.isEmpty()) {
        m_backupFailing = false;
        return;
    }
    // Once until copies can be made again, as a failing save is told.
    if (m_backupFailing) {
        return;
    }
    m_backupFailing = true;
    Alert::inform(m_mainWindow.get(), QStringLiteral("backupFailedAlert"), Alert::Icon::Warning,
                  tr("kesh could not keep a backup of your library."),
                  tr("%1\n\nYour library itself is saved. kesh tries again at its next save.").arg(problem));
}

void KeshApp::importCsv() {
    if (CsvImport(m_document.get(), m_mainWindow.get()).run() > 0) {
        ioDataNeedsReloading();
    }
}

void KeshApp::exportCsv() {
    const BookPtr& book = m_ioListController->book();
    CsvExport(book ? book->filteredList() : IOList(), m_ioListController->selectedRecords(),
              book ? book->bookName() : QString(), m_mainWindow.get())
        .run();
}

void KeshApp::complain(int errorNumber) {
    const QString title = getLocalizedStringWithKeyPrefixAndId(QStringLiteral("ErrorTitle"), errorNumber);
    const QString content = getLocalizedStringWithKeyPrefixAndId(QStringLiteral("ErrorContent"), errorNumber);
    Alert::inform(activeWindow(), QStringLiteral("complainAlert"), Alert::Icon::Warning, title, content);
}

QString KeshApp::getLocalizedStringWithKey(const QString& key) const {
    const QString text = m_localizedStrings.text(key);
    return text.isEmpty() ? LocalizedText::missingText() : text;
}

QString KeshApp::getLocalizedStringWithKeyPrefixAndId(const QString& prefix, int id) const {
    return getLocalizedStringWithKey(prefix + QString::number(id));
}

void KeshApp::saveInterface() {
    if (!m_preferencesManager || !m_mainWindow) {
        return;
    }
    m_preferencesManager->setFrame(m_mainWindow->frame(), mainWindowAutosaveName());
    if (m_graphWindow) {
        m_preferencesManager->setFrame(m_graphWindow->frame(), GraphWindow::autosaveName());
    }
    if (m_conditionEditor && !m_conditionEditor->frame().isEmpty()) {
        m_preferencesManager->setFrame(m_conditionEditor->frame(), ConditionEditWindowController::autosaveName());
    }
    m_preferencesManager->setRecordColumns(m_mainWindow->columnState());
    const BookPtr selected = m_bookListController->selectedBook();
    m_preferencesManager->setSelectedBook(m_bookListController->rowOfBook(selected.get()), selected->bookName());
    saveEntryFrames();
    m_preferencesManager->sync();
}

void KeshApp::saveEntryFrames() {
    if (m_ioWindowController) {
        m_preferencesManager->setFrame(m_ioWindowController->frame(), IOWindowController::autosaveName());
    }
    m_preferencesManager->setFrame(m_keywordWindowController->frame(), KeywordWindowController::autosaveName());
    m_preferencesManager->setFrame(m_mainWindow->saveState(), IODrawerController::autosaveName());
}

LibraryFile::SaveResult KeshApp::save(LibraryFile::OnFailure onFailure) {
    if (!m_dataRoot) {
        return LibraryFile::SaveResult::NotSaved;
    }
    saveInterface();
    // One writer at a time: an autosave on its way ends first, and none
    // starts while this one may wait for the user.
    const Autosaver::Hold hold(*m_autosaver);
    // Nothing unsaved: the file, its backup and the day's copy stay as they are.
    if (m_libraryFile->isOnDisk() && !m_document->isModified() && !m_autosaver->isFailing()) {
        return LibraryFile::SaveResult::Saved;
    }
    const LibraryFile::SaveResult result = m_libraryFile->save(*m_dataRoot, m_mainWindow.get(), onFailure);
    if (result == LibraryFile::SaveResult::Saved) {
        m_document->setSaved();
        if (onFailure != LibraryFile::OnFailure::Report) {
            tellBackupProblem();
        }
    }
    return result;
}

bool KeshApp::terminate() {
    // A second request (a signal, the close control) while the first one asks the user.
    if (m_terminating || m_finished) {
        return false;
    }
    m_terminating = true;
    const LibraryFile::SaveResult result = save(LibraryFile::OnFailure::AskRetryQuitOrStay);
    m_terminating = false;
    if (result == LibraryFile::SaveResult::Cancelled) {
        return false;
    }
    m_finished = true;
    // exit(), not quit(): quit() would first ask the windows to close, and the main window's close is this very
    // request.
    exit(0);
    return true;
}

void KeshApp::commitData(QSessionManager& manager) {
    if (!m_dataRoot || m_finished) {
        return;
    }
    // The session may end without asking again; the library is written now.
    if (!manager.allowsInteraction()) {
        save(LibraryFile::OnFailure::Report);
        return;
    }
    if (save(LibraryFile::OnFailure::AskRetryQuitOrStay) == LibraryFile::SaveResult::Cancelled) {
        manager.cancel();
    }
    manager.release();
}

void KeshApp::lastChanceSave() {
    // The event loop is ending without terminate(): save all the same.
    if (m_dataRoot && !m_finished) {
        m_finished = true;
        save(LibraryFile::OnFailure::AskRetryOrQuit);
    }
}

void KeshApp::editSmartBookConditions() {
    const BookPtr selected = m_bookListController ? m_bookListController->selectedBook() : nullptr;
    if (selected && selected->isSmart()) {
        editConditionsOf(std::static_pointer_cast<SmartBook>(selected));
    }
}

void KeshApp::editConditionsOf(const SmartBookPtr& book) {
    m_conditionEditor->editSmartPlaylist(book);
    // A stored tree is a change of the document, whose reload refreshes the book.
    m_conditionEditor->openWindowAsSheetOf(m_mainWindow.get());
}

void KeshApp::addNewSmartBook() {
    const SmartBookPtr book = SmartBook::create();
    m_conditionEditor->editSmartPlaylist(book);
    // The book list has followed the document by now: the new book has its row,
    // selected with its name open for typing.
    if (m_conditionEditor->openWindowAsSheetOf(m_mainWindow.get())) {
        m_bookListController->editBook(book);
    }
}
