#pragma once

#include "DataRoot.h"

#include <QObject>

class CustomTableView;
class QAction;
class QLabel;
class QLineEdit;
class QMainWindow;
class QSplitter;
class QToolButton;

// The main window: the book list on the left; on the right the window
// toggles and the search field above the record table, the statistics
// below it; the menus. Builds the views that the other controllers of the
// window attach to, and creates new plain books.
class MainWindowController : public QObject {
    Q_OBJECT

public:
    explicit MainWindowController(DataRootPtr root, QObject* parent = nullptr);
    ~MainWindowController() override;

    QMainWindow* mainWindow() const { return m_mainWindow; }
    CustomTableView* bookListView() const { return m_bookListView; }
    CustomTableView* ioListView() const { return m_ioListView; }
    QLineEdit* searchField() const { return m_searchField; }
    QLabel* txtIn() const { return m_txtIn; }
    QLabel* txtOut() const { return m_txtOut; }
    QLabel* txtTotal() const { return m_txtTotal; }
    QLabel* txtNum() const { return m_txtNum; }
    QToolButton* ioToggleButton() const { return m_ioToggleButton; }
    QToolButton* graphToggleButton() const { return m_graphToggleButton; }

    // Shows the main window in front and gives it the keyboard.
    void makeKeyAndOrderFront();
    void setIOToggleButtonState(bool on);
    void setGraphToggleButtonState(bool on);
    // The window's place and the split between its parts, to restore at the next start.
    QByteArray frame() const;
    void setFrame(const QByteArray& frame);

    // Adds a plain book named "Untitled" to the library.
    void addNewDumbBook();
    // The menu's Delete: the selected book when the book list has the
    // keyboard, the selected records otherwise.
    void deleteSelection();

signals:
    void bookAdded(const BookPtr& book);
    // Quit command or the window's close control: the owner saves and quits.
    void quitRequested();
    void ioWindowToggled();
    void graphWindowToggled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildRecordSide();
    QWidget* buildStatsBox();
    QToolButton* buildToggleButton(const QString& name, const QString& text, const QString& toolTip);
    void buildMenus();

    DataRootPtr m_root;
    QMainWindow* m_mainWindow;
    QSplitter* m_splitter = nullptr;
    CustomTableView* m_bookListView = nullptr;
    CustomTableView* m_ioListView = nullptr;
    QLineEdit* m_searchField = nullptr;
    QLabel* m_txtIn = nullptr;
    QLabel* m_txtOut = nullptr;
    QLabel* m_txtTotal = nullptr;
    QLabel* m_txtNum = nullptr;
    QToolButton* m_ioToggleButton = nullptr;
    QToolButton* m_graphToggleButton = nullptr;
};
