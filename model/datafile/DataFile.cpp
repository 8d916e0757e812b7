#include "DataFile.h"

#include "DataFileReader.h"
#include "DataFileWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString DataFile::defaultPath() {
    return QDir::homePath() + QStringLiteral("/Library/Kesh Data");
}

QString DataFile::backupPath(const QString& path) {
    return path + QStringLiteral(".bak");
}

QString DataFile::lockPath(const QString& path) {
    return path + QStringLiteral(".lock");
}

DataFile::LoadResult DataFile::load(const QString& path) {
    LoadResult result;
    const QFileInfo info(path);
    // A link to nowhere is a library that went missing, not a fresh start.
    if (!info.exists() && !info.isSymLink()) {
        result.root = DataRoot::create();
        return result;
    }
    result.existed = true;
    if (info.isDir()) {
        result.error = QCoreApplication::translate("DataFile", "“%1” is a folder, not a kesh library.").arg(path);
        return result;
    }
    DataFileReader reader;
    if (!reader.readFile(path)) {
        result.error = reader.errorString();
        return result;
    }
    result.root = reader.root();
    return result;
}

bool DataFile::save(const DataRoot& root, const QString& path, QString* error) {
    DataFileWriter writer;
    if (writer.writeFile(root, path)) {
        return true;
    }
    if (error) {
        *error = writer.errorString();
    }
    return false;
}
