#include "DailyBackups.h"

#include "Clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMultiMap>
#include <QRegularExpression>

#include <map>

#include <sys/stat.h>

namespace {
const QString dayFormat = QStringLiteral("yyyy-MM-dd");
const QString momentFormat = QStringLiteral("yyyy-MM-dd hh.mm.ss");

QString dataFileName(const QString& dataFilePath) {
    return QFileInfo(dataFilePath).fileName();
}

// Two names for one file: a hard link an older kesh made in place of a copy.
bool isSameFile(const QString& a, const QString& b) {
    struct stat first {};
    struct stat second {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

bool haveSameContent(const QString& a, const QString& b) {
    QFile first(a);
    QFile second(b);
    if (first.size() != second.size() || !first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly)) {
        return false;
    }
    constexpr qint64 piece = 1 << 20;
    while (!first.atEnd()) {
        if (first.read(piece) != second.read(piece)) {
            return false;
        }
    }
    return true;
}
} // namespace

DailyBackups::DailyBackups(const QString& dataFilePath)
    : m_dataFilePath(dataFilePath) {}

QString DailyBackups::folder() const {
    return QFileInfo(m_dataFilePath).absoluteDir().filePath(QStringLiteral("Kesh Backups"));
}

QString DailyBackups::pathFor(QDate day) const {
    return QDir(folder()).filePath(dataFileName(m_dataFilePath) + u' ' + day.toString(dayFormat));
}

QString DailyBackups::pathFor(const QDateTime& moment) const {
    return QDir(folder()).filePath(dataFileName(m_dataFilePath) + u' ' + moment.toString(momentFormat));
}

QString DailyBackups::formatCopyPath(quint32 format) const {
    return QDir(folder()).filePath(QStringLiteral("%1 (format %2)").arg(dataFileName(m_dataFilePath)).arg(format));
}

QDateTime DailyBackups::dateOf(const QString& path) const {
    const QString name = QFileInfo(path).fileName();
    const QString prefix = dataFileName(m_dataFilePath) + u' ';
    if (!name.startsWith(prefix)) {
        return {};
    }
    // Only names this class gives, with a real date and time.
    static const QRegularExpression pattern(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}( \\d{2}\\.\\d{2}\\.\\d{2})?$"));
    const QString stamp = name.mid(prefix.size());
    if (!pattern.match(stamp).hasMatch()) {
        return {};
    }
    if (stamp.size() == dayFormat.size()) {
        const QDate day = QDate::fromString(stamp, dayFormat);
        return day.isValid() ? QDateTime(day, QTime(0, 0)) : QDateTime();
    }
    return QDateTime::fromString(stamp, momentFormat);
}

QStringList DailyBackups::copies() const {
    const QDir dir(folder());
    QMultiMap<QDateTime, QString> found;
    for (const QString& name : dir.entryList(QDir::Files | QDir::NoDotAndDotDot)) {
        const QString path = dir.filePath(name);
        const QDateTime date = dateOf(path);
        if (date.isValid() && !QFileInfo(path).isSymLink()) {
            found.insert(date, path);
        }
    }
    return found.values();
}

QStringList DailyBackups::formatCopies() const {
    const QDir dir(folder());
    static const QRegularExpression pattern(QStringLiteral("^ \\(format \\d+(, \\d+)?\\)$"));
    const QString prefix = dataFileName(m_dataFilePath);
    QStringList found;
    for (const QString& name : dir.entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name)) {
        if (name.startsWith(prefix) && pattern.match(name.mid(prefix.size())).hasMatch() &&
            !QFileInfo(dir.filePath(name)).isSymLink()) {
            found << dir.filePath(name);
        }
    }
    return found;
}

bool DailyBackups::makeFolder() {
    if (QFileInfo(folder()).isDir() || QDir().mkpath(folder())) {
        return true;
    }
    m_error = QFileInfo(folder()).exists()
                  ? tr("“%1” is in the way of the backups folder: it is not a folder.").arg(folder())
                  : tr("The backups folder “%1” could not be made.").arg(folder());
    return false;
}

bool DailyBackups::copyFile(const QString& source, const QString& target) {
    // A byte copy, never a link: whatever later happens to the library's file
    // in place leaves the copy as it is.
    QFile file(source);
    if (!file.copy(target)) {
        m_error = tr("The copy “%1” could not be made: %2").arg(target, file.errorString());
        return false;
    }
    return true;
}

bool DailyBackups::hasTodaysCopy() const {
    const QFileInfo today(pathFor(Clock::today()));
    return today.exists() && !today.isSymLink() && !isSameFile(today.filePath(), m_dataFilePath);
}

bool DailyBackups::keep() {
    m_error.clear();
    if (!hasTodaysCopy()) {
        const QFileInfo data(m_dataFilePath);
        if (data.isSymLink() && !data.exists()) {
            m_error = tr("“%1” is a link to “%2”, which does not exist.").arg(m_dataFilePath, data.symLinkTarget());
            return false;
        }
        if (!data.isFile()) {
            // Nothing written yet (or no library in its place): there is no library before this one.
            prune();
            return true;
        }
        // A library kept in another folder is copied from there; the copy stays here.
        const QString source = data.isSymLink() ? data.canonicalFilePath() : m_dataFilePath;
        if (!makeFolder()) {
            return false;
        }
        // A link an older kesh left in place of today's copy is no copy.
        const QString today = pathFor(Clock::today());
        if (QFileInfo(today).isSymLink() || QFileInfo::exists(today)) {
            QFile::remove(today);
        }
        if (!copyFile(source, today)) {
            return false;
        }
    }
    prune();
    return true;
}

QString DailyBackups::newCopyPath() {
    m_error.clear();
    if (!makeFolder()) {
        return {};
    }
    const QString today = pathFor(Clock::today());
    if (!QFileInfo::exists(today) && !QFileInfo(today).isSymLink()) {
        return today;
    }
    QDateTime moment = Clock::now();
    while (QFileInfo::exists(pathFor(moment)) || QFileInfo(pathFor(moment)).isSymLink()) {
        moment = moment.addSecs(1);
    }
    return pathFor(moment);
}

bool DailyBackups::keepFormatCopy(const QString& source, quint32 format) {
    m_error.clear();
    if (!makeFolder()) {
        return false;
    }
    QString target = formatCopyPath(format);
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n) {
        if (haveSameContent(target, source)) {
            return true;
        }
        target = QDir(folder()).filePath(
            QStringLiteral("%1 (format %2, %3)").arg(dataFileName(m_dataFilePath)).arg(format).arg(n));
    }
    return copyFile(source, target);
}

void DailyBackups::prune() {
    const QDir dir(folder());
    const QDate today = Clock::today();
    // Links an older kesh made are named like copies and go the same way.
    std::map<QDate, QStringList> byDay;
    for (const QString& name : dir.entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot)) {
        const QString path = dir.filePath(name);
        const QFileInfo info(path);
        const QDateTime date = dateOf(path);
        if (date.isValid() && date.date() <= today && (info.isFile() || info.isSymLink())) {
            byDay[date.date()].append(path);
        }
    }
    // Newest first; days after today are never counted, nor removed.
    int days = 0;
    for (auto day = byDay.crbegin(); day != byDay.crend(); ++day) {
        if (++days <= kept) {
            continue;
        }
        for (const QString& path : day->second) {
            QFile::remove(path);
        }
    }
}
