#include "FileImport.h"

#include "Alert.h"
#include "CsvImport.h"
#include "CsvReader.h"
#include "LibraryDocument.h"
#include "RegularFile.h"
#include "StartFolder.h"
#include "StatementFileKind.h"
#include "StatementImportDialog.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

FileImport::FileImport(LibraryDocument* document, QWidget* parent)
    : m_document(document)
    , m_parent(parent) {}

qint64 FileImport::run() {
    const QStringList filePaths =
        QFileDialog::getOpenFileNames(m_parent, tr("Import"), StartFolder::documents(),
                                      tr("Statements (*.csv *.tsv *.txt *.ofx *.qfx *.qif);;All files (*)"));
    return runWithFiles(filePaths);
}

qint64 FileImport::runWithFiles(const QStringList& filePaths) {
    qint64 added = 0;
    for (const QString& filePath : filePaths) {
        added += runWithFile(filePath);
    }
    return added;
}

void FileImport::refuse(const QString& filePath, const QString& reason) const {
    Alert::inform(m_parent, QStringLiteral("importFailedAlert"), Alert::Icon::Warning,
                  tr("“%1” cannot be imported.").arg(QFileInfo(filePath).fileName()), reason);
}

qint64 FileImport::runWithFile(const QString& filePath) {
    QFile file;
    RegularFile regular;
    // What the file holds decides; what cannot be opened is the CSV import's to refuse.
    if (regular.open(filePath, &file)) {
        const QByteArray head = file.read(4096);
        if (StatementFileKind::of(head) != StatementFileKind::Kind::Csv) {
            file.close();
            return importStatement(filePath);
        }
    }
    return CsvImport(m_document, m_parent).runWithFile(filePath);
}

qint64 FileImport::importStatement(const QString& filePath) {
    QFile file;
    RegularFile regular;
    if (!regular.open(filePath, &file)) {
        refuse(filePath, regular.errorString());
        return 0;
    }
    const qint64 limit = CsvReader::Limits().fileBytes;
    QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit || file.error() != QFileDevice::NoError) {
        refuse(filePath,
               file.error() != QFileDevice::NoError ? file.errorString() : tr("The file is larger than kesh reads."));
        return 0;
    }
    const StatementFileKind::Kind kind = StatementFileKind::of(bytes);
    StatementImportDialog dialog(std::move(bytes), kind, QFileInfo(filePath).fileName(), m_document->root(), m_parent);
    if (!dialog.readError().isEmpty()) {
        refuse(filePath, dialog.readError());
        return 0;
    }
    if (dialog.exec() != QDialog::Accepted || !dialog.plan() || !dialog.plan()->canImport()) {
        return 0;
    }
    const StatementImportPlan::Batch batch = dialog.makeRecords();
    m_document->importRecords(batch.records, batch.newKeywords);
    return qint64(batch.records.size());
}
