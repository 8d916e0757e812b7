#pragma once

#include "BookListModel.h"
#include "ConditionEditWindowController.h"
#include "IOTableModel.h"
#include "MainWindow.h"
#include "PreferencesManager.h"
#include "ShownBook.h"
#include "SmartBook.h"

#include <QObject>
#include <QPointer>

#include <memory>

class BookListController;
class EntryForm;
class GraphWindow;
class IODrawerController;
class IOListController;
class IOWindowController;
class BudgetsWindow;
class KeywordRulesWindow;
class KeywordWindowController;
class MainWindowController;
class OpenLibrary;
class ReportWindow;
struct PrintTable;
struct ReportSelection;
class RecurringEntry;
class RecurringRecordsWindow;
class SearchFieldController;
class StatsBoxController;
class TextSuggestion;

// kesh's windows: the main window with its book list, record table, search
// field and statistics, the entry window and panel with their one form, the
// keyword, graph and condition windows. Builds them, wires them to one
// another and to the book they show, carries the commands that open and
// close them, and keeps their frames in the preferences.
class WindowSet : public QObject {
    Q_OBJECT

public:
    WindowSet(OpenLibrary& library, TextSuggestion& commentSuggestion, QObject* parent = nullptr);
    ~WindowSet() override;

    // Frame of the main window in the preferences.
    static QString mainWindowAutosaveName() { return QStringLiteral("MainWindow"); }

    // Opens the windows the preferences say were open, shows the main window
    // in front and the selected book in it.
    void show();
    // Frames, columns and the selected book into the preferences.
    void saveInterface();

    PreferencesManager* preferencesManager() { return &m_preferencesManager; }
    ShownBook* shownBook() { return &m_shownBook; }
    MainWindow* mainWindow() { return &m_mainWindow; }
    MainWindowController* mainWindowController() const { return m_mainWindowController.get(); }
    BookListController* bookListController() const { return m_bookListController.get(); }
    IOListController* ioListController() const { return m_ioListController.get(); }
    SearchFieldController* searchFieldController() const { return m_searchFieldController.get(); }
    StatsBoxController* statsBoxController() const { return m_statsBoxController.get(); }
    // Made when it is first opened.
    GraphWindow* graphWindow() const { return m_graphWindow.get(); }
    // Made when it is first opened.
    ReportWindow* reportWindow() const { return m_reportWindow.get(); }
    // Window › Reports.
    void showReports();
    // The records behind a figure of a report: its book, keyword or comment and days.
    void showReportSelection(const ReportSelection& selection);
    // File › Print… and File › Export PDF…: the selected records when there
    // are several, otherwise what the table shows.
    PrintTable recordSheet() const;
    void printRecords();
    void exportPdf();
    // Made when it is first opened.
    IOWindowController* ioWindowController();
    IODrawerController* ioDrawerController() const { return m_ioDrawerController.get(); }
    // The one record entry form, in the entry window or the panel, whichever shows it.
    EntryForm* entryForm() const;
    KeywordWindowController* keywordWindowController() const { return m_keywordWindowController.get(); }
    ConditionEditWindowController* conditionEditWindowController() { return &m_conditionEditor; }

    void toggleIOWindow();
    // Opens or closes the graph window; "GraphWindowOpen" remembers which.
    void toggleGraphWindow();
    void toggleKeywordWindow();
    // Window › Record Entry Panel.
    void toggleIODrawer(bool open);
    // The condition editor on the selected smart book; nothing for another book.
    void editSmartBookConditions();
    void editConditionsOf(const SmartBookPtr& book);
    // The condition editor on a new smart book, which joins the library on OK.
    void addNewSmartBook();
    // File › Restore from Backup…: the window that lists the backups.
    void restoreFromBackup();
    // File › Import Legacy Library…, File › Import CSV… and File › Export…
    void importLegacyLibrary();
    void importFiles();
    void exportCsv();
    // Window › Keyword Rules; made when it is first opened.
    void showKeywordRules();
    KeywordRulesWindow* keywordRulesWindow() const { return m_keywordRulesWindow.get(); }
    void showBudgets();
    BudgetsWindow* budgetsWindow() const { return m_budgetsWindow.get(); }
    // A smart book's budget selects the book; a keyword's shows the main
    // library searched for the keyword (the search has no span of days).
    void showBudgetRecords(const BudgetPtr& budget);
    // Records › Apply Keyword Rules: to the selected records, one change.
    void applyKeywordRules();
    // Records › Add to Book…: the selected records into the plain book the user picks.
    void addSelectedRecordsToBook();
    // Window › Recurring Records; made when it is first opened.
    void showRecurringRecords();
    RecurringRecordsWindow* recurringRecordsWindow() const { return m_recurringRecordsWindow.get(); }
    // Records › Repeat…: a recurring record made from the selected record.
    void repeatSelectedRecord();
    // Enters the recurring records due, now and at each midnight.
    RecurringEntry* recurringEntry() const { return m_recurringEntry.get(); }

private:
    void makeControllers(TextSuggestion& commentSuggestion);
    void makeEntryControllers(TextSuggestion& commentSuggestion);
    void connectControllers();
    void connectEntryControllers();
    void connectShownBook();
    void restoreInterface();
    void bookSelectionChanged();
    void showKeywordSearch();
    void showDayRange();
    // The sums and the graph of the shown book.
    void showFigures();
    void graphWindowClosed();
    void saveEntryFrames();

    OpenLibrary& m_library;
    LibraryDocument* m_document;
    PreferencesManager m_preferencesManager;
    ShownBook m_shownBook;
    // The models outlive the windows that show them, the condition editor its sheet.
    BookListModel m_bookListModel;
    IOTableModel m_ioTableModel;
    ConditionEditWindowController m_conditionEditor;
    MainWindow m_mainWindow;
    std::unique_ptr<MainWindowController> m_mainWindowController;
    std::unique_ptr<BookListController> m_bookListController;
    std::unique_ptr<IOListController> m_ioListController;
    std::unique_ptr<SearchFieldController> m_searchFieldController;
    std::unique_ptr<StatsBoxController> m_statsBoxController;
    std::unique_ptr<GraphWindow> m_graphWindow;
    std::unique_ptr<ReportWindow> m_reportWindow;
    std::unique_ptr<IOWindowController> m_ioWindowController;
    std::unique_ptr<IODrawerController> m_ioDrawerController;
    std::unique_ptr<KeywordWindowController> m_keywordWindowController;
    std::unique_ptr<KeywordRulesWindow> m_keywordRulesWindow;
    std::unique_ptr<RecurringRecordsWindow> m_recurringRecordsWindow;
    std::unique_ptr<RecurringEntry> m_recurringEntry;
    std::unique_ptr<BudgetsWindow> m_budgetsWindow;
    // Owned by the window or panel that shows it.
    QPointer<EntryForm> m_entryForm;
    // Within a change: the graph is to learn of the recurring records at its end.
    bool m_recurringChanged = false;
};
