#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
bool installOne(QCoreApplication* application, const QLocale& locale, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(application);
    if (translator->load(locale, name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}
} // namespace

void Translations::install(QCoreApplication* application, const QLocale& locale) {
    const QString folder = QStringLiteral(":/i18n");
    // The C locale and languages without a file get English, plurals and all.
    if (!installOne(application, locale, QStringLiteral("kesh_ui"), folder)) {
        installOne(application, QLocale(QLocale::English, QLocale::UnitedStates), QStringLiteral("kesh_ui"), folder);
    }
    installOne(application, locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
