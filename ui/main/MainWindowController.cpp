#include "MainWindowController.h"

#include "MainWindow.h"

#include <QAction>
#include <QToolButton>

MainWindowController::MainWindowController(MainWindow* mainWindow, QObject* parent)
    : QObject(parent)
    , m_mainWindow(mainWindow) {
    connect(m_mainWindow, &MainWindow::newBookRequested, this, &MainWindowController::addNewDumbBook);
}

void MainWindowController::bringToFront() {
    m_mainWindow->bringToFront();
}

void MainWindowController::setIOToggleButtonState(bool on) {
    m_mainWindow->ioToggleButton()->setChecked(on);
}

void MainWindowController::setGraphToggleButtonState(bool on) {
    m_mainWindow->graphToggleButton()->setChecked(on);
    m_mainWindow->graphWindowAction()->setChecked(on);
}

void MainWindowController::addNewDumbBook() {
    emit dumbBookCreated(Book::create());
}
