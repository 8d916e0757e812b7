#include "DataFileWriter.h"

#include "Crc32.h"
#include "DataFileEncoder.h"
#include "DataFileFormat.h"
#include "DataFilePaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace {

// Keeps the file about to be replaced as "<path>.bak". A hard link costs
// nothing and survives the rename that replaces the file; a copy is the
// fallback where links are not possible. Failing to keep it does not stop
// the save: the new file matters more than the old one.
void keepBackup(const QString& path, const QString& backup) {
    const QFileInfo current(path);
    // Copying a FIFO or a device would wait or never end.
    if (!current.isFile()) {
        return;
    }
    const QString source = current.isSymLink() ? current.canonicalFilePath() : path;
    const QString fresh = backup + QStringLiteral(".new");
    QFile::remove(fresh);
    const QByteArray freshName = QFile::encodeName(fresh);
    const bool made =
        ::link(QFile::encodeName(source).constData(), freshName.constData()) == 0 || QFile::copy(source, fresh);
    if (!made || std::rename(freshName.constData(), QFile::encodeName(backup).constData()) != 0) {
        QFile::remove(fresh);
    }
}

} // namespace

QString DataFileWriter::openFailure(const QFileInfo& file, const QString& systemError) {
    // Qt's own words name the file again; the caller has named it already.
    if (file.exists() && !file.isWritable()) {
        return tr("The file is read-only, so kesh may not replace it. The previous library is unchanged.");
    }
    const QFileInfo folder(file.absolutePath());
    if (!folder.isWritable()) {
        return tr("kesh may not write in the file’s folder. The previous library is unchanged.");
    }
    return tr("It could not be opened for writing: %1").arg(systemError);
}

bool DataFileWriter::fail(const QString& message) {
    m_error = message;
    return false;
}

QByteArray DataFileWriter::header(QByteArrayView payload) {
    return header(quint64(payload.size()), Crc32::of(payload));
}

QByteArray DataFileWriter::header(quint64 payloadSize, quint32 payloadCrc) {
    using Format = DataFileFormat;
    QByteArray header(Format::headerSize, '\0');
    char* at = header.data();
    std::memcpy(at, Format::magic.data(), Format::magic.size());
    Format::putLittleEndian32(at + Format::versionOffset, Format::version);
    Format::putLittleEndian32(at + Format::flagsOffset, 0);
    Format::putLittleEndian64(at + Format::lengthOffset, payloadSize);
    Format::putLittleEndian32(at + Format::payloadCrcOffset, payloadCrc);
    Format::putLittleEndian32(at + Format::headerCrcOffset, Crc32::of(QByteArrayView(at, Format::headerCrcOffset)));
    return header;
}

bool DataFileWriter::write(const DataRoot& root, QIODevice* device) {
    m_error.clear();
    m_bytesWritten = 0;
    if (!device || !device->isOpen() || !device->isWritable()) {
        return fail(tr("The data file is not open for writing."));
    }
    DataFileEncoder encoder;
    if (device->isSequential()) {
        if (!encoder.encode(root)) {
            return fail(encoder.errorString());
        }
        if (!writeAll(device, header(encoder.payload())) || !writeAll(device, encoder.payload())) {
            return false;
        }
        m_bytesWritten = DataFileFormat::headerSize + encoder.payload().size();
        return true;
    }
    // Streamed: the header, which needs the length and checksum, goes in last.
    const qint64 start = device->pos();
    if (!writeAll(device, QByteArray(DataFileFormat::headerSize, '\0'))) {
        return false;
    }
    const auto sink = [&](QByteArrayView piece) {
        return writeAll(device, piece);
    };
    if (!encoder.encode(root, sink)) {
        return m_error.isEmpty() ? fail(encoder.errorString()) : false;
    }
    const qint64 end = start + DataFileFormat::headerSize + qint64(encoder.payloadSize());
    if (!device->seek(start) || !writeAll(device, header(encoder.payloadSize(), encoder.payloadCrc())) ||
        !device->seek(end)) {
        return m_error.isEmpty() ? fail(tr("Writing failed: %1").arg(device->errorString())) : false;
    }
    m_bytesWritten = end - start;
    return true;
}

bool DataFileWriter::writeAll(QIODevice* device, QByteArrayView bytes) {
    // Pieces small enough that a short write is seen where it happens.
    constexpr qsizetype piece = 1 << 20;
    for (qsizetype done = 0; done < bytes.size();) {
        const qsizetype size = std::min(piece, bytes.size() - done);
        const qint64 written = device->write(bytes.data() + done, size);
        if (written != size) {
            // A full disk may cut a write short without reporting an error.
            return fail(written < 0 ? tr("Writing failed: %1").arg(device->errorString())
                                    : tr("Only part of the library could be written; the disk may be full."));
        }
        done += size;
    }
    return true;
}

bool DataFileWriter::writeFile(const DataRoot& root, const QString& path) {
    m_error.clear();
    m_bytesWritten = 0;
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    if (!QDir(folder).exists() && !QDir().mkpath(folder)) {
        return fail(tr("Could not create the folder “%1” for the library.").arg(folder));
    }
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(openFailure(info, file.errorString()));
    }
    const auto refuse = [&](const QString& reason) {
        file.cancelWriting();
        return fail(tr("%1 The previous library is unchanged.").arg(reason));
    };
    if (!write(root, &file)) {
        return refuse(m_error);
    }
    if (!file.flush()) {
        return refuse(tr("Writing failed: %1").arg(file.errorString()));
    }
    // Measured, not trusted: a full disk has been seen to lose the end of a
    // write that reported success.
    if (file.size() != m_bytesWritten) {
        return refuse(
            tr("Only %L1 of %L2 bytes reached the disk; the disk may be full.").arg(file.size()).arg(m_bytesWritten));
    }
    keepBackup(path, DataFilePaths::backupPath(path));
    if (!file.commit()) {
        return fail(tr("It could not be put in place: %1 The previous library is unchanged.").arg(file.errorString()));
    }
    return true;
}
