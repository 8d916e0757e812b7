#pragma once

#include "DataRoot.h"
#include "LibraryFile.h"
#include "LocalizedStrings.h"
#include "SmartBook.h"
#include "TextSuggestion.h"

#include <QApplication>
#include <QPointer>

#include <memory>

class Autosaver;
class BookListController;
class IODrawerController;
class IOWindowController;
class KeywordWindowController;
class ConditionEditWindowController;
class BookListModel;
class EntryForm;
class GraphWindow;
class IOListController;
class IOTableModel;
class LibraryDocument;
class MainWindow;
class MainWindowController;
class PreferencesManager;
class QSessionManager;
class RunningInstance;
class SearchFieldController;
class StatsBoxController;
class UnixSignalWatcher;

// The kesh application: owns the library and the comment suggestions for the
// whole run, builds the main window and connects its controllers, runs the
// reload that every change of records ends in, looks up localized texts,
// shows numbered alerts, and writes the library whenever kesh ends.
class KeshApp : public QApplication {
    Q_OBJECT

public:
    KeshApp(int& argc, char** argv);
    ~KeshApp() override;

    static KeshApp* instance();
    // Frame of the main window in the preferences.
    static QString mainWindowAutosaveName() { return QStringLiteral("MainWindow"); }

    // Start-up before any window: hands over to a kesh already running on the
    // library, or takes the library's lock, answers later launches from then
    // on, reads the library (or makes a fresh one; nothing is written yet) and
    // fills the comment suggestions.
    // False when this kesh must not run: the user has been told why, or the
    // running kesh has come to the front (handedOver()).
    bool init();
    bool handedOver() const { return m_handedOver; }
    // Builds the main window and its controllers, connects them, restores the
    // windows from the preferences, shows the main window and runs the first reload.
    void loadInterface();

    const DataRootPtr& dataRoot() const { return m_dataRoot; }
    // Every change of the library goes through it; null before init().
    LibraryDocument* document() const { return m_document.get(); }
    TextSuggestion& commentSuggestion() { return m_commentSuggestion; }
    const QString& dataFilePath() const { return m_dataFilePath; }

    PreferencesManager* preferencesManager() const { return m_preferencesManager.get(); }
    MainWindow* mainWindow() const { return m_mainWindow.get(); }
    MainWindowController* mainWindowController() const { return m_mainWindowController.get(); }
    BookListController* bookListController() const { return m_bookListController.get(); }
    IOListController* ioListController() const { return m_ioListController.get(); }
    SearchFieldController* searchFieldController() const { return m_searchFieldController.get(); }
    StatsBoxController* statsBoxController() const { return m_statsBoxController.get(); }
    RunningInstance* runningInstance() const { return m_runningInstance.get(); }
    Autosaver* autosaver() const { return m_autosaver.get(); }
    // Made when it is first opened.
    GraphWindow* graphWindow() const { return m_graphWindow.get(); }
    // The record entry window, made when it is first opened; none without the main window.
    IOWindowController* ioWindowController();
    IODrawerController* ioDrawerController() const { return m_ioDrawerController.get(); }
    // The one record entry form, in the entry window or the panel, whichever shows it.
    EntryForm* entryForm() const;
    KeywordWindowController* keywordWindowController() const { return m_keywordWindowController.get(); }

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

    // Every change of records ends here: the selected book is refreshed (a
    // smart book recomputed), re-sorted and filtered, then the record table
    // and the statistics follow.
    void ioDataNeedsReloading();
    void toggleIOWindow();
    // Opens or closes the graph window; "GraphWindowOpen" remembers which.
    void toggleGraphWindow();
    void toggleKeywordWindow();
    // Window › Record Entry Panel.
    void toggleIODrawer(bool open);
    // File › Import Legacy Library…: the slot the legacy import plugs into.
    void importLegacyLibrary();
    // File › Show Backups: opens the folder of the daily copies in the file manager.
    void showBackups();
    // File › Restore from Backup…: the window that lists the backups.
    void restoreFromBackup();
    // File › Import CSV… and File › Export… (the records the table shows, or the selected ones).
    void importCsv();
    void exportCsv();
    // The condition editor on the selected smart book; nothing for another book.
    void editSmartBookConditions();
    // The condition editor on that smart book; the refreshed book follows OK.
    void editConditionsOf(const SmartBookPtr& book);
    // The condition editor on a new smart book, which joins the library on OK.
    void addNewSmartBook();
    ConditionEditWindowController* conditionEditWindowController() const { return m_conditionEditor.get(); }

private:
    // Answers later launches of kesh on this library from now on.
    void listenForLaunches();
    // A later launch asked for this kesh's window.
    void showForLaunch();
    void libraryChanged();
    void autosaveFailed(const QString& error);
    // A copy of the library that a save should have kept could not be made.
    void tellBackupProblem();
    // The backup's library takes the place of the library, which is kept as a backup first.
    void restoreLibrary(const DataRootPtr& backup, const QString& backupName);
    void connectControllers();
    void makeEntryControllers();
    void showKeywordSearch();
    void saveEntryFrames();
    void restoreInterface();
    void showInterface();
    void bookSelectionChanged();
    void graphWindowClosed();
    // The keyword window's search keywords; none until that window exists.
    KeywordList searchKeywords() const;
    void saveInterface();
    void commitData(QSessionManager& manager);
    void lastChanceSave();

    LocalizedStrings m_localizedStrings;
    QString m_dataFilePath;
    std::unique_ptr<LibraryFile> m_libraryFile;
    DataRootPtr m_dataRoot;
    std::unique_ptr<LibraryDocument> m_document;
    std::unique_ptr<Autosaver> m_autosaver;
    TextSuggestion m_commentSuggestion;

    // Torn down from the bottom up: controllers, then the window, then the models it shows.
    std::unique_ptr<PreferencesManager> m_preferencesManager;
    std::unique_ptr<BookListModel> m_bookListModel;
    std::unique_ptr<IOTableModel> m_ioTableModel;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<MainWindowController> m_mainWindowController;
    std::unique_ptr<BookListController> m_bookListController;
    std::unique_ptr<IOListController> m_ioListController;
    std::unique_ptr<SearchFieldController> m_searchFieldController;
    std::unique_ptr<StatsBoxController> m_statsBoxController;
    std::unique_ptr<GraphWindow> m_graphWindow;
    std::unique_ptr<IOWindowController> m_ioWindowController;
    std::unique_ptr<IODrawerController> m_ioDrawerController;
    std::unique_ptr<KeywordWindowController> m_keywordWindowController;
    // Owned by the window or panel that shows it.
    QPointer<EntryForm> m_entryForm;
    std::unique_ptr<ConditionEditWindowController> m_conditionEditor;
    std::unique_ptr<RunningInstance> m_runningInstance;
    std::unique_ptr<UnixSignalWatcher> m_signalWatcher;

    // Another kesh runs on the library and was asked to come to the front.
    bool m_handedOver = false;
    // A change of the library waits for its reload.
    bool m_reloadPending = false;
    bool m_reloadQueued = false;
    // A change of the library's books waits for the book list to follow.
    bool m_booksChanged = false;
    // The user was told that copies of the library cannot be made.
    bool m_backupFailing = false;
    // A quit is asking the user about a failed save.
    bool m_terminating = false;
    // The library was written for the end of the run (or the user let it go).
    bool m_finished = false;
};
