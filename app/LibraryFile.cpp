#include "LibraryFile.h"

#include "Alert.h"
#include "DailyBackups.h"
#include "DataFile.h"
#include "DataFileFormat.h"
#include "DataFileWriter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {
QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString timeText(const QDateTime& when) {
    const QLocale locale;
    return when.date() == QDate::currentDate() ? locale.toString(when.time(), QLocale::ShortFormat)
                                               : locale.toString(when, QLocale::ShortFormat);
}
} // namespace

LibraryFile::LibraryFile(const QString& path, Refusal refusal)
    : m_path(path)
    , m_refusal(refusal)
    , m_lock(path) {}

QString LibraryFile::refusalButton() const {
    return quits() ? tr("Quit") : tr("Keep Current Library");
}

bool LibraryFile::lock() {
    if (m_lock.isLocked()) {
        return true;
    }
    if (!m_lock.tryLock()) {
        reportLocked();
        return false;
    }
    return true;
}

DataRootPtr LibraryFile::open() {
    if (!lock()) {
        return nullptr;
    }
    m_savedAt = QDateTime::currentDateTime();
    DataFile file(m_path);
    if (file.load()) {
        m_onDisk = file.status() == DataFile::Status::Read;
        m_openedFrom = m_path;
        m_openedFormat = file.formatVersion();
        return file.root();
    }
    DataRootPtr root;
    if (file.status() == DataFile::Status::Newer) {
        reportNewer(file.errorString());
    } else {
        root = recover(file.status(), file.errorString());
    }
    if (!root) {
        m_lock.unlock();
    }
    return root;
}

void LibraryFile::reportLocked() {
    QString title;
    QString advice;
    const QString folder = shownPath(QFileInfo(m_path).absolutePath());
    switch (m_lock.error()) {
    case DataFileLock::Error::HeldByOther:
        if (!quits()) {
            title = tr("This library is already open.");
            advice = m_lock.holderApplication().isEmpty()
                         ? tr("Close the other program, then open the library again.")
                         : tr("Quit %1, then open the library again.").arg(m_lock.holderApplication());
            break;
        }
        title = tr("Your library is already open.");
        advice = m_lock.holderApplication().isEmpty()
                     ? tr("Close the other program, then start kesh again.")
                     : tr("Quit %1, then start kesh again.").arg(m_lock.holderApplication());
        break;
    case DataFileLock::Error::PermissionDenied:
        title = tr("kesh may not write in the folder of your library.");
        advice = tr("Give yourself permission to write in “%1” (or move the disk out of read-only mode), then start "
                    "kesh again.")
                     .arg(folder);
        break;
    case DataFileLock::Error::DiskFull:
        title = tr("The disk of your library is full.");
        advice = tr("Make room on the disk that holds “%1”, then start kesh again.").arg(folder);
        break;
    case DataFileLock::Error::FolderNotCreated:
        title = tr("kesh cannot make the folder for your library.");
        advice = tr("Check that a file does not stand where the folder should be and that you may write there, "
                    "then start kesh again.");
        break;
    case DataFileLock::Error::None:
    case DataFileLock::Error::Failed:
        title = tr("kesh cannot mark your library as in use.");
        advice = tr("Start kesh again; if this keeps happening, check the disk that holds “%1”.").arg(folder);
        break;
    }
    const QString outcome = quits() ? tr("%1\n\nkesh quits without touching the library “%2”. %3")
                                    : tr("%1\n\nkesh keeps the library it has open and leaves “%2” as it is. %3");
    // Only the advice for another holder fits a library opened while kesh runs.
    if (!quits() && m_lock.error() != DataFileLock::Error::HeldByOther) {
        advice.clear();
    }
    Alert alert(nullptr, QStringLiteral("libraryInUseAlert"), Alert::Icon::Warning, title,
                outcome.arg(m_lock.errorString(), shownPath(m_path), advice).trimmed());
    alert.addButton(refusalButton(), QMessageBox::AcceptRole);
    alert.exec();
}

void LibraryFile::reportNewer(const QString& error) {
    Alert::inform(nullptr, QStringLiteral("newerLibraryAlert"), Alert::Icon::Critical,
                  tr("Your library was saved by a newer kesh."),
                  (quits() ? tr("The file “%1” could not be read: %2\n\nkesh quits and leaves the file as it is. "
                                "Open it with the kesh that saved it.")
                           : tr("The file “%1” could not be read: %2\n\nkesh keeps the library it has open and "
                                "leaves the file as it is. Open it with the kesh that saved it."))
                      .arg(shownPath(m_path), error));
}

QString LibraryFile::asidePath(const QString& path, const QDateTime& when, bool damaged) {
    const QString stamp = when.toString(QStringLiteral("yyyy-MM-dd hh.mm.ss"));
    // A file kesh could not open for another reason may be whole: it is not called damaged.
    const QString why = damaged ? QStringLiteral("damaged") : QStringLiteral("not read");
    QString candidate = QStringLiteral("%1 (%2 %3)").arg(path, why, stamp);
    for (int n = 2; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++n) {
        candidate = QStringLiteral("%1 (%2 %3, %4)").arg(path, why, stamp).arg(n);
    }
    return candidate;
}

QString LibraryFile::readAdvice(DataFile::Status status) const {
    switch (status) {
    case DataFile::Status::PermissionDenied:
        return tr("Give yourself permission to read the file, then start kesh again.");
    case DataFile::Status::NotAFile:
        return tr("Put your library back in its place as a file, then start kesh again.");
    case DataFile::Status::ReadFailed:
        return tr("The disk may be failing: copy the file somewhere safe before anything else.");
    default:
        return QString();
    }
}

DataRootPtr LibraryFile::recover(DataFile::Status status, const QString& error) {
    const QString backupPath = DataFile::backupPath(m_path);
    DataFile backup(backupPath);
    const bool backupReads = backup.load() && backup.status() == DataFile::Status::Read;

    QString details = tr("The file “%1” could not be read: %2").arg(shownPath(m_path), error);
    // Only a damaged file is past saving: for the other causes the file may be
    // whole, so the backup is offered but not suggested.
    const bool damaged = status == DataFile::Status::Damaged;
    if (!damaged && quits()) {
        details += QLatin1Char(' ') + readAdvice(status);
    }
    Alert alert(nullptr, QStringLiteral("unreadableLibraryAlert"), Alert::Icon::Critical,
                tr("kesh cannot read your library."));
    int useBackup = -1;
    if (backupReads) {
        const QDateTime saved = QFileInfo(backupPath).lastModified();
        const QString aside = damaged ? tr("the damaged file is then kept beside it under a new name.")
                                      : tr("your library’s file is then kept beside it, unchanged, under a new name.");
        details += QStringLiteral("\n\n") + tr("The backup “%1”, saved %2, can be read. kesh can start from it; %3")
                                                .arg(shownPath(backupPath), timeText(saved), aside);
        useBackup = alert.addButton(tr("Start From Backup"), QMessageBox::AcceptRole);
    } else {
        details += QStringLiteral("\n\n") +
                   (quits() ? tr("There is no backup that can be read. kesh quits and leaves the file as it is, so "
                                 "that it can be repaired or restored.")
                            : tr("There is no backup that can be read. kesh keeps the library it has open and leaves "
                                 "the file as it is, so that it can be repaired or restored."));
    }
    const int quit = alert.addButton(refusalButton(), QMessageBox::RejectRole);
    alert.setDefaultButton(useBackup >= 0 && damaged ? useBackup : quit);
    alert.setEscapeButton(quit);
    alert.setInformativeText(details);
    const int answer = alert.exec();
    if (useBackup < 0 || answer != useBackup) {
        return nullptr;
    }

    const QString aside = asidePath(m_path, QDateTime::currentDateTime(), damaged);
    if (!QFile::rename(m_path, aside)) {
        Alert::inform(nullptr, QStringLiteral("damagedNotMovedAlert"), Alert::Icon::Critical,
                      damaged ? tr("kesh cannot put the damaged library aside.")
                              : tr("kesh cannot put your library’s file aside."),
                      (quits() ? tr("“%1” could not be renamed to “%2”. kesh quits and leaves both files as they are.")
                               : tr("“%1” could not be renamed to “%2”. kesh keeps the library it has open and leaves "
                                    "both files as they are."))
                          .arg(shownPath(m_path), shownPath(aside)));
        return nullptr;
    }
    // The library is not at its path any more: the first save writes it there.
    m_onDisk = false;
    m_openedFrom = backupPath;
    m_openedFormat = backup.formatVersion();
    return backup.root();
}

void LibraryFile::keepCopies() {
    // A missing copy costs nothing of the library itself: the save goes on and
    // the user hears of it afterwards.
    QStringList problems;
    DailyBackups backups(m_path);
    // An older kesh cannot read what this one writes: the file it can read stays.
    if (m_openedFormat != 0 && m_openedFormat < DataFileFormat::version && QFileInfo::exists(m_openedFrom)) {
        if (backups.keepFormatCopy(m_openedFrom, m_openedFormat)) {
            m_openedFormat = DataFileFormat::version;
        } else {
            problems << backups.errorString();
        }
    }
    if (!backups.keep()) {
        problems << backups.errorString();
    }
    m_backupProblem = problems.join(QLatin1Char(' '));
    if (!m_backupProblem.isEmpty()) {
        qWarning("kesh: no copy of %s kept: %s", qUtf8Printable(m_path), qUtf8Printable(m_backupProblem));
    }
}

bool LibraryFile::keepCopyOf(const DataRoot& root) {
    DailyBackups backups(m_path);
    const QString copy = backups.newCopyPath();
    if (copy.isEmpty()) {
        m_lastError = backups.errorString();
        return false;
    }
    DataFileWriter writer;
    if (!writer.writeFile(root, copy)) {
        m_lastError = tr("Writing “%1” failed: %2").arg(shownPath(copy), writer.errorString());
        return false;
    }
    backups.prune();
    return true;
}

bool LibraryFile::write(const DataRoot& root) {
    // Before the write: the day's copy is the library as it was before the day's first change.
    keepCopies();
    DataFile file(m_path);
    if (!file.save(root)) {
        m_lastError = file.errorString();
        qWarning("kesh: the library was not saved to %s: %s", qUtf8Printable(m_path), qUtf8Printable(m_lastError));
        return false;
    }
    m_lastError.clear();
    m_savedAt = QDateTime::currentDateTime();
    m_onDisk = true;
    return true;
}

LibraryFile::SaveResult LibraryFile::save(const DataRoot& root, QWidget* parent, OnFailure onFailure) {
    for (;;) {
        if (write(root)) {
            return SaveResult::Saved;
        }
        if (onFailure == OnFailure::Report) {
            return SaveResult::NotSaved;
        }
        if (const std::optional<SaveResult> answer = askAfterFailure(parent, onFailure)) {
            return *answer;
        }
    }
}

std::optional<LibraryFile::SaveResult> LibraryFile::askAfterFailure(QWidget* parent, OnFailure onFailure) {
    const bool mayCancel = onFailure == OnFailure::AskRetryQuitOrStay;
    Alert alert(parent, QStringLiteral("saveFailedAlert"), Alert::Icon::Critical,
                tr("kesh could not save your library."),
                tr("Writing “%1” failed: %2\n\nIf you quit without saving, every change made since %3 is lost.")
                    .arg(shownPath(m_path), m_lastError, timeText(m_savedAt)));
    const int retry = alert.addButton(tr("Try Again"), QMessageBox::AcceptRole);
    const int discard = alert.addButton(tr("Quit Without Saving"), QMessageBox::DestructiveRole);
    const int stay = mayCancel ? alert.addButton(tr("Don’t Quit"), QMessageBox::RejectRole) : -1;
    alert.setDefaultButton(retry);
    alert.setEscapeButton(stay >= 0 ? stay : retry);
    const int answer = alert.exec();
    if (answer == discard) {
        return SaveResult::NotSaved;
    }
    if (answer == stay) {
        return SaveResult::Cancelled;
    }
    return std::nullopt;
}
