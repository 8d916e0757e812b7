#include "CsvImport.h"

#include "CsvImportDialog.h"
#include "CsvMappingStore.h"
#include "CsvReader.h"
#include "KeywordRuleMatcher.h"
#include "LibraryDocument.h"
#include "StartFolder.h"

#include <QFileInfo>

CsvImport::CsvImport(LibraryDocument* document, QWidget* parent)
    : m_flow(document, parent, QStringLiteral("csvImportFailedAlert")) {}

qint64 CsvImport::run() {
    const QString filePath = m_flow.chooseFile(tr("Import CSV"), StartFolder::documents(),
                                               tr("CSV files (*.csv *.txt *.tsv);;All files (*)"));
    return filePath.isEmpty() ? 0 : runWithFile(filePath);
}

qint64 CsvImport::runWithFile(const QString& filePath) {
    std::optional<QByteArray> bytes = m_flow.readFile(filePath, CsvReader::Limits().fileBytes,
                                                      tr("The file is %1; kesh reads CSV files of up to %2."));
    if (!bytes) {
        return 0;
    }
    if (bytes->trimmed().isEmpty()) {
        m_flow.refuse(ImportFlow::cannotImport(filePath), tr("The file is empty: it holds no rows."));
        return 0;
    }
    LibraryDocument* document = m_flow.document();
    CsvImportDialog dialog(std::move(*bytes), QFileInfo(filePath).fileName(), document->root(), m_flow.parent());
    if (dialog.exec() != QDialog::Accepted || !dialog.plan() || !dialog.plan()->canImport()) {
        return 0;
    }
    CsvImportPlan::Batch batch = dialog.plan()->makeRecords(*document->root());
    KeywordRuleMatcher(*document->root(), dialog.skippedRules()).tag(batch.records, batch.newKeywords);
    const qint64 added = m_flow.append(batch.records, batch.newKeywords);
    // Confirmed by the import: the next file of this kind opens with it.
    CsvMappingStore().remember(dialog.mappingToRemember());
    return added;
}
