#include "KeshApp.h"

#include "Alert.h"
#include "DataFile.h"
#include "EntryForm.h"
#include "FieldUndoFilter.h"
#include "KeywordWindowController.h"
#include "LocalizedText.h"
#include "MainWindowController.h"
#include "RecurringEntry.h"
#include "RunningInstance.h"
#include "Translations.h"
#include "UnixSignalWatcher.h"

#include <QIcon>
#include <QSessionManager>

#include <csignal>

KeshApp::KeshApp(int& argc, char** argv)
    : QApplication(argc, argv) {
    setOrganizationName(QStringLiteral("kesh"));
    setApplicationName(QStringLiteral("kesh"));
    setApplicationDisplayName(QStringLiteral("kesh"));
    setApplicationVersion(QStringLiteral(KESH_VERSION));
    // Desktops match the window to its installed entry, and so to its icon, by this id.
    setDesktopFileName(QStringLiteral("io.github.kesh.Kesh"));
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
    LocalizedText::setProvider(nullptr);
}

KeshApp* KeshApp::instance() {
    return qobject_cast<KeshApp*>(QCoreApplication::instance());
}

const DataRootPtr& KeshApp::dataRoot() const {
    static const DataRootPtr none;
    return m_library ? m_library->dataRoot() : none;
}

bool KeshApp::init() {
    m_dataFilePath = DataFile::defaultPath();
    // A second launch brings the running kesh to the front instead of saying the library is in use.
    if (RunningInstance::askToShow(m_dataFilePath)) {
        m_handedOver = true;
        return false;
    }
    m_library = std::make_unique<OpenLibrary>(m_dataFilePath);
    if (!m_library->lock()) {
        m_library.reset();
        return false;
    }
    // Before the library is read: a large one takes a while, and a launch meanwhile is this kesh's too.
    listenForLaunches();
    if (!m_library->read()) {
        m_runningInstance.reset();
        m_library.reset();
        return false;
    }
    // In the main library's order, so the comments of its first records are offered first.
    for (const IOPtr& record : dataRoot()->mainLibrary()->records()) {
        m_commentSuggestion.addWord(record->comment());
    }
    return true;
}

void KeshApp::loadInterface() {
    m_windows = std::make_unique<WindowSet>(*m_library, m_commentSuggestion);
    m_library->setWindow(mainWindow());
    installEventFilter(new FieldUndoFilter(this));
    connect(mainWindow(), &MainWindow::quitRequested, this, &KeshApp::terminate);
    connect(keywordWindowController(), &KeywordWindowController::complaintRaised, this, &KeshApp::complain);
    connect(entryForm(), &EntryForm::complaintRaised, this, &KeshApp::complain);
    m_windows->show();
    // What fell due while kesh was closed, then each new day's.
    m_windows->recurringEntry()->enterDue();
    m_windows->recurringEntry()->armForMidnight();
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
    if (m_windows) {
        m_windows->mainWindowController()->bringToFront();
        return;
    }
    // Still starting: what asks the user now comes forward; the main window does when it is shown.
    if (QWidget* modal = activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
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

LibraryFile::SaveResult KeshApp::save(LibraryFile::OnFailure onFailure) {
    if (!m_library) {
        return LibraryFile::SaveResult::NotSaved;
    }
    if (m_windows) {
        m_windows->saveInterface();
    }
    return m_library->save(onFailure);
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
    if (!m_library || m_finished) {
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
    if (m_library && !m_finished) {
        m_finished = true;
        save(LibraryFile::OnFailure::AskRetryOrQuit);
    }
}
