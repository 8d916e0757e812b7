#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// CRC-32 (the polynomial of zlib, PNG and Ethernet), eight bytes per step.
// The data file guards its content with it.
class Crc32 {
public:
    Crc32() = default;

    void update(const char* data, qsizetype size);
    void update(QByteArrayView bytes) { update(bytes.data(), bytes.size()); }
    quint32 value() const { return ~m_state; }

    static quint32 of(QByteArrayView bytes) {
        Crc32 crc;
        crc.update(bytes);
        return crc.value();
    }

private:
    quint32 m_state = 0xFFFFFFFFu;
};
