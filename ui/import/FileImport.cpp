#include "FileImport.h"

#include "CsvImport.h"
#include "CsvReader.h"
#include "LibraryDocument.h"
#include "RegularFile.h"
#include "StartFolder.h"
#include "StatementFileKind.h"
#include "StatementImportDialog.h"

#include <QFile>
#include <QFileInfo>

FileImport::FileImport(LibraryDocument* document, QWidget* parent)
    : m_flow(document, parent, QStringLiteral("importFailedAlert")) {}

qint64 FileImport::run() {
    return runWithFiles(m_flow.chooseFiles(tr("Import"), StartFolder::documents(),
                                           tr("Statements (*.csv *.tsv *.txt *.ofx *.qfx *.qif);;All files (*)")));
}

qint64 FileImport::runWithFiles(const QStringList& filePaths) {
    qint64 added = 0;
    for (const QString& filePath : filePaths) {
        added += runWithFile(filePath);
    }
    return added;
}

qint64 FileImport::runWithFile(const QString& filePath) {
    QFile file;
    RegularFile regular;
    // What the file holds decides; what cannot be opened is the CSV import's to refuse.
    if (regular.open(filePath, &file)) {
        const QByteArray head = file.read(4096);
        // A workbook or an image chosen by mistake is told as such, not shown as a page of garbled text.
        if (const QString refusal = StatementFileKind::refusalOf(head); !refusal.isEmpty()) {
            m_flow.refuse(ImportFlow::cannotImport(filePath), refusal);
            return 0;
        }
        const StatementFileKind::Kind kind = StatementFileKind::of(head);
        if (kind != StatementFileKind::Kind::Csv) {
            file.close();
            return importStatement(filePath, kind);
        }
    }
    return CsvImport(m_flow.document(), m_flow.parent()).runWithFile(filePath);
}

qint64 FileImport::importStatement(const QString& filePath, StatementFileKind::Kind kind) {
    // A statement is held whole while it is previewed, as a CSV file is: the same bound.
    std::optional<QByteArray> bytes = m_flow.readFile(filePath, CsvReader::Limits().fileBytes,
                                                      tr("The file is %1; kesh reads statements of up to %2."));
    if (!bytes) {
        return 0;
    }
    LibraryDocument* document = m_flow.document();
    StatementImportDialog dialog(std::move(*bytes), kind, QFileInfo(filePath).fileName(), document->root(),
                                 m_flow.parent());
    if (!dialog.readError().isEmpty()) {
        m_flow.refuse(ImportFlow::cannotImport(filePath), dialog.readError());
        return 0;
    }
    if (dialog.exec() != QDialog::Accepted || !dialog.plan() || !dialog.plan()->canImport()) {
        return 0;
    }
    const StatementImportPlan::Batch batch = dialog.makeRecords();
    return m_flow.append(batch.records, batch.newKeywords);
}
