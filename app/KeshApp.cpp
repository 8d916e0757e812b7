#include "KeshApp.h"

#include "Alert.h"
#include "AppPalette.h"
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

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QSessionManager>

#include <csignal>

void KeshApp::setIdentity() {
    QCoreApplication::setOrganizationName(QStringLiteral("kesh"));
    QCoreApplication::setApplicationName(QStringLiteral("kesh"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KESH_VERSION));
}

KeshApp::KeshApp(int& argc, char** argv)
    : QApplication(argc, argv) {
    setIdentity();
    setApplicationDisplayName(QStringLiteral("kesh"));
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
    connect(&m_colorScheme, &DesktopColorScheme::schemeChanged, this, &KeshApp::followColorScheme);
    m_colorScheme.listenToPortal();
}

KeshApp::~KeshApp() {
    LocalizedText::setProvider(nullptr);
}

void KeshApp::followColorScheme(DesktopColorScheme::Scheme scheme) {
    switch (scheme) {
    case DesktopColorScheme::Scheme::Dark:
        AppPalette::apply(AppPalette::Scheme::Dark);
        break;
    case DesktopColorScheme::Scheme::Light:
        AppPalette::apply(AppPalette::Scheme::Light);
        break;
    case DesktopColorScheme::Scheme::NoPreference:
        AppPalette::apply(AppPalette::Scheme::Platform);
        break;
    }
}

KeshApp* KeshApp::instance() {
    return qobject_cast<KeshApp*>(QCoreApplication::instance());
}

const DataRootPtr& KeshApp::dataRoot() const {
    static const DataRootPtr none;
    return m_library ? m_library->dataRoot() : none;
}

bool KeshApp::init(const QString& requestedLibrary) {
    bool create = false;
    const std::optional<QString> chosen = chooseLibrary(requestedLibrary, &create);
    if (!chosen) {
        return false;
    }
    m_dataFilePath = *chosen;
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
    // A library the user asked to make is there from now on, not only once something is saved.
    const bool ready = m_library->read() && (!create || m_library->save(LibraryFile::OnFailure::AskRetryOrQuit) ==
                                                            LibraryFile::SaveResult::Saved);
    if (!ready) {
        m_runningInstance.reset();
        m_library.reset();
        return false;
    }
    fillSuggestions();
    return true;
}

std::optional<QString> KeshApp::chooseLibrary(const QString& requested, bool* create) {
    if (requested.isEmpty()) {
        return rememberedLibrary();
    }
    const LibraryLocation location(requested);
    const LibraryLocation::State state = location.state();
    // The default library is made without asking, as on a first launch.
    if (location.isDefault() || state == LibraryLocation::State::Library) {
        return location.path();
    }
    if (state == LibraryLocation::State::Missing) {
        *create = true;
        return askToCreate(location.path()) ? std::optional<QString>(location.path()) : std::nullopt;
    }
    tellNotOpened(location, state, false);
    return std::nullopt;
}

QString KeshApp::rememberedLibrary() {
    PreferencesManager preferences;
    const LibraryLocation remembered(preferences.lastLibrary());
    const LibraryLocation::State state = remembered.state();
    if (remembered.isDefault() || state == LibraryLocation::State::Library) {
        return remembered.path();
    }
    // Forgotten: the default opened now is the last one opened.
    preferences.setLastLibrary(QString());
    const QString why = state == LibraryLocation::State::Missing || state == LibraryLocation::State::FolderMissing
                            ? tr("“%1” is not there any more: it may have been moved, or its disk is not connected.")
                                  .arg(QDir::toNativeSeparators(remembered.path()))
                            : remembered.problem(state);
    Alert::inform(nullptr, QStringLiteral("lastLibraryMissingAlert"), Alert::Icon::Warning,
                  tr("The library you opened last cannot be found."),
                  tr("%1\n\nkesh opens your library “%2” instead. Use File › Open Library… to open the other one "
                     "when it is back.")
                      .arg(why, QDir::toNativeSeparators(LibraryLocation().path())));
    return LibraryLocation().path();
}

bool KeshApp::askToCreate(const QString& path) {
    Alert alert(activeWindow(), QStringLiteral("createLibraryAlert"), Alert::Icon::Information,
                tr("There is no library at “%1”.").arg(QDir::toNativeSeparators(path)),
                tr("kesh can start a new, empty library there."));
    const int create = alert.addButton(tr("Create Library"), QMessageBox::AcceptRole);
    const int cancel = alert.addButton(tr("Quit"), QMessageBox::RejectRole);
    alert.setDefaultButton(create);
    alert.setEscapeButton(cancel);
    return alert.exec() == create;
}

void KeshApp::tellNotOpened(const LibraryLocation& location, LibraryLocation::State state, bool create) {
    QString problem = location.problem(state);
    if (state == LibraryLocation::State::Library) {
        problem = tr("A file is there already. Use File › Open Library… to open it.");
    } else if (state == LibraryLocation::State::Missing) {
        problem = tr("There is no library at “%1”.").arg(QDir::toNativeSeparators(location.path()));
    }
    const QString outcome = m_library ? tr("kesh keeps the library it has open.") : tr("kesh quits.");
    Alert::inform(activeWindow(), QStringLiteral("libraryNotOpenedAlert"), Alert::Icon::Warning,
                  create ? tr("kesh cannot make a library there.") : tr("kesh cannot open that library."),
                  problem + QStringLiteral("\n\n") + outcome);
}

void KeshApp::fillSuggestions() {
    m_commentSuggestion = TextSuggestion();
    // In the main library's order, so the comments of its first records are offered first.
    for (const IOPtr& record : dataRoot()->mainLibrary()->records()) {
        m_commentSuggestion.addWord(record->comment());
    }
}

void KeshApp::loadInterface() {
    m_windows = std::make_unique<WindowSet>(*m_library, m_commentSuggestion);
    m_library->setWindow(mainWindow());
    if (!m_interfaceFilters) {
        installEventFilter(new FieldUndoFilter(this));
        m_interfaceFilters = true;
    }
    connect(mainWindow(), &MainWindow::quitRequested, this, &KeshApp::terminate);
    // Queued: the switch closes the very window whose menu asked for it.
    connect(mainWindow(), &MainWindow::openLibraryRequested, this, &KeshApp::openLibrary, Qt::QueuedConnection);
    connect(mainWindow(), &MainWindow::newLibraryRequested, this, &KeshApp::newLibrary, Qt::QueuedConnection);
    connect(keywordWindowController(), &KeywordWindowController::complaintRaised, this, &KeshApp::complain);
    connect(entryForm(), &EntryForm::complaintRaised, this, &KeshApp::complain);
    m_windows->show();
    // What fell due while kesh was closed, then each new day's.
    m_windows->recurringEntry()->enterDue();
    m_windows->recurringEntry()->armForMidnight();
}

void KeshApp::openLibrary() {
    const QString folder = QFileInfo(m_dataFilePath).absolutePath();
    const QString path = QFileDialog::getOpenFileName(mainWindow(), tr("Open Library"), folder);
    if (!path.isEmpty()) {
        switchToLibrary(path, false);
    }
}

void KeshApp::newLibrary() {
    const QString start = QDir(QFileInfo(m_dataFilePath).absolutePath()).filePath(tr("New Library"));
    // An existing file is refused, not replaced: it may be a library.
    const QString path = QFileDialog::getSaveFileName(mainWindow(), tr("New Library"), start, QString(), nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
    if (!path.isEmpty()) {
        switchToLibrary(path, true);
    }
}

bool KeshApp::switchToLibrary(const QString& path, bool create) {
    if (!m_library) {
        return false;
    }
    const LibraryLocation location(path);
    if (LibraryLocation::sameFile(location.path(), m_dataFilePath)) {
        if (create) {
            tellNotOpened(location, LibraryLocation::State::Library, true);
        }
        return !create;
    }
    const LibraryLocation::State state = location.state();
    if (state != (create ? LibraryLocation::State::Missing : LibraryLocation::State::Library)) {
        tellNotOpened(location, state, create);
        return false;
    }
    // Another kesh on that library comes to the front: it keeps it.
    if (!create && RunningInstance::askToShow(location.path())) {
        return false;
    }
    // Nothing of this library is left behind unsaved.
    if (m_windows) {
        m_windows->saveInterface();
    }
    if (m_library->save(LibraryFile::OnFailure::Report) != LibraryFile::SaveResult::Saved) {
        Alert::inform(
            mainWindow(), QStringLiteral("switchNotSavedAlert"), Alert::Icon::Critical,
            tr("kesh could not save your library, so it stays open."),
            tr("Writing “%1” failed: %2").arg(QDir::toNativeSeparators(m_dataFilePath), m_library->lastError()));
        return false;
    }
    // The other library is taken before this one is let go: when it cannot be, nothing changes.
    auto next = std::make_unique<OpenLibrary>(location.path(), LibraryFile::Refusal::KeepCurrent);
    next->setWindow(mainWindow());
    if (!next->lock() || !next->read()) {
        return false;
    }
    if (create && next->save(LibraryFile::OnFailure::Report) != LibraryFile::SaveResult::Saved) {
        Alert::inform(mainWindow(), QStringLiteral("newLibraryNotWrittenAlert"), Alert::Icon::Critical,
                      tr("kesh could not make the new library."),
                      tr("Writing “%1” failed: %2\n\nkesh keeps the library it has open.")
                          .arg(QDir::toNativeSeparators(location.path()), next->lastError()));
        return false;
    }
    // The windows and their undo history belong to the library they showed.
    m_windows.reset();
    m_runningInstance.reset();
    m_library = std::move(next);
    m_dataFilePath = location.path();
    listenForLaunches();
    fillSuggestions();
    PreferencesManager().setLastLibrary(m_dataFilePath);
    loadInterface();
    return true;
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
