#pragma once

#include <QMainWindow>

class QUndoStack;
class BookListModel;
class CustomTableView;
class IOTableModel;
class QAction;
class QLabel;
class QLineEdit;
class QSplitter;
class QToolButton;
class RecordTableView;

// The main window: the book list on the left; on the right the window
// toggles and the search field above the record table, the statistics below
// it; the menus. Owns its widgets and how they behave (selection, editing,
// dragging, columns); what they do with the library is the controllers'.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(BookListModel* books, IOTableModel* records, QWidget* parent = nullptr);
    ~MainWindow() override;

    CustomTableView* bookListView() const { return m_bookListView; }
    RecordTableView* ioListView() const { return m_ioListView; }
    QLineEdit* searchField() const { return m_searchField; }
    QLabel* incomingsLabel() const { return m_incomingsLabel; }
    QLabel* outgoingsLabel() const { return m_outgoingsLabel; }
    QLabel* balanceLabel() const { return m_balanceLabel; }
    QLabel* recordCountLabel() const { return m_recordCountLabel; }
    QToolButton* ioToggleButton() const { return m_ioToggleButton; }
    QToolButton* graphToggleButton() const { return m_graphToggleButton; }
    QAction* deleteAction() const { return m_deleteAction; }
    QAction* importLegacyLibraryAction() const { return m_importAction; }
    // Window › Graph: checked while the graph window is open.
    QAction* graphWindowAction() const { return m_graphWindowAction; }
    QAction* ioWindowAction() const { return m_ioWindowAction; }
    QAction* keywordWindowAction() const { return m_keywordWindowAction; }
    QAction* ioDrawerAction() const { return m_ioDrawerAction; }

    // The names of the keywords a keyword search asks for; none hides the notice.
    void setKeywordSearch(const QStringList& keywordNames);
    // The days the list is narrowed to, as text; empty hides the notice.
    void setDayRange(const QString& days);
    QAction* editConditionsAction() const { return m_editConditionsAction; }
    QAction* addToBookAction() const { return m_addToBookAction; }

    // Shows the window, in front, with the keyboard, also when it was minimised.
    void bringToFront();
    // The window's place and the split between its parts, to restore at the next start.
    QByteArray frame() const;
    void setFrame(const QByteArray& frame);
    // Edit › Undo and Redo, named after the change they take back or make again.
    void setUndoStack(QUndoStack* stack);
    // Widths and order of the record table's columns.
    QByteArray columnState() const;
    void setColumnState(const QByteArray& state);

    // What Edit › Delete would do for each list, and why not when it cannot.
    // The menu item follows the list that has the keyboard.
    void setBookDeleteState(bool enabled, const QString& toolTip);
    void setRecordDeleteState(bool enabled, const QString& toolTip);

    void showAbout();

signals:
    // Quit command or the window's close control: the owner saves and quits.
    void quitRequested();
    void newBookRequested();
    void ioWindowToggled();
    void graphWindowToggled();
    // File › Import Legacy Library…; the action stays disabled until someone answers it.
    void importLegacyLibraryRequested();
    void keywordWindowToggled();
    // Window › Record Entry Panel: open (true) or close the panel.
    void ioDrawerToggled(bool open);
    // The keyword search notice's Show All.
    void showAllRecordsRequested();
    // File › Open Library… and File › New Library…: the owner switches kesh to another library file.
    void openLibraryRequested();
    void newLibraryRequested();
    // File › Restore from Backup…
    void restoreBackupRequested();
    // File › Show Backups: the folder of the daily copies.
    void showBackupsRequested();
    // File › Import CSV… and File › Export…
    // File › Import…: CSV, OFX, QFX and QIF.
    void importRequested();
    void keywordRulesWindowRequested();
    // Window › Budgets.
    void budgetsWindowRequested();
    // Records › Apply Keyword Rules, to the selected records.
    void applyKeywordRulesRequested();
    // Records › Add to Book…: the selected records into a plain book, as dropping them there does.
    void addToBookRequested();
    // Records › Repeat…, for the selected record.
    void repeatRecordRequested();
    void recurringRecordsWindowRequested();
    void exportRequested();
    // File › Print… and File › Export PDF…: what the table shows, or the selected records.
    void printRequested();
    void exportPdfRequested();
    // Window › Reports.
    void reportWindowRequested();
    // The day range notice's All Days.
    void dayRangeCleared();
    void newSmartBookRequested();
    // Edit › Edit Conditions…: the selected smart book's conditions.
    void editConditionsRequested();
    // The Window menu is about to open: its check marks can be brought up to date.
    void windowMenuAboutToShow();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildBookList(BookListModel* books);
    void buildRecordTable(IOTableModel* records);
    void sizeRecordColumns(const IOTableModel& records);
    QWidget* buildRecordSide(IOTableModel* records);
    QWidget* buildStatsBox();
    void buildMenus();
    void buildWindowMenu();
    QWidget* buildKeywordSearchBar();
    QWidget* buildDayRangeBar();
    void deleteSelection();
    // The action's keys work only while the keyboard is in `area`, this window or a part of it.
    void keepKeysIn(QAction* action, QWidget* area);
    void updateDeleteAction();

    QSplitter* m_splitter = nullptr;
    CustomTableView* m_bookListView = nullptr;
    RecordTableView* m_ioListView = nullptr;
    QLineEdit* m_searchField = nullptr;
    QLabel* m_incomingsLabel = nullptr;
    QLabel* m_outgoingsLabel = nullptr;
    QLabel* m_balanceLabel = nullptr;
    QLabel* m_recordCountLabel = nullptr;
    QToolButton* m_ioToggleButton = nullptr;
    QToolButton* m_graphToggleButton = nullptr;
    QAction* m_deleteAction = nullptr;
    QMenu* m_editMenu = nullptr;
    QAction* m_importAction = nullptr;
    QAction* m_graphWindowAction = nullptr;
    QAction* m_ioWindowAction = nullptr;
    QAction* m_keywordWindowAction = nullptr;
    QAction* m_ioDrawerAction = nullptr;
    QWidget* m_keywordSearchBar = nullptr;
    QLabel* m_keywordSearchLabel = nullptr;
    QWidget* m_dayRangeBar = nullptr;
    QLabel* m_dayRangeLabel = nullptr;
    QAction* m_editConditionsAction = nullptr;
    QAction* m_addToBookAction = nullptr;

    struct DeleteState {
        bool enabled = false;
        QString toolTip;
    };
    DeleteState m_bookDelete;
    DeleteState m_recordDelete;
};
