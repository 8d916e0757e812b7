#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
void installOne(QCoreApplication* application, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(application);
    if (translator->load(QLocale::system(), name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}
} // namespace

void Translations::install(QCoreApplication* application) {
    installOne(application, QStringLiteral("kesh_ui"), QStringLiteral(":/i18n"));
    installOne(application, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
