#include "HeapTuning.h"
#include "KeshApp.h"
#include "LibraryCommandLine.h"
#include "Translations.h"

#include <QCoreApplication>

#include <cstdlib>
#include <optional>

namespace {
LibraryCommandLine commandLine() {
    return LibraryCommandLine(KeshApp::tr("kesh keeps your incomings and outgoings in a library file."),
                              KeshApp::tr("Opens the library file at PATH for this run instead of the one opened "
                                          "last (at first “~/Library/Kesh Data”). kesh offers to make a new, "
                                          "empty library when there is none at PATH."));
}

// Help, the version and a wrong command line need no display: they are
// answered before the window system is asked for.
std::optional<int> answerWithoutWindows(int argc, char** argv) {
    int coreArgc = argc;
    QCoreApplication core(coreArgc, argv);
    KeshApp::setIdentity();
    Translations::install(&core);
    LibraryCommandLine line = commandLine();
    const LibraryCommandLine::Outcome outcome = line.parse(QCoreApplication::arguments());
    if (line.answersBeforeToolkit(outcome)) {
        return line.answer(outcome);
    }
    return std::nullopt;
}
} // namespace

int main(int argc, char** argv) {
    HeapTuning::useHugePages(argv);
    if (const std::optional<int> status = answerWithoutWindows(argc, argv)) {
        return *status;
    }
    KeshApp app(argc, argv);
    LibraryCommandLine line = commandLine();
    const LibraryCommandLine::Outcome outcome = line.parse(QCoreApplication::arguments());
    if (outcome != LibraryCommandLine::Outcome::Run) {
        return line.answer(outcome);
    }
    if (!app.init(line.libraryPath())) {
        // Handing over to the kesh already running is no failure.
        return app.handedOver() ? EXIT_SUCCESS : EXIT_FAILURE;
    }
    app.loadInterface();
    HeapTuning::returnFreedMemory();
    return app.exec();
}
