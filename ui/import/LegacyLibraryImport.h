#pragma once

#include "ImportFlow.h"

#include <QCoreApplication>
#include <QString>

class LibraryDocument;
class LegacyPreview;
class QWidget;

// File › Import Legacy Library… inside kesh: the user picks a legacy library
// file, kesh reads and judges it with the same reader kesh-import uses, shows
// what it holds and, once the user agrees, adds its records to the main
// library as one change that can be undone. kesh holds the library's lock,
// so no second program writes the data file meanwhile.
class LegacyLibraryImport {
    Q_DECLARE_TR_FUNCTIONS(LegacyLibraryImport)

public:
    LegacyLibraryImport(LibraryDocument* document, QWidget* parent);

    // Asks for the file, then runs the import. The number of records added.
    qint64 run();
    // Runs the import of `filePath` without asking for the file.
    qint64 runWithFile(const QString& filePath);

private:
    bool confirm(const LegacyPreview& preview, const QString& filePath) const;

    ImportFlow m_flow;
};
