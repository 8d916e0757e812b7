#include "CsvImport.h"

#include "Alert.h"
#include "CsvImportDialog.h"
#include "CsvMappingStore.h"
#include "CsvReader.h"
#include "KeywordRuleMatcher.h"
#include "LibraryDocument.h"
#include "RegularFile.h"
#include "StartFolder.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>

CsvImport::CsvImport(LibraryDocument* document, QWidget* parent)
    : m_document(document)
    , m_parent(parent) {}

qint64 CsvImport::run() {
    const QString filePath = chooseFile();
    return filePath.isEmpty() ? 0 : runWithFile(filePath);
}

QString CsvImport::chooseFile() const {
    return QFileDialog::getOpenFileName(m_parent, tr("Import CSV"), StartFolder::documents(),
                                        tr("CSV files (*.csv *.txt *.tsv);;All files (*)"));
}

void CsvImport::refuse(const QString& filePath, const QString& reason) const {
    Alert::inform(m_parent, QStringLiteral("csvImportFailedAlert"), Alert::Icon::Warning,
                  tr("“%1” cannot be imported.").arg(QFileInfo(filePath).fileName()), reason);
}

qint64 CsvImport::runWithFile(const QString& filePath) {
    QFile file;
    RegularFile regular;
    if (!regular.open(filePath, &file)) {
        refuse(filePath, regular.errorString());
        return 0;
    }
    // Refused by its size before a byte is read: a file past the limit would only fill the memory.
    const qint64 limit = CsvReader::Limits().fileBytes;
    if (file.size() > limit) {
        const QLocale locale;
        refuse(filePath, tr("The file is %1; kesh reads CSV files of up to %2.")
                             .arg(locale.formattedDataSize(file.size(), 1), locale.formattedDataSize(limit, 0)));
        return 0;
    }
    QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit || file.error() != QFileDevice::NoError) {
        refuse(filePath, file.error() != QFileDevice::NoError ? file.errorString()
                                                              : tr("The file grew past the size kesh reads."));
        return 0;
    }
    if (bytes.trimmed().isEmpty()) {
        refuse(filePath, tr("The file is empty: it holds no rows."));
        return 0;
    }
    CsvImportDialog dialog(std::move(bytes), QFileInfo(filePath).fileName(), m_document->root(), m_parent);
    if (dialog.exec() != QDialog::Accepted || !dialog.plan() || !dialog.plan()->canImport()) {
        return 0;
    }
    CsvImportPlan::Batch batch = dialog.plan()->makeRecords(*m_document->root());
    KeywordRuleMatcher(*m_document->root(), dialog.skippedRules()).tag(batch.records, batch.newKeywords);
    m_document->importRecords(batch.records, batch.newKeywords);
    // Confirmed by the import: the next file of this kind opens with it.
    CsvMappingStore().remember(dialog.mappingToRemember());
    return qint64(batch.records.size());
}
