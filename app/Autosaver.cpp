#include "Autosaver.h"

#include "LibraryDocument.h"

Autosaver::Autosaver(LibraryDocument* document, Save save, QObject* parent)
    : QObject(parent)
    , m_document(document)
    , m_save(std::move(save)) {
    m_idle.setSingleShot(true);
    m_idle.setInterval(idleMilliseconds);
    connect(&m_idle, &QTimer::timeout, this, &Autosaver::saveNow);
    connect(m_document, &LibraryDocument::changed, this, &Autosaver::libraryChanged);
}

void Autosaver::libraryChanged() {
    // Every change starts the wait again: kesh saves when the user pauses.
    m_idle.start(idleMilliseconds);
}

bool Autosaver::saveNow() {
    m_idle.stop();
    QUndoStack* stack = m_document->undoStack();
    if (stack->isClean() && !m_failing) {
        return true;
    }
    QString error;
    if (m_save(&error)) {
        stack->setClean();
        if (m_failing) {
            m_failing = false;
            emit recovered();
        }
        return true;
    }
    if (!m_failing) {
        m_failing = true;
        emit failed(error);
    }
    m_idle.start(retryMilliseconds);
    return false;
}
