#include "Converter.h"
#include "ConverterWindow.h"
#include "HeadlessImport.h"
#include "HeapTuning.h"
#include "LibraryCommandLine.h"
#include "LibraryLocation.h"
#include "LocalizedStrings.h"
#include "Translations.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <optional>

namespace {
void setIdentity() {
    QCoreApplication::setApplicationName(QStringLiteral("kesh-import"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KESH_VERSION));
}

LibraryCommandLine commandLine() {
    return LibraryCommandLine(
        HeadlessImport::tr("kesh-import appends the records of a legacy library file to a kesh library. Given a "
                           "FILE, it imports it without a window and says in one line what it did."),
        HeadlessImport::tr("Appends to the library file at PATH instead of “~/Library/Kesh Data”."),
        HeadlessImport::tr("The legacy library file to import without a window."));
}

// Without a window: help, the version, a wrong command line and an import of
// a named file. They need no display.
std::optional<int> runWithoutWindows(LibraryCommandLine& line, LibraryCommandLine::Outcome outcome) {
    if (outcome != LibraryCommandLine::Outcome::Run) {
        return line.answer(outcome);
    }
    if (!line.filePath().isEmpty()) {
        return HeadlessImport(line.libraryPath(), line.filePath()).run();
    }
    const LibraryLocation location(line.libraryPath());
    const LibraryLocation::State state = location.state();
    // The window would make a library where none should be.
    if (!line.libraryPath().isEmpty() && state != LibraryLocation::State::Library &&
        state != LibraryLocation::State::Missing) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(location.problem(state)));
        return HeadlessImport::failedStatus;
    }
    return std::nullopt;
}

std::optional<int> answerBeforeToolkit(int argc, char** argv) {
    int coreArgc = argc;
    QCoreApplication core(coreArgc, argv);
    setIdentity();
    Translations::install(&core);
    // A fresh library's main book gets the same name kesh gives it.
    LocalizedStrings::installForModel();
    LibraryCommandLine line = commandLine();
    const LibraryCommandLine::Outcome outcome = line.parse(QCoreApplication::arguments());
    if (outcome == LibraryCommandLine::Outcome::UsageError && !line.answersBeforeToolkit(outcome)) {
        return std::nullopt;
    }
    return runWithoutWindows(line, outcome);
}
} // namespace

int main(int argc, char** argv) {
    HeapTuning::useHugePages(argv);
    if (const std::optional<int> status = answerBeforeToolkit(argc, argv)) {
        return *status;
    }
    QApplication app(argc, argv);
    setIdentity();
    // The id of the installed entry, so desktops show its icon for the window.
    QApplication::setDesktopFileName(QStringLiteral("io.github.kesh.KeshImport"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/kesh-import.svg")));
    Translations::install(&app);
    // Alerts take their title from the display name.
    QApplication::setApplicationDisplayName(ConverterWindow::tr("Kesh Import"));
    LocalizedStrings::installForModel();
    // The toolkit has taken its own options off the command line now.
    LibraryCommandLine line = commandLine();
    if (const std::optional<int> status = runWithoutWindows(line, line.parse(QCoreApplication::arguments()))) {
        return *status;
    }

    ConverterWindow window;
    window.converter()->setDataFilePath(LibraryLocation(line.libraryPath()).path());
    window.refresh();
    window.show();
    return app.exec();
}
