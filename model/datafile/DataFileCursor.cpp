#include "DataFileCursor.h"

#include "DataFileFormat.h"

#include <QStringList>

DataFileCursor::DataFileCursor(QByteArrayView bytes, qint64 fileOffset)
    : m_begin(reinterpret_cast<const uchar*>(bytes.data()))
    , m_pos(m_begin)
    , m_end(m_begin + bytes.size())
    , m_itemStart(m_begin)
    , m_fileOffset(fileOffset) {
    m_path.reserve(16);
}

quint64 DataFileCursor::readLongVarint() {
    quint64 value = 0;
    if (remaining() >= 10) {
        // Room for the longest number: no end checks.
        for (int shift = 0; shift < 64; shift += 7) {
            const quint8 byte = *m_pos++;
            if (shift == 63 && byte > 1) {
                break;
            }
            value |= quint64(byte & 0x7F) << shift;
            if (!(byte & 0x80)) {
                return value;
            }
        }
    } else {
        for (int shift = 0; shift < 64; shift += 7) {
            const quint8 byte = readByte();
            if (shift == 63 && byte > 1) {
                break;
            }
            value |= quint64(byte & 0x7F) << shift;
            if (!(byte & 0x80)) {
                return value;
            }
        }
    }
    fail(tr("a number is larger than 64 bits"));
}

quint32 DataFileCursor::readLittleEndian32() {
    const QByteArrayView bytes = readBytes(4);
    return DataFileFormat::littleEndian32(bytes.data());
}

quint64 DataFileCursor::readCount(qsizetype minimumItemSize) {
    const quint64 count = readVarint();
    if (count > quint64(remaining() / minimumItemSize)) {
        fail(tr("a list claims %1 items but only %2 bytes are left").arg(count).arg(remaining()));
    }
    return count;
}

QByteArrayView DataFileCursor::readBytes(quint64 size) {
    if (size > quint64(remaining())) {
        failEarlyEnd();
    }
    const QByteArrayView bytes(m_pos, qsizetype(size));
    m_pos += size;
    return bytes;
}

QByteArrayView DataFileCursor::takeTail(qsizetype size) {
    if (remaining() < size) {
        failEarlyEnd();
    }
    m_end -= size;
    return QByteArrayView(m_end, size);
}

void DataFileCursor::failEarlyEnd() {
    fail(tr("the library ends early"));
}

void DataFileCursor::fail(const QString& what) {
    const qint64 at = m_fileOffset + (m_itemStart - m_begin);
    m_error = tr("%1, at byte %2 (%3)").arg(what).arg(at).arg(placeText());
    throw Failure{};
}

QString DataFileCursor::placeText() const {
    QStringList parts;
    for (const Frame& frame : m_path) {
        QString part = QString::fromLatin1(frame.item);
        if (frame.element >= 0) {
            part += QStringLiteral("[%1]").arg(frame.element);
        }
        parts.append(part);
    }
    return parts.isEmpty() ? tr("file start") : parts.join(QStringLiteral(" › "));
}
