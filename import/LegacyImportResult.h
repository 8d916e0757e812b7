#pragma once

#include "LegacyStatus.h"

#include <QString>

// How one import ended. Only `imported` ends with the data file written;
// every other outcome leaves it exactly as it was.
struct LegacyImportResult {
    enum class Outcome {
        Imported,
        // The user stopped it while the legacy file was being read.
        Cancelled,
        // Another program (kesh, or a second import) works on the library.
        DataFileLocked,
        // A data file exists but is not a library this program can read.
        DataFileUnreadable,
        // The legacy file was not found, or could not be opened or read.
        LegacyFileFailed,
        DataFileNotWritten,
    };

    Outcome outcome = Outcome::Imported;
    // Records added to the main library.
    qint64 imported = 0;
    // Slots in use whose amount is not a number, left out.
    qint64 skipped = 0;
    // The legacy file layer's status when it failed.
    LegacyStatus::Code legacyStatus = LegacyStatus::noError;
    // The legacy file read, once found.
    QString legacyFilePath;
    // What the failing part reported, ready to show.
    QString detail;
    // Who holds the library's lock, when that stopped the import and is known.
    QString lockHolder;

    bool succeeded() const { return outcome == Outcome::Imported; }
};
