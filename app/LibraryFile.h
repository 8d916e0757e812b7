#pragma once

#include "DataFile.h"
#include "DataFileLock.h"
#include "DataRoot.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <optional>

class QWidget;

// kesh's hold on its data file for one run: the lock that keeps a second kesh
// and kesh-import away, reading the library at start (with a way out when the
// file is damaged) and writing it, while kesh runs and when it ends (with a
// say for the user when that fails). Asks the user through alerts where a
// choice is theirs. While write() runs on another thread, nothing else of
// this object is called.
class LibraryFile {
    Q_DECLARE_TR_FUNCTIONS(LibraryFile)

public:
    enum class SaveResult { Saved, NotSaved, Cancelled };
    // What a failed save lets the user do.
    enum class OnFailure {
        AskRetryQuitOrStay, // the user may keep kesh open
        AskRetryOrQuit,     // kesh ends in any case
        Report,             // nobody may be asked: only the log hears of it
    };

    // What kesh does when it cannot open the library: end (at start-up), or
    // keep the library it has open (when switching to this one).
    enum class Refusal { Quit, KeepCurrent };

    explicit LibraryFile(const QString& path, Refusal refusal = Refusal::Quit);

    const QString& path() const { return m_path; }

    // Takes the lock, or tells the user why it cannot be had. open() takes it
    // when this was not called first.
    bool lock();
    // Takes the lock and reads the library, or makes a fresh one when there is
    // no file. Null when kesh must not go on: the library is in use, or the
    // file cannot be read and the user did not start from the backup. A
    // damaged file is never written over: starting from the backup first puts
    // it aside under a new name.
    DataRootPtr open();

    // Writes the whole library, after keeping the day's copy of the file;
    // false with lastError(). Shows nothing and asks nobody: the autosave
    // worker calls it.
    bool write(const DataRoot& root);
    // On the main thread: writes the whole library, and on failure the user
    // chooses, as `onFailure` allows: try again, end without saving, or keep
    // kesh open (Cancelled).
    SaveResult save(const DataRoot& root, QWidget* parent, OnFailure onFailure);

    // Writes the library to a new copy in the backups folder (today's, or
    // one of this moment); false with lastError() when it could not.
    bool keepCopyOf(const DataRoot& root);

    // Why the last save failed, ready to show.
    const QString& lastError() const { return m_lastError; }
    // Why the last save could not keep a copy of the library before it (the
    // day's copy, or the file of an older format); empty when it could.
    const QString& backupProblem() const { return m_backupProblem; }
    // The file holds the library as it was opened or last saved; false for a
    // fresh library and for one started from the backup.
    bool isOnDisk() const { return m_onDisk; }

    // The name a data file that could not be read is kept under.
    static QString asidePath(const QString& path, const QDateTime& when, bool damaged);

private:
    void keepCopies();
    // The user's answer to a failed write; none to try again.
    std::optional<SaveResult> askAfterFailure(QWidget* parent, OnFailure onFailure);
    void reportLocked();
    void reportNewer(const QString& error);
    QString readAdvice(DataFile::Status status) const;
    DataRootPtr recover(DataFile::Status status, const QString& error);

    // The texts that say what kesh does instead, and what the user does then.
    bool quits() const { return m_refusal == Refusal::Quit; }
    QString refusalButton() const;

    QString m_path;
    Refusal m_refusal;
    DataFileLock m_lock;
    // When the file last held everything: opened, or saved since.
    QDateTime m_savedAt;
    QString m_lastError;
    QString m_backupProblem;
    bool m_onDisk = false;
    // The file the library was read from and its format, until a copy of an
    // older format has been kept.
    QString m_openedFrom;
    quint32 m_openedFormat = 0;
};
