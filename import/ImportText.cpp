#include "ImportText.h"

#include "LocalizedText.h"

#include <QLocale>

void ImportText::install() {
    LocalizedText::setProvider([](const QString& key) {
        if (key != QStringLiteral("MainLibrary")) {
            return QString();
        }
        return QLocale().language() == QLocale::Japanese ? QStringLiteral("ライブラリ") : QStringLiteral("Library");
    });
}
