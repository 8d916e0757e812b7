#include "ConverterWindow.h"
#include "HeapTuning.h"
#include "ImportText.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    HeapTuning::useHugePages(argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kesh-import"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kesh Import"));
    QApplication::setApplicationVersion(QStringLiteral(KESH_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("kesh-import"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/kesh-import.svg")));
    ImportText::install();

    ConverterWindow window;
    window.show();
    return app.exec();
}
