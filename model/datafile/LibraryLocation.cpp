#include "LibraryLocation.h"

#include "DataFileFormat.h"
#include "DataFilePaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
QString canonicalOrClean(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(path).absoluteFilePath()) : canonical;
}

bool startsWithMagic(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        // Not for us to say: reading it tells the user why it cannot be read.
        return true;
    }
    const QByteArray start = file.read(qint64(DataFileFormat::magic.size()));
    return start == QByteArray(DataFileFormat::magic.data(), qsizetype(DataFileFormat::magic.size()));
}
} // namespace

LibraryLocation::LibraryLocation(const QString& path)
    : m_path(path.isEmpty() ? DataFilePaths::defaultPath() : QDir::cleanPath(QFileInfo(path).absoluteFilePath())) {}

bool LibraryLocation::isDefault() const {
    return sameFile(m_path, DataFilePaths::defaultPath());
}

QString LibraryLocation::shownName() const {
    const QFileInfo info(m_path);
    if (isDefault() || info.fileName() != QFileInfo(DataFilePaths::defaultPath()).fileName()) {
        return info.fileName();
    }
    return tr("%1 in %2").arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath()));
}

LibraryLocation::State LibraryLocation::state() const {
    const QFileInfo info(m_path);
    if (info.exists()) {
        if (!info.isFile()) {
            return State::NotAFile;
        }
        return startsWithMagic(m_path) ? State::Library : State::NotALibrary;
    }
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir()) {
        return State::FolderMissing;
    }
    return folder.isWritable() ? State::Missing : State::FolderNotWritable;
}

QString LibraryLocation::problem(State state) const {
    const QString file = QDir::toNativeSeparators(m_path);
    const QString folder = QDir::toNativeSeparators(QFileInfo(m_path).absolutePath());
    switch (state) {
    case State::FolderMissing:
        return tr("The folder “%1” does not exist.").arg(folder);
    case State::FolderNotWritable:
        return tr("You may not write in the folder “%1”, so kesh could not save a library there.").arg(folder);
    case State::NotAFile:
        return tr("“%1” is a folder or a device, not a library file.").arg(file);
    case State::NotALibrary:
        return tr("“%1” is not a kesh library.").arg(file);
    case State::Library:
    case State::Missing:
        break;
    }
    return QString();
}

bool LibraryLocation::sameFile(const QString& a, const QString& b) {
    return canonicalOrClean(a) == canonicalOrClean(b);
}
