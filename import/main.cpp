#include "ConverterWindow.h"
#include "HeapTuning.h"
#include "LocalizedStrings.h"
#include "Translations.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    HeapTuning::useHugePages(argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kesh-import"));
    QApplication::setApplicationVersion(QStringLiteral(KESH_VERSION));
    // The id of the installed entry, so desktops show its icon for the window.
    QApplication::setDesktopFileName(QStringLiteral("io.github.kesh.KeshImport"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/kesh-import.svg")));
    Translations::install(&app);
    // Alerts take their title from the display name.
    QApplication::setApplicationDisplayName(ConverterWindow::tr("Kesh Import"));
    // A fresh library's main book gets the same name kesh gives it.
    LocalizedStrings::installForModel();

    ConverterWindow window;
    window.show();
    return app.exec();
}
