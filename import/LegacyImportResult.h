#pragma once

#include "LegacyPreview.h"
#include "LegacyStatus.h"

#include <QString>

// How one import ended. Only `imported` ends with the data file written;
// every other outcome leaves it exactly as it was.
struct LegacyImportResult {
    enum class Outcome {
        Imported,
        // The user stopped it while the legacy file was read, or did not confirm.
        Cancelled,
        // Another program (kesh, or a second import) works on the library.
        DataFileLocked,
        // A data file exists but is not a library this program can read.
        DataFileUnreadable,
        // The legacy file was not found, or could not be opened or read.
        LegacyFileFailed,
        // The chosen file is of another kind, or its slots are not laid out as a ledger's.
        NotALegacyLibrary,
        DataFileNotWritten,
    };

    Outcome outcome = Outcome::Imported;
    // Records added to the main library.
    qint64 imported = 0;
    // What the legacy file held, the slots left out with it, once it was read.
    LegacyPreview preview;
    // The legacy file layer's status when it failed.
    LegacyStatus::Code legacyStatus = LegacyStatus::noError;
    // The legacy file read, or looked for.
    QString legacyFilePath;
    // What the failing part reported, ready to show.
    QString detail;
    // Who holds the library's lock, when that stopped the import and is known.
    QString lockHolder;

    bool succeeded() const { return outcome == Outcome::Imported; }
};
