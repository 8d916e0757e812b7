#include "DailyBackups.h"

#include "Clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <unistd.h>

namespace {
QString copyPrefix(const QString& dataFilePath) {
    return QFileInfo(dataFilePath).fileName() + u' ';
}

// Only names this class gives: "<data file name> yyyy-MM-dd", and a real date.
bool isDatedCopyName(const QString& name, const QString& prefix) {
    if (!name.startsWith(prefix)) {
        return false;
    }
    const QString stamp = name.mid(prefix.size());
    static const QRegularExpression pattern(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    return pattern.match(stamp).hasMatch() && QDate::fromString(stamp, Qt::ISODate).isValid();
}
} // namespace

DailyBackups::DailyBackups(const QString& dataFilePath)
    : m_dataFilePath(dataFilePath) {}

QString DailyBackups::folder() const {
    return QFileInfo(m_dataFilePath).absoluteDir().filePath(QStringLiteral("Kesh Backups"));
}

QString DailyBackups::pathFor(QDate day) const {
    return QDir(folder()).filePath(copyPrefix(m_dataFilePath) + day.toString(Qt::ISODate));
}

QStringList DailyBackups::copies() const {
    const QString prefix = copyPrefix(m_dataFilePath);
    QStringList found;
    const QStringList names = QDir(folder()).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names) {
        if (isDatedCopyName(name, prefix) && !QFileInfo(QDir(folder()).filePath(name)).isSymLink()) {
            found << QDir(folder()).filePath(name);
        }
    }
    // Names sort as their dates do.
    return found;
}

bool DailyBackups::keep() {
    m_error.clear();
    const QString today = pathFor(Clock::today());
    if (!QFileInfo::exists(today)) {
        if (!QDir().mkpath(folder())) {
            m_error = tr("The folder “%1” could not be made.").arg(folder());
            return false;
        }
        // A hard link costs no room: the next save writes a new file and leaves this one as it is.
        const bool linked =
            ::link(QFile::encodeName(m_dataFilePath).constData(), QFile::encodeName(today).constData()) == 0;
        if (!linked && !QFile::copy(m_dataFilePath, today)) {
            m_error = tr("The copy “%1” could not be made.").arg(today);
            return false;
        }
    }
    QStringList all = copies();
    while (all.size() > kept) {
        QFile::remove(all.takeFirst());
    }
    return true;
}
