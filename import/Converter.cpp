#include "Converter.h"

#include "Alert.h"
#include "DataFile.h"
#include "LegacyImport.h"
#include "LegacyLibraryReader.h"
#include "ShownPath.h"

#include <QFileInfo>
#include <QProgressDialog>

namespace {
// Progress is shown in thousandths, so files past 2 GB fit an int.
constexpr int progressSteps = 1000;
// Imports quicker than this finish without a progress dialog.
constexpr int progressDelayMsecs = 400;
} // namespace

Converter::Converter(QWidget* window, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_dataFilePath(DataFile::defaultPath()) {}

void Converter::setLegacyFilePath(const QString& path) {
    if (path == m_legacyFilePath) {
        return;
    }
    m_legacyFilePath = path;
    emit legacyFilePathChanged();
}

QString Converter::effectiveLegacyFilePath() const {
    return m_legacyFilePath.isEmpty() ? LegacyLibraryReader::defaultFilePath() : m_legacyFilePath;
}

bool Converter::wasImported(const QString& legacyFilePath) const {
    return m_imported.contains(fileKey(legacyFilePath));
}

QString Converter::fileKey(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

QString Converter::alertTitle(const LegacyImportResult& result) {
    return result.succeeded() ? tr("Import Successful") : tr("Error");
}

QString Converter::alertText(const LegacyImportResult& result) {
    using Outcome = LegacyImportResult::Outcome;
    if (result.succeeded()) {
        const QString imported = tr("%Ln records imported", nullptr, LegacyPreview::trCount(result.imported));
        return (QStringList{imported} + result.preview.paragraphs(false)).join(QStringLiteral("\n\n"));
    }
    if (result.outcome == Outcome::DataFileLocked && !result.lockHolder.isEmpty()) {
        const QString advice = result.lockHolder.startsWith(QStringLiteral("kesh-import"))
                                   ? tr("Another import is running: let it finish, then import again.")
                                   : tr("kesh is running: quit it, then import again.");
        return advice + QStringLiteral("\n\n") + tr("The library is in use by %1.").arg(result.lockHolder);
    }
    QString cause;
    switch (result.outcome) {
    case Outcome::DataFileUnreadable:
        cause = tr("Your library was left as it is. %1").arg(result.detail);
        break;
    case Outcome::DataFileNotWritten:
        cause = tr("Your library was left as it was. %1").arg(result.detail);
        break;
    case Outcome::LegacyFileFailed:
    case Outcome::NotALegacyLibrary:
    case Outcome::DataFileLocked:
        cause = result.detail;
        break;
    case Outcome::Imported:
    case Outcome::Cancelled:
        break;
    }
    const QString sorry = tr("There's been an error. Dunno why, dunno what. I'm sorry.");
    return cause.isEmpty() ? sorry : sorry + QStringLiteral("\n\n") + cause;
}

void Converter::convert() {
    const LegacyImportResult result = runWithProgress();
    if (result.succeeded()) {
        m_imported.insert(fileKey(result.legacyFilePath));
    }
    // A cancelled import changed nothing and the user knows it: no alert.
    if (result.outcome != LegacyImportResult::Outcome::Cancelled) {
        showAlert(result);
    }
    emit converted(result);
}

LegacyImportResult Converter::runWithProgress() {
    QProgressDialog progress(m_window);
    progress.setWindowModality(Qt::WindowModal);
    progress.setWindowTitle(tr("Importing"));
    progress.setLabelText(tr("Reading the legacy library…"));
    progress.setMinimumDuration(progressDelayMsecs);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setRange(0, progressSteps);
    progress.setValue(0);
    bool progressWasShown = false;

    LegacyImport run(m_dataFilePath, m_legacyFilePath);
    run.setProgressHandler([&progress, &progressWasShown](LegacyImport::Phase phase, qint64 done, qint64 total) {
        if (phase == LegacyImport::Phase::Writing) {
            // One write that cannot be stopped half-way.
            progress.setCancelButton(nullptr);
            progress.setLabelText(tr("Writing the library…"));
            if (progressWasShown) {
                progress.show();
            }
            progress.setValue(progressSteps);
            return true;
        }
        progress.setValue(total > 0 ? int(done * progressSteps / total) : 0);
        return !progress.wasCanceled();
    });
    run.setConfirmation([this, &progress, &progressWasShown](const LegacyPreview& preview, const QString& path) {
        progressWasShown = progress.isVisible();
        progress.hide();
        return confirm(preview, path);
    });
    return run.run();
}

bool Converter::confirm(const LegacyPreview& preview, const QString& legacyFilePath) {
    const bool again = wasImported(legacyFilePath);
    // Mostly odd amounts: the user says whether this is a ledger, not Return.
    const bool odd = preview.amountsMostlyOdd();
    const QString fileName = QFileInfo(legacyFilePath).fileName();
    Alert alert(
        m_window, QStringLiteral("importConfirmAlert"), again || odd ? Alert::Icon::Warning : Alert::Icon::Information,
        tr("Import %Ln records from “%1”?", nullptr, LegacyPreview::trCount(preview.recordCount())).arg(fileName));
    QStringList paragraphs = preview.paragraphs(true);
    if (again) {
        paragraphs << tr("You imported this file already: importing it again adds its records a second time.");
    }
    paragraphs << tr("The records are added to the main library of “%1”.").arg(ShownPath::of(m_dataFilePath));
    alert.setInformativeText(paragraphs.join(QStringLiteral("\n\n")));
    const QString importText = again ? tr("Import Again") : (odd ? tr("Import Anyway") : tr("Import"));
    const int importButton = alert.addButton(importText, QMessageBox::AcceptRole);
    const int cancelButton = alert.addButton(tr("Cancel"), QMessageBox::RejectRole);
    alert.setDefaultButton(again || odd ? cancelButton : importButton);
    alert.setEscapeButton(cancelButton);
    return alert.exec() == importButton;
}

void Converter::showAlert(const LegacyImportResult& result) {
    Alert alert(m_window, QStringLiteral("importOutcomeAlert"),
                result.succeeded() ? Alert::Icon::Information : Alert::Icon::Warning, alertTitle(result),
                alertText(result));
    alert.addButton(tr("OK"), QMessageBox::AcceptRole);
    alert.exec();
}
