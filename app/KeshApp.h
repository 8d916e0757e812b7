#pragma once

#include "DesktopColorScheme.h"
#include "LibraryFile.h"
#include "LibraryLocation.h"
#include "LocalizedStrings.h"
#include "OpenLibrary.h"
#include "TextSuggestion.h"
#include "WindowSet.h"

#include <QApplication>

#include <memory>
#include <optional>

class QSessionManager;
class RunningInstance;
class UnixSignalWatcher;

// The kesh application: starts on the library (or hands over to the kesh
// already running on it), owns the library and the comment suggestions for
// the whole run, opens the windows, looks up localized texts, shows numbered
// alerts, and writes the library whenever kesh ends: the quit command, a
// signal, the desktop's session.
class KeshApp : public QApplication {
    Q_OBJECT

public:
    KeshApp(int& argc, char** argv);
    ~KeshApp() override;

    // The names and version both the application and a bare command-line run go by.
    static void setIdentity();

    static KeshApp* instance();

    // Start-up before any window: chooses the library (`requestedLibrary`,
    // else the one opened last, else the default), hands over to a kesh
    // already running on it, or takes the library's lock, answers later
    // launches from then on, reads the library (or makes a fresh one; nothing
    // is written yet) and fills the comment suggestions. A library file that
    // does not exist yet is made only when the user agrees.
    // False when this kesh must not run: the user has been told why, or the
    // running kesh has come to the front (handedOver()).
    bool init(const QString& requestedLibrary = QString());
    bool handedOver() const { return m_handedOver; }
    // Builds the windows, restores them from the preferences and shows the main window.
    void loadInterface();

    const DataRootPtr& dataRoot() const;
    // Every change of the library goes through it; null before init().
    LibraryDocument* document() const { return m_library ? m_library->document() : nullptr; }
    TextSuggestion& commentSuggestion() { return m_commentSuggestion; }
    const QString& dataFilePath() const { return m_dataFilePath; }
    Autosaver* autosaver() const { return m_library ? m_library->autosaver() : nullptr; }
    RunningInstance* runningInstance() const { return m_runningInstance.get(); }
    // The windows; none before loadInterface().
    WindowSet* windows() const { return m_windows.get(); }

    PreferencesManager* preferencesManager() const { return m_windows ? m_windows->preferencesManager() : nullptr; }
    MainWindow* mainWindow() const { return m_windows ? m_windows->mainWindow() : nullptr; }
    MainWindowController* mainWindowController() const { return window(&WindowSet::mainWindowController); }
    BookListController* bookListController() const { return window(&WindowSet::bookListController); }
    IOListController* ioListController() const { return window(&WindowSet::ioListController); }
    SearchFieldController* searchFieldController() const { return window(&WindowSet::searchFieldController); }
    StatsBoxController* statsBoxController() const { return window(&WindowSet::statsBoxController); }
    GraphWindow* graphWindow() const { return window(&WindowSet::graphWindow); }
    IOWindowController* ioWindowController() { return m_windows ? m_windows->ioWindowController() : nullptr; }
    IODrawerController* ioDrawerController() const { return window(&WindowSet::ioDrawerController); }
    EntryForm* entryForm() const { return window(&WindowSet::entryForm); }
    KeywordWindowController* keywordWindowController() const { return window(&WindowSet::keywordWindowController); }
    ConditionEditWindowController* conditionEditWindowController() const {
        return m_windows ? m_windows->conditionEditWindowController() : nullptr;
    }
    void toggleGraphWindow() { m_windows->toggleGraphWindow(); }
    // The desktop's light or dark preference, which kesh's colours follow.
    DesktopColorScheme* colorScheme() { return &m_colorScheme; }

    // Beeps and shows alert n, titled "ErrorTitle<n>" with the text "ErrorContent<n>".
    void complain(int errorNumber);
    // "plist Error" for a key without text.
    QString getLocalizedStringWithKey(const QString& key) const;
    // The key is the prefix followed by the number: "ConditionWhat" and 2 give "ConditionWhat2".
    QString getLocalizedStringWithKeyPrefixAndId(const QString& prefix, int id) const;

    // Writes the library and the preferences; on failure asks as `onFailure` allows.
    LibraryFile::SaveResult save(LibraryFile::OnFailure onFailure = LibraryFile::OnFailure::AskRetryQuitOrStay);
    // The quit command: saves, then ends the event loop. False when the user
    // chose to keep kesh open after a failed save.
    bool terminate();

    // File › Open Library… and File › New Library…: ask for a file, then switch to it.
    void openLibrary();
    void newLibrary();
    // Saves the library, then works on the library at `path` (a new, empty one
    // with `create`) with fresh windows and a fresh undo history. False, with
    // the user told why, when kesh stays on the library it has open.
    bool switchToLibrary(const QString& path, bool create);

private:
    template <typename Part> Part* window(Part* (WindowSet::*part)() const) const {
        return m_windows ? (m_windows.get()->*part)() : nullptr;
    }
    // The library this run starts on, and whether it is to be made; none when kesh must not start.
    std::optional<QString> chooseLibrary(const QString& requested, bool* create);
    // The library opened last, or the default when it is gone (the user is told).
    QString rememberedLibrary();
    bool askToCreate(const QString& path);
    void tellNotOpened(const LibraryLocation& location, LibraryLocation::State state, bool create);
    // The comment suggestions of the library now open.
    void fillSuggestions();
    // Answers later launches of kesh on this library from now on.
    void listenForLaunches();
    // A later launch asked for this kesh's window.
    void showForLaunch();
    void commitData(QSessionManager& manager);
    void lastChanceSave();
    static void followColorScheme(DesktopColorScheme::Scheme scheme);

    LocalizedStrings m_localizedStrings;
    DesktopColorScheme m_colorScheme;
    QString m_dataFilePath;
    std::unique_ptr<UnixSignalWatcher> m_signalWatcher;
    std::unique_ptr<RunningInstance> m_runningInstance;
    // The library outlives the windows that show it.
    std::unique_ptr<OpenLibrary> m_library;
    TextSuggestion m_commentSuggestion;
    std::unique_ptr<WindowSet> m_windows;

    bool m_interfaceFilters = false;
    // Another kesh runs on the library and was asked to come to the front.
    bool m_handedOver = false;
    // A quit is asking the user about a failed save.
    bool m_terminating = false;
    // The library was written for the end of the run (or the user let it go).
    bool m_finished = false;
};
