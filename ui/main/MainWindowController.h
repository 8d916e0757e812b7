#pragma once

#include "Book.h"

#include <QObject>

class MainWindow;

// The main window's own commands: showing it, the state of its window
// toggles, and making new books.
class MainWindowController : public QObject {
    Q_OBJECT

public:
    explicit MainWindowController(MainWindow* mainWindow, QObject* parent = nullptr);

    MainWindow* mainWindow() const { return m_mainWindow; }
    // Shows the main window in front and gives it the keyboard.
    void bringToFront();
    void setIOToggleButtonState(bool on);
    void setGraphToggleButtonState(bool on);
    // A new plain book named "Untitled", for the book list to add.
    void addNewDumbBook();

signals:
    void dumbBookCreated(const BookPtr& book);

private:
    MainWindow* m_mainWindow;
};
