#pragma once

#include "DataRoot.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

class QFileInfo;
class QIODevice;

// Writes a whole library as a data file. On a file, through a temporary file
// in the same folder that replaces the old one only when every byte is known
// to be on disk; the old file is kept beside it as the backup.
class DataFileWriter {
    Q_DECLARE_TR_FUNCTIONS(DataFileWriter)

public:
    bool write(const DataRoot& root, QIODevice* device);
    bool writeFile(const DataRoot& root, const QString& path);

    // Why the write failed, ready to show; it does not repeat the path.
    QString errorString() const { return m_error; }
    // Bytes of the last file written.
    qint64 bytesWritten() const { return m_bytesWritten; }

    // The header that makes `payload` a data file.
    static QByteArray header(QByteArrayView payload);
    static QByteArray header(quint64 payloadSize, quint32 payloadCrc);

private:
    // Why a file could not be opened for writing, in kesh's words.
    static QString openFailure(const QFileInfo& file, const QString& systemError);
    bool writeAll(QIODevice* device, QByteArrayView bytes);
    bool fail(const QString& message);

    QString m_error;
    qint64 m_bytesWritten = 0;
};
