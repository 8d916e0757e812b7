#include "LegacyLibraryImport.h"

#include "Alert.h"
#include "LegacyLibraryReader.h"
#include "LibraryDocument.h"
#include "StartFolder.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>

LegacyLibraryImport::LegacyLibraryImport(LibraryDocument* document, QWidget* parent)
    : m_document(document)
    , m_parent(parent) {}

qint64 LegacyLibraryImport::run() {
    const QString filePath = chooseFile();
    return filePath.isEmpty() ? 0 : runWithFile(filePath);
}

QString LegacyLibraryImport::chooseFile() const {
    const QString start = StartFolder::nearestExisting(LegacyLibraryReader::defaultFilePath());
    return QFileDialog::getOpenFileName(m_parent, tr("Import Legacy Library"), start);
}

qint64 LegacyLibraryImport::runWithFile(const QString& filePath) {
    LegacyLibraryReader reader(filePath);
    QProgressDialog progress(tr("Reading “%1”…").arg(QFileInfo(filePath).fileName()), tr("Cancel"), 0, 1000, m_parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    reader.setProgressHandler([&progress](qint64 done, qint64 total) {
        progress.setValue(total > 0 ? int(done * 1000 / total) : 0);
        return !progress.wasCanceled();
    });
    const bool read = reader.read();
    progress.reset();
    if (!read) {
        if (reader.failure() != LegacyLibraryReader::Failure::Cancelled) {
            Alert::inform(m_parent, QStringLiteral("importFailedAlert"), Alert::Icon::Warning,
                          tr("The legacy library cannot be imported."), reader.errorString());
        }
        return 0;
    }
    if (!confirm(reader.preview(), reader.filePath())) {
        return 0;
    }
    const IOList records = reader.takeRecords();
    m_document->importRecords(records);
    return qint64(records.size());
}

bool LegacyLibraryImport::confirm(const LegacyPreview& preview, const QString& filePath) const {
    // Mostly odd amounts: the user says whether this is a ledger, not Return.
    const bool odd = preview.amountsMostlyOdd();
    const QString fileName = QFileInfo(filePath).fileName();
    Alert alert(
        m_parent, QStringLiteral("importConfirmAlert"), odd ? Alert::Icon::Warning : Alert::Icon::Information,
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
