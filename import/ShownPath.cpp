#include "ShownPath.h"

#include <QDir>

QString ShownPath::of(const QString& path) {
    const QString home = QDir::homePath();
    if (path.startsWith(home + u'/')) {
        return QStringLiteral("~") + QDir::toNativeSeparators(path.mid(home.size()));
    }
    return QDir::toNativeSeparators(path);
}
