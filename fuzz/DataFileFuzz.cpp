#include "Crc32.h"
#include "DataFileFormat.h"
#include "DataFileReader.h"
#include "DataFileWriter.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// The input with its length and checksums made to fit, so that changed bytes
// reach the payload's reader instead of stopping at the checksum.
QByteArray withFittingHeader(const std::uint8_t* data, std::size_t size) {
    using Format = DataFileFormat;
    QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    char* header = file.data();
    const QByteArrayView payload(header + Format::headerSize, file.size() - Format::headerSize);
    Format::putLittleEndian64(header + Format::lengthOffset, quint64(payload.size()));
    Format::putLittleEndian32(header + Format::payloadCrcOffset, Crc32::of(payload));
    Format::putLittleEndian32(header + Format::headerCrcOffset,
                              Crc32::of(QByteArrayView(header, Format::headerCrcOffset)));
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // As the bytes are: the header's own checks.
    DataFileReader reader;
    reader.read(QByteArrayView(data, qsizetype(size)));

    if (size < std::size_t(DataFileFormat::headerSize) ||
        std::memcmp(data, DataFileFormat::magic.data(), DataFileFormat::magic.size()) != 0) {
        return 0;
    }
    if (!reader.read(QByteArrayView(withFittingHeader(data, size)))) {
        return 0;
    }
    // Whatever is read must write, and read back.
    QByteArray written;
    QBuffer buffer(&written);
    buffer.open(QIODevice::WriteOnly);
    DataFileWriter writer;
    if (!writer.write(*reader.root(), &buffer)) {
        std::fprintf(stderr, "read but not written: %s\n", qPrintable(writer.errorString()));
        std::abort();
    }
    DataFileReader again;
    if (!again.read(QByteArrayView(written))) {
        std::fprintf(stderr, "written but not read: %s\n", qPrintable(again.errorString()));
        std::abort();
    }
    return 0;
}
