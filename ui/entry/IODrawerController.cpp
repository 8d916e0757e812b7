#include "IODrawerController.h"

#include "EntryForm.h"

#include <QDockWidget>
#include <QMainWindow>

IODrawerController::IODrawerController(LibraryDocument* document, TextSuggestion* suggestion, QObject* parent)
    : QObject(parent)
    , m_drawer(new QDockWidget(tr("Record Entry")))
    , m_form(new EntryForm(document, suggestion)) {
    m_drawer->setObjectName(QStringLiteral("ioDrawer"));
    m_drawer->setAllowedAreas(Qt::RightDockWidgetArea);
    m_drawer->setFeatures(QDockWidget::DockWidgetClosable);
    m_drawer->setWidget(m_form);
    m_drawer->hide();
    connect(m_form, &EntryForm::complaintRaised, this, &IODrawerController::complaintRaised);
    connect(m_form, &EntryForm::keywordWindowRequested, this, &IODrawerController::keywordWindowRequested);
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
    m_form->setMinimumSize(minimumWidth, minimumHeight);
    if (QMainWindow* host = parentWindow(); host && host->dockWidgetArea(m_drawer) != Qt::RightDockWidgetArea) {
        host->addDockWidget(Qt::RightDockWidgetArea, m_drawer);
    }
    m_drawer->show();
    m_drawer->raise();
    return true;
}
