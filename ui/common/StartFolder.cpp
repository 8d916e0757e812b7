#include "StartFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString StartFolder::documents() {
    return nearestExisting(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

QString StartFolder::nearestExisting(const QString& path) {
    if (path.isEmpty()) {
        return QDir::homePath();
    }
    QString walked = QFileInfo(path).absoluteFilePath();
    while (!QFileInfo::exists(walked)) {
        const QString parent = QFileInfo(walked).absolutePath();
        if (parent == walked) {
            return QDir::homePath();
        }
        walked = parent;
    }
    return walked;
}
