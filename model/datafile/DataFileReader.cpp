#include "DataFileReader.h"

#include "Crc32.h"
#include "DataFileDecoder.h"
#include "DataFileFormat.h"
#include "RegularFile.h"

#include <QFileDevice>

#include <algorithm>
#include <cstring>

namespace {
DataFileReader::Status statusOf(RegularFile::Status status) {
    switch (status) {
    case RegularFile::Status::Read:
        return DataFileReader::Status::Read;
    case RegularFile::Status::NoFile:
        return DataFileReader::Status::NoFile;
    case RegularFile::Status::PermissionDenied:
        return DataFileReader::Status::PermissionDenied;
    case RegularFile::Status::NotAFile:
        return DataFileReader::Status::NotAFile;
    case RegularFile::Status::ReadFailed:
        break;
    }
    return DataFileReader::Status::ReadFailed;
}
} // namespace

bool DataFileReader::fail(Status status, const QString& message) {
    m_root.reset();
    m_formatVersion = 0;
    m_status = status;
    m_error = message;
    return false;
}

bool DataFileReader::readFile(const QString& path) {
    RegularFile file;
    // Mapped: the data file is locked while kesh has it open, and kesh
    // replaces it rather than changing it in place.
    if (!file.map(path)) {
        return fail(statusOf(file.status()), file.errorString());
    }
    return read(file.bytes());
}

bool DataFileReader::read(QIODevice* device) {
    if (!device || !device->isOpen() || !device->isReadable()) {
        return fail(Status::ReadFailed, tr("The data file is not open for reading."));
    }
    const QByteArray bytes = device->readAll();
    const auto* fileDevice = qobject_cast<QFileDevice*>(device);
    if (fileDevice && fileDevice->error() != QFileDevice::NoError) {
        return fail(Status::ReadFailed, tr("The data file could not be read: %1").arg(device->errorString()));
    }
    return read(QByteArrayView(bytes));
}

bool DataFileReader::read(QByteArrayView file) {
    m_root.reset();
    m_status = Status::Read;
    m_error.clear();
    return readHeaderAndPayload(file);
}

bool DataFileReader::readHeaderAndPayload(QByteArrayView file) {
    using Format = DataFileFormat;
    const qsizetype size = file.size();
    const char* bytes = file.data();
    if (size == 0) {
        return fail(Status::Damaged, tr("The file is empty."));
    }
    const qsizetype magicSeen = std::min<qsizetype>(size, qsizetype(Format::magic.size()));
    if (std::memcmp(bytes, Format::magic.data(), std::size_t(magicSeen)) != 0) {
        return fail(Status::Damaged, tr("The file is not a kesh library."));
    }
    if (size < Format::headerSize) {
        return fail(Status::Damaged, tr("The file is cut off: it holds only %n byte(s).", nullptr, int(size)));
    }
    const quint32 headerCrc = Format::littleEndian32(bytes + Format::headerCrcOffset);
    if (Crc32::of(QByteArrayView(bytes, Format::headerCrcOffset)) != headerCrc) {
        return fail(Status::Damaged, tr("The file is damaged: its header does not match its checksum."));
    }
    const quint32 version = Format::littleEndian32(bytes + Format::versionOffset);
    if (version > Format::version) {
        return fail(Status::Newer,
                    tr("The file was written by a newer version of kesh (data format %1). This version of kesh "
                       "reads data format %2 and older; please use a newer kesh.")
                        .arg(version)
                        .arg(Format::version));
    }
    if (version == 0) {
        return fail(Status::Damaged, tr("The file has data format 0, which no version of kesh writes."));
    }
    if (Format::littleEndian32(bytes + Format::flagsOffset) != 0) {
        return fail(Status::Newer,
                    tr("The file uses features this version of kesh does not know; please use a newer kesh."));
    }
    const quint64 length = Format::littleEndian64(bytes + Format::lengthOffset);
    const quint64 present = quint64(size - Format::headerSize);
    if (present < length) {
        return fail(Status::Damaged, tr("The file is cut off: it holds %L1 of its %L2 bytes.")
                                         .arg(size)
                                         .arg(length + quint64(Format::headerSize)));
    }
    if (present > length) {
        return fail(Status::Damaged,
                    tr("The file is damaged: %L1 unexpected bytes follow its end.").arg(present - length));
    }
    const QByteArrayView payload(bytes + Format::headerSize, qsizetype(length));
    if (Crc32::of(payload) != Format::littleEndian32(bytes + Format::payloadCrcOffset)) {
        return fail(Status::Damaged, tr("The file is damaged: its content does not match its checksum."));
    }
    DataFileDecoder decoder(payload, Format::headerSize, version);
    m_root = decoder.decode();
    if (!m_root) {
        return fail(Status::Damaged, tr("The file is damaged: %1.").arg(decoder.errorString()));
    }
    m_formatVersion = version;
    return true;
}
