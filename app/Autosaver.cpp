#include "Autosaver.h"

Autosaver::Autosaver(LibraryDocument* document, Save save, QObject* parent)
    : QObject(parent)
    , m_document(document)
    , m_save(std::move(save)) {
    m_idle.setSingleShot(true);
    m_idle.setInterval(idleMilliseconds);
    connect(&m_idle, &QTimer::timeout, this, &Autosaver::startSave);
    m_longest.setSingleShot(true);
    m_longest.setInterval(longestMilliseconds);
    connect(&m_longest, &QTimer::timeout, this, &Autosaver::startSave);
    connect(m_document, &LibraryDocument::changed, this, &Autosaver::libraryChanged);
    connect(m_document, &LibraryDocument::orderChanged, this, &Autosaver::libraryChanged);
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

void Autosaver::setIntervals(int idle, int longest) {
    m_idleInterval = idle;
    m_longest.setInterval(longest);
}

void Autosaver::libraryChanged() {
    // Every change starts the wait again: kesh saves when the user pauses,
    // but the first change unsaved does not wait for a pause for ever.
    m_idle.start(m_idleInterval);
    if (!m_longest.isActive()) {
        m_longest.start();
    }
}

bool Autosaver::needsSaving() const {
    return m_document->isModified() || m_failing;
}

void Autosaver::startSave() {
    m_idle.stop();
    if (m_holds > 0) {
        return;
    }
    if (isSaving()) {
        // Changes made since that save started wait for it; the next save is
        // due once it ends, within the longest wait again.
        m_longest.start();
        return;
    }
    m_longest.stop();
    if (!needsSaving()) {
        return;
    }
    m_mark = m_document->saveMark();
    // Said here, before the worker exists: from now on a change that does not
    // wait for the save stops kesh, however soon it comes.
    LibraryDocument::Reading reading(*m_document);
    m_running = std::async(std::launch::async, [this, save = m_save, reading = std::move(reading)]() mutable {
        Outcome outcome;
        outcome.saved = save(&outcome.error);
        reading.end();
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
    m_longest.stop();
    finishSave(Report::Now);
    if (!needsSaving()) {
        return true;
    }
    m_mark = m_document->saveMark();
    Outcome outcome;
    outcome.saved = m_save(&outcome.error);
    takeOutcome(outcome, Report::Now);
    return outcome.saved;
}

Autosaver::Hold::Hold(Autosaver& autosaver)
    : m_autosaver(autosaver) {
    m_autosaver.finishSave(Report::Later);
    ++m_autosaver.m_holds;
}

Autosaver::Hold::~Hold() {
    if (--m_autosaver.m_holds == 0 && m_autosaver.needsSaving()) {
        // The user has just heard why this save failed.
        m_autosaver.m_idle.start(retryMilliseconds);
    }
}

void Autosaver::finishSave(Report report) {
    if (m_running.valid()) {
        takeOutcome(m_running.get(), report);
    }
}

void Autosaver::takeOutcome(const Outcome& outcome, Report report) {
    if (outcome.saved) {
        // Changes wait for the save, so the library is as the save found it
        // unless this is taken in after a change.
        m_document->setSaved(m_mark);
        if (m_failing) {
            m_failing = false;
            emit recovered();
        }
        QMetaObject::invokeMethod(this, &Autosaver::saved, Qt::QueuedConnection);
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
