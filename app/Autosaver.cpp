#include "Autosaver.h"

#include "LibraryDocument.h"

Autosaver::Autosaver(LibraryDocument* document, Save save, QObject* parent)
    : QObject(parent)
    , m_document(document)
    , m_save(std::move(save)) {
    m_idle.setSingleShot(true);
    m_idle.setInterval(idleMilliseconds);
    connect(&m_idle, &QTimer::timeout, this, &Autosaver::startSave);
    connect(m_document, &LibraryDocument::changed, this, &Autosaver::libraryChanged);
    // A change waits for the save that reads the library; an alert about it
    // must not open in the middle of that change.
    connect(m_document, &LibraryDocument::aboutToTouch, this, &Autosaver::waitForSave);
}

Autosaver::~Autosaver() {
    // The worker reads the library, which may go right after this.
    if (m_running.valid()) {
        m_running.wait();
    }
}

void Autosaver::libraryChanged() {
    // Every change starts the wait again: kesh saves when the user pauses.
    m_idle.start(idleMilliseconds);
}

bool Autosaver::needsSaving() const {
    return !m_document->undoStack()->isClean() || m_failing;
}

void Autosaver::startSave() {
    m_idle.stop();
    if (isSaving() || !needsSaving()) {
        return;
    }
    m_running = std::async(std::launch::async, [this, save = m_save] {
        Outcome outcome;
        outcome.saved = save(&outcome.error);
        QMetaObject::invokeMethod(
            this, [this] { finishSave(Report::Now); }, Qt::QueuedConnection);
        return outcome;
    });
}

void Autosaver::waitForSave() {
    finishSave(Report::Later);
}

bool Autosaver::saveNow() {
    m_idle.stop();
    finishSave(Report::Now);
    if (!needsSaving()) {
        return true;
    }
    Outcome outcome;
    outcome.saved = m_save(&outcome.error);
    takeOutcome(outcome, Report::Now);
    return outcome.saved;
}

void Autosaver::finishSave(Report report) {
    if (m_running.valid()) {
        takeOutcome(m_running.get(), report);
    }
}

void Autosaver::takeOutcome(const Outcome& outcome, Report report) {
    if (outcome.saved) {
        // Nothing changed while the save ran: changes wait for it. The stack
        // is where it was when the save started, even inside a change that waited.
        m_document->undoStack()->setClean();
        if (m_failing) {
            m_failing = false;
            emit recovered();
        }
        return;
    }
    if (!m_failing) {
        m_failing = true;
        if (report == Report::Now) {
            emit failed(outcome.error);
        } else {
            QMetaObject::invokeMethod(
                this,
                [this, error = outcome.error] {
                    if (m_failing) {
                        emit failed(error);
                    }
                },
                Qt::QueuedConnection);
        }
    }
    m_idle.start(retryMilliseconds);
}
