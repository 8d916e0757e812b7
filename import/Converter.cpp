#include "Converter.h"

#include "Alert.h"
#include "DataFile.h"
#include "LegacyImport.h"

#include <QDir>
#include <QProgressDialog>

namespace {
// Progress is shown in thousandths, so files past 2 GB fit an int.
constexpr int progressSteps = 1000;
// Imports quicker than this finish without a progress dialog.
constexpr int progressDelayMsecs = 400;

QString sorryText() {
    return QStringLiteral("There's been an error. Dunno why, dunno what. I'm sorry.");
}

QString legacyFailureText(const LegacyImportResult& result) {
    const QString file = Converter::shownPath(result.legacyFilePath);
    if (result.legacyStatus == LegacyStatus::fileNotFound) {
        return QStringLiteral("There is no legacy library at \u201c%1\u201d.").arg(file);
    }
    QString text = QStringLiteral("\u201c%1\u201d could not be read (status %2)").arg(file).arg(result.legacyStatus);
    if (!result.detail.isEmpty()) {
        text += QStringLiteral(": ") + result.detail;
    }
    return text + u'.';
}

QString failureCause(const LegacyImportResult& result) {
    switch (result.outcome) {
    case LegacyImportResult::Outcome::DataFileUnreadable:
        return QStringLiteral("Your library was left as it is. %1").arg(result.detail);
    case LegacyImportResult::Outcome::LegacyFileFailed:
        return legacyFailureText(result);
    case LegacyImportResult::Outcome::DataFileNotWritten:
        return QStringLiteral("Your library was left as it was. %1").arg(result.detail);
    case LegacyImportResult::Outcome::DataFileLocked:
        return result.detail;
    case LegacyImportResult::Outcome::Imported:
    case LegacyImportResult::Outcome::Cancelled:
        break;
    }
    return QString();
}
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
    return m_legacyFilePath.isEmpty() ? LegacyImport::defaultLegacyFilePath() : m_legacyFilePath;
}

QString Converter::shownPath(const QString& path) {
    const QString home = QDir::homePath();
    if (path.startsWith(home + u'/')) {
        return QStringLiteral("~") + path.mid(home.size());
    }
    return QDir::toNativeSeparators(path);
}

QString Converter::alertTitle(const LegacyImportResult& result) {
    return result.succeeded() ? QStringLiteral("Import Successful") : QStringLiteral("Error");
}

QString Converter::alertText(const LegacyImportResult& result) {
    if (result.succeeded()) {
        QString text = QStringLiteral("%1 records imported").arg(result.imported);
        if (result.skipped > 0) {
            text += QStringLiteral(", %1 skipped").arg(result.skipped);
        }
        return text;
    }
    if (result.outcome == LegacyImportResult::Outcome::DataFileLocked && !result.lockHolder.isEmpty()) {
        const QString advice = result.lockHolder.startsWith(QStringLiteral("kesh-import"))
                                   ? QStringLiteral("Another import is running: let it finish, then import again.")
                                   : QStringLiteral("kesh is running: quit it, then import again.");
        return advice + QStringLiteral("\n\nThe library is in use by %1.").arg(result.lockHolder);
    }
    const QString cause = failureCause(result);
    return cause.isEmpty() ? sorryText() : sorryText() + QStringLiteral("\n\n") + cause;
}

void Converter::convert() {
    const LegacyImportResult result = runWithProgress();
    // A cancelled import changed nothing and the user knows it: no alert.
    if (result.outcome != LegacyImportResult::Outcome::Cancelled) {
        showAlert(result);
    }
    emit converted(result);
}

LegacyImportResult Converter::runWithProgress() {
    QProgressDialog progress(m_window);
    progress.setWindowModality(Qt::WindowModal);
    progress.setWindowTitle(QStringLiteral("Importing"));
    progress.setLabelText(QStringLiteral("Reading the legacy library\u2026"));
    progress.setMinimumDuration(progressDelayMsecs);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setRange(0, progressSteps);
    progress.setValue(0);

    LegacyImport import(m_dataFilePath, m_legacyFilePath);
    import.setProgressHandler([&progress](LegacyImport::Phase phase, qint64 done, qint64 total) {
        if (phase == LegacyImport::Phase::Writing) {
            // One write that cannot be stopped half-way.
            progress.setCancelButton(nullptr);
    progress.setLabelText(QStringLiteral("Writing the library\u2026"));
    progress.setValue(progressSteps);
    return true;
}
progress.setValue(total > 0 ? int(done * progressSteps / total) : 0);
return !progress.wasCanceled();
});
return import.run();
}

void Converter::showAlert(const LegacyImportResult& result) {
    Alert::inform(m_window, QStringLiteral("importOutcomeAlert"),
                  result.succeeded() ? Alert::Icon::Information : Alert::Icon::Warning, alertTitle(result),
                  alertText(result));
}
