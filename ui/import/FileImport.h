#pragma once

#include "ImportFlow.h"
#include "StatementFileKind.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class LibraryDocument;
class QWidget;

// File › Import…: the user picks one file or several, CSV, OFX, QFX or QIF,
// each told by its contents, and each goes through its import dialog in
// turn: a preview, duplicates marked, one change that can be undone.
class FileImport {
    Q_DECLARE_TR_FUNCTIONS(FileImport)

public:
    FileImport(LibraryDocument* document, QWidget* parent);

    // Asks for the files, then imports them. The number of records added.
    qint64 run();
    qint64 runWithFiles(const QStringList& filePaths);
    qint64 runWithFile(const QString& filePath);

private:
    qint64 importStatement(const QString& filePath, StatementFileKind::Kind kind);

    ImportFlow m_flow;
};
