#include "LibraryFile.h"

#include "DataFile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

namespace {
QString tr(const char* text) {
    return QCoreApplication::translate("LibraryFile", text);
}

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString timeText(const QDateTime& when) {
    const QLocale locale;
    return when.date() == QDate::currentDate() ? locale.toString(when.time(), QLocale::ShortFormat)
                                               : locale.toString(when, QLocale::ShortFormat);
}
} // namespace

LibraryFile::LibraryFile(const QString& path)
    : m_path(path)
    , m_lock(path) {}

DataRootPtr LibraryFile::open() {
    if (!m_lock.tryLock()) {
        reportLocked();
        return nullptr;
    }
    m_openedAt = QDateTime::currentDateTime();
    DataFile::LoadResult loaded = DataFile::load(m_path);
    if (loaded.ok()) {
        return loaded.root;
    }
    DataRootPtr root = recover(loaded.error);
    if (!root) {
        m_lock.unlock();
    }
    return root;
}

bool LibraryFile::reportLocked() {
    QApplication::beep();
    QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(), tr("Your library is already open."),
                    QMessageBox::NoButton);
    box.setObjectName(QStringLiteral("libraryInUseAlert"));
    box.setInformativeText(tr("%1\n\nkesh quits without touching the library “%2”. Close the other program, then "
                              "start kesh again.")
                               .arg(m_lock.errorString(), shownPath(m_path)));
    box.addButton(tr("Quit"), QMessageBox::AcceptRole);
    box.exec();
    return false;
}

QString LibraryFile::damagedPath(const QString& path, const QDateTime& when) {
    const QString stamp = when.toString(QStringLiteral("yyyy-MM-dd hh.mm.ss"));
    QString candidate = QStringLiteral("%1 (damaged %2)").arg(path, stamp);
    for (int n = 2; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++n) {
        candidate = QStringLiteral("%1 (damaged %2, %3)").arg(path, stamp).arg(n);
    }
    return candidate;
}

DataRootPtr LibraryFile::recover(const QString& error) {
    const QString backupPath = DataFile::backupPath(m_path);
    const DataFile::LoadResult backup =
        QFileInfo::exists(backupPath) ? DataFile::load(backupPath) : DataFile::LoadResult{};
    const bool backupReads = backup.ok() && backup.existed;

    QApplication::beep();
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), tr("kesh cannot read your library."),
                    QMessageBox::NoButton);
    box.setObjectName(QStringLiteral("unreadableLibraryAlert"));
    QString details = tr("The file “%1” could not be read: %2").arg(shownPath(m_path), error);
    QPushButton* useBackup = nullptr;
    if (backupReads) {
        const QDateTime saved = QFileInfo(backupPath).lastModified();
        details += QStringLiteral("\n\n") +
                   tr("The backup “%1”, saved %2, can be read. kesh can start from it; the damaged file is then "
                      "kept beside it under a new name.")
                       .arg(shownPath(backupPath), timeText(saved));
        useBackup = box.addButton(tr("Start From Backup"), QMessageBox::AcceptRole);
    } else {
        details += QStringLiteral("\n\n") + tr("There is no backup that can be read. kesh quits and leaves the file "
                                               "as it is, so that it can be repaired or restored.");
    }
    box.setInformativeText(details);
    QPushButton* quit = box.addButton(tr("Quit"), QMessageBox::RejectRole);
    box.setDefaultButton(useBackup ? useBackup : quit);
    box.setEscapeButton(quit);
    box.exec();
    if (!useBackup || box.clickedButton() != useBackup) {
        return nullptr;
    }

    const QString aside = damagedPath(m_path, QDateTime::currentDateTime());
    if (!QFile::rename(m_path, aside)) {
        QApplication::beep();
        QMessageBox failed(QMessageBox::Critical, QApplication::applicationDisplayName(),
                           tr("kesh cannot put the damaged library aside."), QMessageBox::NoButton);
        failed.setObjectName(QStringLiteral("damagedNotMovedAlert"));
        failed.setInformativeText(tr("“%1” could not be renamed to “%2”. kesh quits and leaves both files as "
                                     "they are.")
                                      .arg(shownPath(m_path), shownPath(aside)));
        failed.addButton(tr("Quit"), QMessageBox::AcceptRole);
        failed.exec();
        return nullptr;
    }
    return backup.root;
}

LibraryFile::SaveResult LibraryFile::save(const DataRoot& root, QWidget* parent, OnFailure onFailure) {
    for (;;) {
        QString error;
        if (DataFile::save(root, m_path, &error)) {
            return SaveResult::Saved;
        }
        if (onFailure == OnFailure::Report) {
            qWarning("kesh: the library was not saved to %s: %s", qUtf8Printable(m_path), qUtf8Printable(error));
            return SaveResult::NotSaved;
        }
        const bool mayCancel = onFailure == OnFailure::AskRetryQuitOrStay;
        QApplication::beep();
        QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(),
                        tr("kesh could not save your library."), QMessageBox::NoButton, parent);
        box.setObjectName(QStringLiteral("saveFailedAlert"));
        box.setInformativeText(tr("Writing “%1” failed: %2\n\nIf you quit without saving, every change made since "
                                  "kesh started at %3 is lost.")
                                   .arg(shownPath(m_path), error, timeText(m_openedAt)));
        QPushButton* retry = box.addButton(tr("Try Again"), QMessageBox::AcceptRole);
        QPushButton* discard = box.addButton(tr("Quit Without Saving"), QMessageBox::DestructiveRole);
        QPushButton* stay = mayCancel ? box.addButton(tr("Don’t Quit"), QMessageBox::RejectRole) : nullptr;
        box.setDefaultButton(retry);
        box.setEscapeButton(stay ? stay : retry);
        box.exec();
        if (box.clickedButton() == discard) {
            return SaveResult::NotSaved;
        }
        if (stay && box.clickedButton() == stay) {
            return SaveResult::Cancelled;
        }
    }
}
