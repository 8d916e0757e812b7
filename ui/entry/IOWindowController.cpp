#include "IOWindowController.h"

#include "EntryForm.h"
#include "LibraryDocument.h"
#include "RestoredFrame.h"
#include "ToolWindow.h"
#include "UndoActions.h"

#include <QEvent>
#include <QVBoxLayout>
#include <QWidget>

IOWindowController::IOWindowController(LibraryDocument* document, EntryForm* form, QObject* parent)
    : QObject(parent)
    , m_window(std::make_unique<QWidget>(nullptr, Qt::Window))
    , m_layout(new QVBoxLayout(m_window.get()))
    , m_form(form) {
    m_window->setObjectName(QStringLiteral("ioWindow"));
    m_window->setWindowTitle(tr("Record Entry"));
    m_layout->setContentsMargins(0, 0, 0, 0);
    const int line = m_window->fontMetrics().height();
    m_window->resize(line * 22, line * 30);
    m_window->installEventFilter(this);
    UndoActions::addTo(m_window.get(), document->undoStack());
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
    // Once shown, so the form keeps the field it was typed in rather than start again at the amount.
    if (m_form) {
        m_form->moveInto(m_layout);
    }
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
