#include "LegacyLibraryImport.h"

#include "Alert.h"
#include "LegacyLibraryReader.h"

#include <QFileInfo>

LegacyLibraryImport::LegacyLibraryImport(LibraryDocument* document, QWidget* parent)
    : m_flow(document, parent, QStringLiteral("importFailedAlert")) {}

qint64 LegacyLibraryImport::run() {
    const QString filePath = m_flow.chooseFile(tr("Import Legacy Library"), LegacyLibraryReader::defaultFilePath());
    return filePath.isEmpty() ? 0 : runWithFile(filePath);
}

qint64 LegacyLibraryImport::runWithFile(const QString& filePath) {
    LegacyLibraryReader reader(filePath);
    const bool read = m_flow.readWithProgress(filePath, [&reader](const ImportFlow::Progress& progress) {
        reader.setProgressHandler(progress);
        const bool done = reader.read();
        reader.setProgressHandler({});
        return done;
    });
    if (!read) {
        if (reader.failure() != LegacyLibraryReader::Failure::Cancelled) {
            m_flow.refuse(tr("The legacy library cannot be imported."), reader.errorString());
        }
        return 0;
    }
    if (!confirm(reader.preview(), reader.filePath())) {
        return 0;
    }
    return m_flow.append(reader.takeRecords());
}

bool LegacyLibraryImport::confirm(const LegacyPreview& preview, const QString& filePath) const {
    // Mostly odd amounts: the user says whether this is a ledger, not Return.
    const bool odd = preview.amountsMostlyOdd();
    const QString fileName = QFileInfo(filePath).fileName();
    Alert alert(
        m_flow.parent(), QStringLiteral("importConfirmAlert"), odd ? Alert::Icon::Warning : Alert::Icon::Information,
        tr("Import %Ln records from “%1”?", nullptr, LegacyPreview::trCount(preview.recordCount())).arg(fileName));
    QStringList paragraphs = preview.paragraphs(true);
    paragraphs << tr("The records are added to the main library. Edit › Undo takes them out again.");
    alert.setInformativeText(paragraphs.join(QStringLiteral("\n\n")));
    const int importButton = alert.addButton(odd ? tr("Import Anyway") : tr("Import"), QMessageBox::AcceptRole);
    const int cancelButton = alert.addButton(tr("Cancel"), QMessageBox::RejectRole);
    alert.setDefaultButton(odd ? cancelButton : importButton);
    alert.setEscapeButton(cancelButton);
    return alert.exec() == importButton;
}
