#include "KeshApp.h"

#include "Alert.h"
#include "BookListController.h"
#include "DataFile.h"
#include "IOListController.h"
#include "LocalizedText.h"
#include "MainWindowController.h"
#include "PreferencesManager.h"
#include "SearchFieldController.h"
#include "SmartBook.h"
#include "StatsBoxController.h"
#include "Translations.h"
#include "UnixSignalWatcher.h"

#include <QIcon>
#include <QMainWindow>
#include <QSessionManager>

#include <csignal>

KeshApp::KeshApp(int& argc, char** argv)
    : QApplication(argc, argv) {
    setOrganizationName(QStringLiteral("kesh"));
    setApplicationName(QStringLiteral("kesh"));
    setApplicationDisplayName(QStringLiteral("kesh"));
    setDesktopFileName(QStringLiteral("kesh"));
    setWindowIcon(QIcon(QStringLiteral(":/images/kesh.svg")));
    // Closing the main window goes through terminate(), which may keep kesh open.
    setQuitOnLastWindowClosed(false);
    Translations::install(this);

    // Before any library exists: a fresh one takes its main library's name from here.
    LocalizedText::setProvider([this](const QString& key) { return m_localizedStrings.text(key); });

    m_signalWatcher = new UnixSignalWatcher({SIGTERM, SIGINT, SIGHUP}, this);
    connect(m_signalWatcher, &UnixSignalWatcher::signalReceived, this, &KeshApp::terminate);
    connect(this, &QGuiApplication::commitDataRequest, this, &KeshApp::commitData);
    connect(this, &QCoreApplication::aboutToQuit, this, &KeshApp::lastChanceSave);
}

KeshApp::~KeshApp() {
    // The window and its controllers go before the application they live in.
    delete m_statsBoxController;
    delete m_searchFieldController;
    delete m_ioListController;
    delete m_bookListController;
    delete m_mainWindowController;
    m_preferencesManager.reset();
    m_dataRoot.reset();
    m_libraryFile.reset();
    LocalizedText::setProvider(nullptr);
}

KeshApp* KeshApp::instance() {
    return qobject_cast<KeshApp*>(QCoreApplication::instance());
}

bool KeshApp::init() {
    m_dataFilePath = DataFile::defaultPath();
    m_libraryFile = std::make_unique<LibraryFile>(m_dataFilePath);
    m_dataRoot = m_libraryFile->open();
    if (!m_dataRoot) {
        m_libraryFile.reset();
        return false;
    }
    // In the main library's order, so the comments of its first records are offered first.
    for (const IOPtr& record : m_dataRoot->mainLibrary()->records()) {
        m_commentSuggestion.addWord(record->comment());
    }
    return true;
}

void KeshApp::loadInterface() {
    m_preferencesManager = std::make_unique<PreferencesManager>();
    m_mainWindowController = new MainWindowController(m_dataRoot, this);
    m_bookListController = new BookListController(m_dataRoot, m_mainWindowController->bookListView(), this);
    m_ioListController =
        new IOListController(m_dataRoot, &m_commentSuggestion, m_mainWindowController->ioListView(), this);
    m_searchFieldController = new SearchFieldController(m_mainWindowController->searchField(), this);
    m_statsBoxController =
        new StatsBoxController(m_mainWindowController->txtIn(), m_mainWindowController->txtOut(),
                               m_mainWindowController->txtTotal(), m_mainWindowController->txtNum(), this);
    connectControllers();
    m_mainWindowController->setFrame(m_preferencesManager->frameForName(mainWindowAutosaveName()));
    awakeFromNib();
}

void KeshApp::connectControllers() {
    connect(m_bookListController, &BookListController::selectionChanged, this, &KeshApp::bookSelectionChanged);
    connect(m_bookListController, &BookListController::dataNeedsReloading, this, &KeshApp::ioDataNeedsReloading);
    connect(m_ioListController, &IOListController::dataNeedsReloading, this, &KeshApp::ioDataNeedsReloading);
    connect(m_searchFieldController, &SearchFieldController::searchKeyChanged, this, &KeshApp::ioDataNeedsReloading);
    connect(m_mainWindowController, &MainWindowController::bookAdded, m_bookListController,
            &BookListController::showNewBook);
    connect(m_mainWindowController, &MainWindowController::quitRequested, this, &KeshApp::terminate);
    connect(m_mainWindowController, &MainWindowController::ioWindowToggled, this, &KeshApp::toggleIOWindow);
    connect(m_mainWindowController, &MainWindowController::graphWindowToggled, this, &KeshApp::toggleGraphWindow);
}

void KeshApp::awakeFromNib() {
    if (m_preferencesManager->boolForKey(PreferencesManager::ioWindowOpenKey())) {
        toggleIOWindow();
    }
    if (m_preferencesManager->boolForKey(PreferencesManager::graphWindowOpenKey())) {
        toggleGraphWindow();
    }
    m_mainWindowController->makeKeyAndOrderFront();
    m_ioListController->setBook(m_bookListController->selectedBook());
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

void KeshApp::ioDataNeedsReloading() {
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

void KeshApp::saveFrames() {
    if (m_preferencesManager && m_mainWindowController) {
        m_preferencesManager->setFrame(m_mainWindowController->frame(), mainWindowAutosaveName());
        m_preferencesManager->sync();
    }
}

LibraryFile::SaveResult KeshApp::save(LibraryFile::OnFailure onFailure) {
    if (!m_dataRoot) {
        return LibraryFile::SaveResult::NotSaved;
    }
    saveFrames();
    QWidget* parent = m_mainWindowController ? m_mainWindowController->mainWindow() : nullptr;
    return m_libraryFile->save(*m_dataRoot, parent, onFailure);
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
