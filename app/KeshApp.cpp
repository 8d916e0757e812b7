#include "KeshApp.h"

#include "Alert.h"
#include "Autosaver.h"
#include "BookListController.h"
#include "BookListModel.h"
#include "ConditionEditWindowController.h"
#include "DataFile.h"
#include "IOListController.h"
#include "IOTableModel.h"
#include "LegacyLibraryImport.h"
#include "LibraryDocument.h"
#include "LocalizedText.h"
#include "MainWindow.h"
#include "MainWindowController.h"
#include "PreferencesManager.h"
#include "RunningInstance.h"
#include "SearchFieldController.h"
#include "SmartBook.h"
#include "StatsBoxController.h"
#include "Translations.h"
#include "UnixSignalWatcher.h"

#include <QDir>
#include <QIcon>
#include <QSessionManager>
#include <QStatusBar>

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
    // The window and its controllers go before the library they show.
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
    m_dataRoot = m_libraryFile->open();
    if (!m_dataRoot) {
        m_libraryFile.reset();
        return false;
    }
    m_document = std::make_unique<LibraryDocument>(m_dataRoot);
    m_autosaver = std::make_unique<Autosaver>(m_document.get(), [this](QString* error) {
        const bool saved =
            m_libraryFile->save(*m_dataRoot, nullptr, LibraryFile::OnFailure::Report) == LibraryFile::SaveResult::Saved;
        *error = m_libraryFile->lastError();
        return saved;
    });
    connect(m_autosaver.get(), &Autosaver::failed, this, &KeshApp::autosaveFailed);
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
    // Widths and order first: the controllers then give the header each book's own sort order.
    m_mainWindow->setFrame(m_preferencesManager->frameForName(mainWindowAutosaveName()));
    m_mainWindow->setColumnState(m_preferencesManager->recordColumns());
    m_mainWindow->setUndoStack(m_document->undoStack());

    m_mainWindowController = std::make_unique<MainWindowController>(m_mainWindow.get());
    m_bookListController =
        std::make_unique<BookListController>(m_dataRoot, m_bookListModel.get(), m_mainWindow->bookListView());
    m_ioListController = std::make_unique<IOListController>(m_dataRoot, m_ioTableModel.get(),
                                                            m_mainWindow->ioListView(), &m_commentSuggestion);
    m_searchFieldController = std::make_unique<SearchFieldController>(m_mainWindow->searchField());
    m_statsBoxController =
        std::make_unique<StatsBoxController>(m_mainWindow->incomingsLabel(), m_mainWindow->outgoingsLabel(),
                                             m_mainWindow->balanceLabel(), m_mainWindow->recordCountLabel());
    m_conditionEditor = std::make_unique<ConditionEditWindowController>(m_document.get());
    m_conditionEditor->setFrame(m_preferencesManager->frameForName(ConditionEditWindowController::autosaveName()));
    connectControllers();
    restoreInterface();

    m_runningInstance = std::make_unique<RunningInstance>(m_dataFilePath);
    connect(m_runningInstance.get(), &RunningInstance::showRequested, m_mainWindowController.get(),
            &MainWindowController::bringToFront);
    if (!m_runningInstance->listen()) {
        qWarning("kesh: a second launch cannot reach this one: %s",
                 qUtf8Printable(m_runningInstance->serverName(m_dataFilePath)));
    }
    showInterface();
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
    connect(m_document.get(), &LibraryDocument::aboutToChange, this, [this](const LibraryDocument::Change& change) {
        m_booksChanged = m_booksChanged || change.kind == LibraryDocument::Change::Books;
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
}

void KeshApp::showInterface() {
    if (m_preferencesManager->boolForKey(PreferencesManager::ioWindowOpenKey())) {
        toggleIOWindow();
    }
    if (m_preferencesManager->boolForKey(PreferencesManager::graphWindowOpenKey())) {
        toggleGraphWindow();
    }
    m_mainWindowController->bringToFront();
    ioDataNeedsReloading();
}

void KeshApp::bookSelectionChanged() {
    m_searchFieldController->clearField();
    // The keyword window's search is cleared here too, once that window exists.
    m_ioListController->setBook(m_bookListController->selectedBook());
    ioDataNeedsReloading();
    m_ioListController->deselectAll();
}

KeywordList KeshApp::searchKeywords() const {
    return {};
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
    // Exactly a smart book: its records follow its conditions.
    if (book->isSmart()) {
        static_cast<SmartBook&>(*book).reload(m_dataRoot->mainLibrary());
    }
    book->resort();
    book->reloadFilteredListWithSearchKey(m_searchFieldController->searchKey(), searchKeywords());
    m_ioListController->reloadData();
    m_statsBoxController->reloadStats(*book);
}

void KeshApp::toggleIOWindow() {
    // The record entry window comes with its own controller; until then there
    // is nothing to show, and "IOWindowOpen" keeps what the user last chose.
}

void KeshApp::toggleGraphWindow() {
    // There is no graph window: the button and "GraphWindowOpen" only hold its place.
}

void KeshApp::importLegacyLibrary() {
    if (LegacyLibraryImport(m_document.get(), m_mainWindow.get()).run() > 0) {
        ioDataNeedsReloading();
    }
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
    if (m_conditionEditor && !m_conditionEditor->frame().isEmpty()) {
        m_preferencesManager->setFrame(m_conditionEditor->frame(), ConditionEditWindowController::autosaveName());
    }
    m_preferencesManager->setRecordColumns(m_mainWindow->columnState());
    const BookPtr selected = m_bookListController->selectedBook();
    m_preferencesManager->setSelectedBook(m_bookListController->rowOfBook(selected.get()), selected->bookName());
    m_preferencesManager->sync();
}

LibraryFile::SaveResult KeshApp::save(LibraryFile::OnFailure onFailure) {
    if (!m_dataRoot) {
        return LibraryFile::SaveResult::NotSaved;
    }
    saveInterface();
    const LibraryFile::SaveResult result = m_libraryFile->save(*m_dataRoot, m_mainWindow.get(), onFailure);
    if (result == LibraryFile::SaveResult::Saved) {
        m_document->undoStack()->setClean();
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
