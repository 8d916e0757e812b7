#include "GetFileFromFileType.h"

#include "LegacyTextDecoder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
// Names of up to 100 bytes of UTF-16, as the legacy file system allowed.
constexpr qsizetype maxNameUnits = 50;

LegacyStatus::Code convertName(QByteArrayView fileName, QString* name) {
    if (fileName.isEmpty() || static_cast<unsigned char>(fileName[0]) > fileName.size() - 1) {
        return LegacyStatus::badParameter;
    }
    const QByteArrayView bytes = fileName.sliced(1, static_cast<unsigned char>(fileName[0]));
    const std::optional<QString> converted = LegacyTextDecoder().decodeStrictly(bytes);
    if (!converted) {
        return LegacyStatus::malformedText;
    }
    if (converted->size() > maxNameUnits) {
        return LegacyStatus::textBufferFull;
    }
    *name = *converted;
    return LegacyStatus::noError;
}

// The folder is looked up, never created.
LegacyStatus::Code findFolder(FolderType folderType, QString* folder) {
    if (folderType != documentsFolderType) {
        return LegacyStatus::badParameter;
    }
    const QString path = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (path.isEmpty() || !QFileInfo(path).isDir()) {
        return LegacyStatus::folderNotFound;
    }
    *folder = path;
    return LegacyStatus::noError;
}

LegacyStatus::Code lookUp(const QString& folder, const QString& name, bool createFile, LegacyFileRef* fileRef) {
    // The name is one entry of the folder, never a path of its own.
    if (name.isEmpty() || name.contains(u'/') || name == QStringLiteral(".") || name == QStringLiteral("..")) {
        return LegacyStatus::badParameter;
    }
    const QString path = QDir(folder).filePath(name);
    if (!QFileInfo::exists(path)) {
        QFile file(path);
        if (!createFile || !file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            return LegacyStatus::fileNotFound;
        }
    }
    fileRef->path = path;
    return LegacyStatus::noError;
}
} // namespace

LegacyStatus::Code GetFileFromFileType(QByteArrayView fileName, FolderType folderType, bool createFile,
                                       LegacyFileRef* fileRef) {
    QString name;
    if (const LegacyStatus::Code status = convertName(fileName, &name); status != LegacyStatus::noError) {
        return status;
    }
    QString folder;
    if (const LegacyStatus::Code status = findFolder(folderType, &folder); status != LegacyStatus::noError) {
        return status;
    }
    return lookUp(folder, name, createFile, fileRef);
}
