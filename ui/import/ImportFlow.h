#pragma once

#include "IO.h"
#include "Keyword.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class LibraryDocument;
class QWidget;

// The steps every File › Import… command takes around its own preview:
// choosing the file, reading it under a progress dialog the user may cancel,
// telling why a file is refused, and adding the records to the main library
// as one change that can be undone. Each flow owns one for its run.
class ImportFlow {
    Q_DECLARE_TR_FUNCTIONS(ImportFlow)

public:
    // Told the done and total amounts of work; answers false once the user cancelled.
    using Progress = std::function<bool(qint64 done, qint64 total)>;

    // Refusals are shown in the alert named `failedAlertName`, over `parent`.
    ImportFlow(LibraryDocument* document, QWidget* parent, QString failedAlertName);

    LibraryDocument* document() const { return m_document; }
    QWidget* parent() const { return m_parent; }

    // The file dialog, opened on `start` or its nearest folder that exists.
    // Empty when the user cancels.
    QString chooseFile(const QString& title, const QString& start, const QString& filter = {}) const;
    // The same for one file or several; empty when the user cancels.
    QStringList chooseFiles(const QString& title, const QString& start, const QString& filter = {}) const;

    // Runs `read`, which reports to the Progress it is given, under a dialog
    // shown once the reading takes a while; gone again before this returns.
    bool readWithProgress(const QString& filePath, const std::function<bool(const Progress&)>& read) const;
    // The bytes of the regular file at `filePath`, read with progress. A file
    // that is no regular file, cannot be read or holds more than `limit`
    // bytes is refused; `tooLarge` is the reason told for the last, its %1
    // the file's size and %2 the limit. Nothing when refused or cancelled.
    std::optional<QByteArray> readFile(const QString& filePath, qint64 limit, const QString& tooLarge) const;

    // Tells in the alert why nothing is imported: `text` what, `reason` why.
    void refuse(const QString& text, const QString& reason) const;
    // "“name” cannot be imported.", the text of most refusals.
    static QString cannotImport(const QString& filePath);

    // The records, and the keywords they carry that the library lacked, join
    // the main library as one change. The number of records added.
    qint64 append(const IOList& records, const KeywordList& newKeywords = {}) const;

private:
    LibraryDocument* m_document;
    QWidget* m_parent;
    QString m_failedAlertName;
};
