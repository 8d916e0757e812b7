#include "IOWindowController.h"

#include "EntryForm.h"
#include "LibraryDocument.h"
#include "RestoredFrame.h"
#include "ToolWindow.h"

#include <QEvent>
#include <QVBoxLayout>
#include <QWidget>

IOWindowController::IOWindowController(LibraryDocument* document, TextSuggestion* suggestion, QObject* parent)
    : QObject(parent)
    , m_window(std::make_unique<QWidget>(nullptr, Qt::Window))
    , m_form(new EntryForm(document, suggestion)) {
    m_window->setObjectName(QStringLiteral("ioWindow"));
    m_window->setWindowTitle(tr("Record Entry"));
    auto* layout = new QVBoxLayout(m_window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_form);
    const int line = m_form->fontMetrics().height();
    m_window->resize(line * 22, line * 30);
    m_window->installEventFilter(this);
    ToolWindow::addUndoActions(m_window.get(), document->undoStack());
    connect(m_form, &EntryForm::complaintRaised, this, &IOWindowController::complaintRaised);
    connect(m_form, &EntryForm::keywordWindowRequested, this, &IOWindowController::keywordWindowRequested);
}

void IOWindowController::setParentWindow(QWidget* host) {
    ToolWindow::attach(m_window.get(), host, Qt::TopRightCorner);
}

IOWindowController::~IOWindowController() = default;

bool IOWindowController::toggleWindow() {
    if (m_window->isVisible()) {
        m_window->removeEventFilter(this);
        m_window->close();
        m_window->installEventFilter(this);
        return false;
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return true;
}

bool IOWindowController::eventFilter(QObject* object, QEvent* event) {
    if (object == m_window.get() && event->type() == QEvent::Close) {
        emit windowClosed();
    }
    return QObject::eventFilter(object, event);
}

QByteArray IOWindowController::frame() const {
    return m_window->saveGeometry();
}

void IOWindowController::setFrame(const QByteArray& frame) {
    if (!frame.isEmpty()) {
        RestoredFrame::restore(m_window.get(), frame);
    }
}
