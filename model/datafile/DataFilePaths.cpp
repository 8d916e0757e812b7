#include "DataFilePaths.h"

#include <QDir>

QString DataFilePaths::defaultPath() {
    return QDir::homePath() + QStringLiteral("/Library/Kesh Data");
}

QString DataFilePaths::backupPath(const QString& path) {
    return path + QStringLiteral(".bak");
}

QString DataFilePaths::lockPath(const QString& path) {
    return path + QStringLiteral(".lock");
}
