#include "IODrawerController.h"

#include "EntryForm.h"

#include <QDockWidget>
#include <QMainWindow>
#include <QVBoxLayout>

IODrawerController::IODrawerController(EntryForm* form, QObject* parent)
    : QObject(parent)
    , m_drawer(new QDockWidget(tr("Record Entry")))
    , m_contents(new QWidget)
    , m_layout(new QVBoxLayout(m_contents))
    , m_form(form) {
    m_drawer->setObjectName(QStringLiteral("ioDrawer"));
    m_drawer->setAllowedAreas(Qt::RightDockWidgetArea);
    m_drawer->setFeatures(QDockWidget::DockWidgetClosable);
    m_contents->setObjectName(QStringLiteral("ioDrawerContents"));
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->addWidget(form);
    m_drawer->setWidget(m_contents);
    m_drawer->hide();
}

IODrawerController::~IODrawerController() {
    if (m_drawer && !m_drawer->parent()) {
        delete m_drawer;
    }
}

void IODrawerController::setParentWindow(QMainWindow* window) {
    window->addDockWidget(Qt::RightDockWidgetArea, m_drawer);
    m_drawer->hide();
}

QMainWindow* IODrawerController::parentWindow() const {
    return qobject_cast<QMainWindow*>(m_drawer->parentWidget());
}

bool IODrawerController::toggleDrawer() {
    m_contents->setMinimumSize(minimumWidth, minimumHeight);
    QMainWindow* host = parentWindow();
    if (host && host->dockWidgetArea(m_drawer) != Qt::RightDockWidgetArea) {
        host->addDockWidget(Qt::RightDockWidgetArea, m_drawer);
    }
    m_drawer->show();
    m_drawer->raise();
    if (m_form) {
        m_form->moveInto(m_layout);
    }
    if (host) {
        // The keyboard goes with the form, also when the panel opened from the entry window.
        host->activateWindow();
    }
    return true;
}
