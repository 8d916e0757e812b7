#include "HeadlessImport.h"

#include "LegacyImport.h"
#include "LibraryLocation.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {
QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}
} // namespace

HeadlessImport::HeadlessImport(const QString& libraryPath, const QString& legacyFilePath)
    : m_libraryPath(LibraryLocation(libraryPath).path())
    , m_libraryNamed(!libraryPath.isEmpty() && !LibraryLocation(libraryPath).isDefault())
    , m_legacyFilePath(legacyFilePath) {}

int HeadlessImport::run() {
    if (!libraryIsUsable()) {
        return failedStatus;
    }
    // The records of a file named on the command line, never the default legacy file.
    LegacyImport import(m_libraryPath, QFileInfo(m_legacyFilePath).absoluteFilePath());
    const LegacyImportResult result = import.run();
    if (!result.succeeded()) {
        return fail(reason(result));
    }
    m_line = tr("Appended %Ln records from %1 to %2", nullptr, LegacyPreview::trCount(result.imported))
                 .arg(shown(m_legacyFilePath), shown(m_libraryPath));
    std::fprintf(stdout, "%s\n", qPrintable(m_line));
    return succeededStatus;
}

bool HeadlessImport::libraryIsUsable() {
    const LibraryLocation location(m_libraryPath);
    const LibraryLocation::State state = location.state();
    // The default library is made when it is missing, as the window does. A
    // path named on the command line must hold one: a mistyped path would
    // otherwise become a library of its own, unseen by kesh.
    const bool madeHere = state == LibraryLocation::State::Missing || state == LibraryLocation::State::FolderMissing;
    if (state == LibraryLocation::State::Library || (madeHere && !m_libraryNamed)) {
        return true;
    }
    fail(state == LibraryLocation::State::Missing
             ? tr("There is no library at %1; “kesh --library %1” makes one.").arg(shown(m_libraryPath))
             : location.problem(state));
    return false;
}

QString HeadlessImport::reason(const LegacyImportResult& result) const {
    using Outcome = LegacyImportResult::Outcome;
    switch (result.outcome) {
    case Outcome::DataFileLocked:
        return result.lockHolder.startsWith(QStringLiteral("kesh-import"))
                   ? tr("%1 Let the other import finish, then import again.").arg(result.detail)
                   : tr("%1 Quit kesh, then import again.").arg(result.detail);
    case Outcome::DataFileUnreadable:
        return tr("The library could not be read: %1").arg(result.detail);
    case Outcome::DataFileNotWritten:
        return tr("The library could not be written: %1").arg(result.detail);
    case Outcome::LegacyFileFailed:
    case Outcome::NotALegacyLibrary:
        return result.detail;
    case Outcome::Cancelled:
    case Outcome::Imported:
        break;
    }
    return result.detail;
}

int HeadlessImport::fail(const QString& reason) {
    // One line, whatever the reason says.
    m_line = tr("Nothing was imported from %1 to %2: %3")
                 .arg(shown(m_legacyFilePath), shown(m_libraryPath), reason.simplified());
    std::fprintf(stderr, "%s\n", qPrintable(m_line));
    return failedStatus;
}
