#include "KeshApp.h"
#include "LibraryDocument.h"

#include <QTimer>

#include <cstdio>
#include <cstdlib>

// kesh as a user runs it, with one change made as if typed: a plain book named
// by the first argument. Says "changed" once the change is made, then runs
// until it is killed.
int main(int argc, char** argv) {
    if (argc < 2) {
        return EXIT_FAILURE;
    }
    const QString bookName = QString::fromLocal8Bit(argv[1]);
    int keshArgc = 1;
    KeshApp app(keshArgc, argv);
    if (!app.init()) {
        return EXIT_FAILURE;
    }
    app.loadInterface();
    QTimer::singleShot(0, &app, [&app, bookName] {
        LibraryDocument* document = app.document();
        document->renameBook(document->addPlainBook(), bookName);
        std::puts("changed");
        std::fflush(stdout);
    });
    return app.exec();
}
