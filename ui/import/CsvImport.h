#pragma once

#include "ImportFlow.h"

#include <QCoreApplication>
#include <QString>

class LibraryDocument;
class QWidget;

// File › Import CSV…: the user picks a CSV file, sees in the import dialog
// how its rows read and says how to read them, and the records go into the
// main library as one change that can be undone, together with the keywords
// they name that the library lacked. The same steps as the legacy import:
// choose, preview, confirm, one change.
class CsvImport {
    Q_DECLARE_TR_FUNCTIONS(CsvImport)

public:
    CsvImport(LibraryDocument* document, QWidget* parent);

    // Asks for the file, then runs the import. The number of records added.
    qint64 run();
    qint64 runWithFile(const QString& filePath);

private:
    ImportFlow m_flow;
};
