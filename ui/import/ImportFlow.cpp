#include "ImportFlow.h"

#include "Alert.h"
#include "DataRoot.h"
#include "LibraryDocument.h"
#include "RegularFile.h"
#include "StartFolder.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QProgressDialog>

#include <algorithm>

namespace {

// Small enough for Cancel to answer at once, large enough to cost nothing.
constexpr qint64 pieceBytes = qint64(1) << 20;

} // namespace

ImportFlow::ImportFlow(LibraryDocument* document, QWidget* parent, QString failedAlertName)
    : m_document(document)
    , m_parent(parent)
    , m_failedAlertName(std::move(failedAlertName)) {}

QString ImportFlow::chooseFile(const QString& title, const QString& start, const QString& filter) const {
    return QFileDialog::getOpenFileName(m_parent, title, StartFolder::nearestExisting(start), filter);
}

QStringList ImportFlow::chooseFiles(const QString& title, const QString& start, const QString& filter) const {
    return QFileDialog::getOpenFileNames(m_parent, title, StartFolder::nearestExisting(start), filter);
}

bool ImportFlow::readWithProgress(const QString& filePath, const std::function<bool(const Progress&)>& read) const {
    QProgressDialog dialog(tr("Reading “%1”…").arg(QFileInfo(filePath).fileName()), tr("Cancel"), 0, 1000, m_parent);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(500);
    const bool finished = read([&dialog](qint64 done, qint64 total) {
        dialog.setValue(total > 0 ? int(done * 1000 / total) : 0);
        return !dialog.wasCanceled();
    });
    // Gone before any alert that follows.
    dialog.reset();
    return finished;
}

std::optional<QByteArray> ImportFlow::readFile(const QString& filePath, qint64 limit, const QString& tooLarge) const {
    QFile file;
    RegularFile regular;
    if (!regular.open(filePath, &file)) {
        refuse(cannotImport(filePath), regular.errorString());
        return std::nullopt;
    }
    // Refused by its size before a byte is read: a file past the limit would only fill the memory.
    const qint64 size = file.size();
    if (size > limit) {
        const QLocale locale;
        refuse(cannotImport(filePath),
               tooLarge.arg(locale.formattedDataSize(size, 1), locale.formattedDataSize(limit, 0)));
        return std::nullopt;
    }
    QByteArray bytes;
    bytes.reserve(size);
    const bool read = readWithProgress(filePath, [&](const Progress& progress) {
        // One byte past the limit tells a file that grew while it was read.
        while (bytes.size() <= limit) {
            const QByteArray piece = file.read(std::min(pieceBytes, limit + 1 - bytes.size()));
            if (piece.isEmpty()) {
                return file.error() == QFileDevice::NoError;
            }
            bytes += piece;
            if (!progress(bytes.size(), std::max(size, qint64(bytes.size())))) {
                return false;
            }
        }
        return true;
    });
    if (file.error() != QFileDevice::NoError) {
        refuse(cannotImport(filePath), file.errorString());
        return std::nullopt;
    }
    if (!read) {
        return std::nullopt;
    }
    if (bytes.size() > limit) {
        refuse(cannotImport(filePath), tr("The file grew past the size kesh reads."));
        return std::nullopt;
    }
    return bytes;
}

void ImportFlow::refuse(const QString& text, const QString& reason) const {
    Alert::inform(m_parent, m_failedAlertName, Alert::Icon::Warning, text, reason);
}

QString ImportFlow::cannotImport(const QString& filePath) {
    return tr("“%1” cannot be imported.").arg(QFileInfo(filePath).fileName());
}

qint64 ImportFlow::append(const IOList& records, const KeywordList& newKeywords) const {
    const auto count = [this] {
        return qint64(m_document->root()->mainLibrary()->count());
    };
    const qint64 before = count();
    m_document->importRecords(records, newKeywords);
    return count() - before;
}
