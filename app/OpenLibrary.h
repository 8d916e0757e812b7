#pragma once

#include "DataRoot.h"
#include "LibraryFile.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class Autosaver;
class LibraryDocument;
class QWidget;

// The library kesh works on and its file: the lock, the library read at
// start, the document every change goes through, the saves (on the autosave's
// thread, and the one at the end of the run) and the backups.
class OpenLibrary : public QObject {
    Q_OBJECT

public:
    explicit OpenLibrary(const QString& dataFilePath, LibraryFile::Refusal refusal = LibraryFile::Refusal::Quit,
                         QObject* parent = nullptr);
    ~OpenLibrary() override;

    // Takes the file's lock, or tells the user why it cannot be had.
    bool lock();
    // Reads the library, or makes a fresh one (nothing is written yet). False
    // when kesh must not go on: the user has been told why.
    bool read();

    const QString& dataFilePath() const { return m_file.path(); }
    const DataRootPtr& dataRoot() const { return m_dataRoot; }
    // Every change of the library goes through it; null before read().
    LibraryDocument* document() const { return m_document.get(); }
    Autosaver* autosaver() const { return m_autosaver.get(); }
    // What alerts about the file show over.
    void setWindow(QWidget* window) { m_window = window; }

    // Writes the library, unless the file holds it already; on failure asks
    // as `onFailure` allows.
    LibraryFile::SaveResult save(LibraryFile::OnFailure onFailure);
    // Why the last save failed, ready to show.
    const QString& lastError() const { return m_file.lastError(); }
    // Opens the folder of the daily copies in the file manager.
    void showBackups();
    // The backup's library takes the place of the library, which is kept as a backup first.
    void restore(const DataRootPtr& backup, const QString& backupName);

signals:
    // An autosave failed, and kesh tries again; then one succeeded.
    void autosaveFailed();
    void autosaveRecovered();

private:
    void tellAutosaveFailed(const QString& error);
    // A copy of the library that a save should have kept could not be made.
    void tellBackupProblem();

    LibraryFile m_file;
    DataRootPtr m_dataRoot;
    std::unique_ptr<LibraryDocument> m_document;
    std::unique_ptr<Autosaver> m_autosaver;
    QPointer<QWidget> m_window;
    // The user was told that copies of the library cannot be made.
    bool m_backupFailing = false;
};
