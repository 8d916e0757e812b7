#pragma once

#include "LegacyImportResult.h"

#include <QObject>
#include <QSet>
#include <QString>

class QWidget;

// The controller of kesh-import's window: runs an import with progress
// feedback, asks before anything is written and tells the outcome in an alert.
class Converter : public QObject {
    Q_OBJECT

public:
    // `window` parents the progress dialog and the alerts.
    explicit Converter(QWidget* window, QObject* parent = nullptr);

    // The legacy file to read; empty means "Kesh Library" in the documents folder.
    const QString& legacyFilePath() const { return m_legacyFilePath; }
    void setLegacyFilePath(const QString& path);
    // The file an import would read now.
    QString effectiveLegacyFilePath() const;

    const QString& dataFilePath() const { return m_dataFilePath; }
    void setDataFilePath(const QString& path) { m_dataFilePath = path; }

    // Whether this window imported the file already. Importing it again is
    // asked with Cancel as the answer Return gives.
    bool wasImported(const QString& legacyFilePath) const;

    // The outcome alert's texts (title, informative text).
    static QString alertTitle(const LegacyImportResult& result);
    static QString alertText(const LegacyImportResult& result);

public slots:
    // Runs one import from start to end, the confirmation and the closing
    // alert included. Every run reads the whole legacy file again.
    void convert();

signals:
    void legacyFilePathChanged();
    void converted(const LegacyImportResult& result);

private:
    LegacyImportResult runWithProgress();
    bool confirm(const LegacyPreview& preview, const QString& legacyFilePath);
    void showAlert(const LegacyImportResult& result);
    static QString fileKey(const QString& path);

    QWidget* m_window;
    QString m_legacyFilePath;
    QString m_dataFilePath;
    // Files imported by this window, by their canonical paths.
    QSet<QString> m_imported;
};
