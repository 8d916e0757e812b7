#include "OpenLibrary.h"

#include "Alert.h"
#include "Autosaver.h"
#include "DailyBackups.h"
#include "LibraryDocument.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

OpenLibrary::OpenLibrary(const QString& dataFilePath, LibraryFile::Refusal refusal, QObject* parent)
    : QObject(parent)
    , m_file(dataFilePath, refusal) {}

// The autosave and the document go before the library they hold.
OpenLibrary::~OpenLibrary() = default;

bool OpenLibrary::lock() {
    return m_file.lock();
}

bool OpenLibrary::read() {
    m_dataRoot = m_file.open();
    if (!m_dataRoot) {
        return false;
    }
    m_document = std::make_unique<LibraryDocument>(m_dataRoot);
    m_autosaver = std::make_unique<Autosaver>(m_document.get(), [this](QString* error) {
        const bool saved = m_file.write(*m_dataRoot);
        *error = m_file.lastError();
        return saved;
    });
    connect(m_autosaver.get(), &Autosaver::failed, this, &OpenLibrary::tellAutosaveFailed);
    connect(m_autosaver.get(), &Autosaver::saved, this, &OpenLibrary::tellBackupProblem);
    connect(m_autosaver.get(), &Autosaver::recovered, this, &OpenLibrary::autosaveRecovered);
    return true;
}

LibraryFile::SaveResult OpenLibrary::save(LibraryFile::OnFailure onFailure) {
    if (!m_dataRoot) {
        return LibraryFile::SaveResult::NotSaved;
    }
    // One writer at a time: an autosave on its way ends first, and none
    // starts while this one may wait for the user.
    const Autosaver::Hold hold(*m_autosaver);
    // Nothing unsaved: the file, its backup and the day's copy stay as they are.
    if (m_file.isOnDisk() && !m_document->isModified() && !m_autosaver->isFailing()) {
        return LibraryFile::SaveResult::Saved;
    }
    const LibraryFile::SaveResult result = m_file.save(*m_dataRoot, m_window, onFailure);
    if (result == LibraryFile::SaveResult::Saved) {
        m_document->setSaved();
        if (onFailure != LibraryFile::OnFailure::Report) {
            tellBackupProblem();
        }
    }
    return result;
}

void OpenLibrary::tellAutosaveFailed(const QString& error) {
    emit autosaveFailed();
    Alert::inform(m_window, QStringLiteral("autosaveFailedAlert"), Alert::Icon::Warning,
                  tr("kesh could not save your library."),
                  tr("Writing “%1” failed: %2\n\nYour changes stay in kesh. It tries again after the next change "
                     "or in a minute, and once more when you quit.")
                      .arg(QDir::toNativeSeparators(dataFilePath()), error));
}

void OpenLibrary::tellBackupProblem() {
    const QString& problem = m_file.backupProblem();
    if (problem.isEmpty()) {
        m_backupFailing = false;
        return;
    }
    // Once until copies can be made again, as a failing save is told.
    if (m_backupFailing) {
        return;
    }
    m_backupFailing = true;
    Alert::inform(m_window, QStringLiteral("backupFailedAlert"), Alert::Icon::Warning,
                  tr("kesh could not keep a backup of your library."),
                  tr("%1\n\nYour library itself is saved. kesh tries again at its next save.").arg(problem));
}

void OpenLibrary::showBackups() {
    // The first save of the day makes the folder; before it, there is nothing to show.
    m_autosaver->saveNow();
    const QString folder = DailyBackups(dataFilePath()).folder();
    if (!QFileInfo(folder).isDir()) {
        Alert::inform(m_window, QStringLiteral("noBackupsAlert"), Alert::Icon::Information,
                      tr("There are no backups yet."),
                      tr("Before the first change of each day is saved, kesh keeps a copy of your library in “%1”.")
                          .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder))) {
        Alert::inform(m_window, QStringLiteral("showBackupsFailedAlert"), Alert::Icon::Warning,
                      tr("kesh could not open the backups folder."),
                      tr("Your backups are in “%1”.").arg(QDir::toNativeSeparators(folder)));
    }
}

void OpenLibrary::restore(const DataRootPtr& backup, const QString& backupName) {
    // The library as it is now, unsaved changes and all, becomes a backup too.
    m_autosaver->waitForSave();
    if (!m_file.keepCopyOf(*m_dataRoot)) {
        Alert::inform(m_window, QStringLiteral("restoreNotKeptAlert"), Alert::Icon::Warning,
                      tr("kesh could not keep your library as it is now, so nothing was restored."),
                      m_file.lastError());
        return;
    }
    m_document->replaceLibrary(*backup, tr("Restore “%1”").arg(backupName));
}
