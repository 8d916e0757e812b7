#pragma once

#include "LibraryDocument.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <future>

// Writes the library a few seconds after the last change, once the user is
// idle, and at the latest a little later after the first unsaved change, so
// that steady work is saved too; a crash or a lost display costs at most
// those seconds. A book sorted in another order is saved the same way. The save
// runs on a worker thread: the window keeps painting and scrolling, and
// anything that would change the library meanwhile waits for the save to end
// (the document's aboutToTouch()). A failed save is told once (failed()); the
// changes stay in memory and the next change, or a minute, tries again.
class Autosaver : public QObject {
    Q_OBJECT

public:
    // Writes the library; false with the reason in `error`. Runs on the worker
    // thread, or on this one for saveNow(): it must not touch a widget.
    using Save = std::function<bool(QString* error)>;

    static constexpr int idleMilliseconds = 3000;
    // From the first unsaved change, however many follow.
    static constexpr int longestMilliseconds = 10000;
    static constexpr int retryMilliseconds = 60000;

    Autosaver(LibraryDocument* document, Save save, QObject* parent = nullptr);
    ~Autosaver() override;

    // Other waits than the user's, for tests.
    void setIntervals(int idle, int longest);

    // Starts writing on the worker when there are unsaved changes.
    void startSave();
    // Saves at once on this thread, after a save that is running; true when
    // nothing is left unsaved.
    bool saveNow();
    // Returns once no save reads the library any more; what it did is taken in.
    void waitForSave();
    bool isSaving() const { return m_running.valid(); }
    bool isFailing() const { return m_failing; }

    // While one lives, no save starts: the main thread writes the library
    // itself (at quit) and may wait for the user meanwhile. One writer at a
    // time. A library still unsaved afterwards is tried again a minute later.
    class Hold {
    public:
        explicit Hold(Autosaver& autosaver);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        Autosaver& m_autosaver;
    };

signals:
    // The first failure after a success.
    void failed(const QString& error);
    // A save succeeded after failures.
    void recovered();
    // A save succeeded; told once the change that may have waited for it is over.
    void saved();

private:
    struct Outcome {
        bool saved = false;
        QString error;
    };
    enum class Report { Now, Later };

    void libraryChanged();
    bool needsSaving() const;
    // Takes in the running save's outcome, waiting for it if need be.
    void finishSave(Report report);
    void takeOutcome(const Outcome& outcome, Report report);

    LibraryDocument* m_document;
    Save m_save;
    int m_idleInterval = idleMilliseconds;
    QTimer m_idle;
    // Runs from the first unsaved change to the save that takes it in.
    QTimer m_longest;
    std::future<Outcome> m_running;
    // Where the library stood when the save running, or the last one, began.
    LibraryDocument::SaveMark m_mark;
    bool m_failing = false;
    int m_holds = 0;
};
