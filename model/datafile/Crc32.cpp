#include "Crc32.h"

#include <QtEndian>

#include <array>
#include <cstring>

namespace {

using Tables = std::array<std::array<quint32, 256>, 8>;

constexpr Tables makeTables() {
    Tables tables{};
    for (quint32 byte = 0; byte < 256; ++byte) {
        quint32 crc = byte;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1u) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
        }
        tables[0][byte] = crc;
    }
    for (quint32 byte = 0; byte < 256; ++byte) {
        for (std::size_t t = 1; t < tables.size(); ++t) {
            const quint32 previous = tables[t - 1][byte];
            tables[t][byte] = (previous >> 8) ^ tables[0][previous & 0xFFu];
        }
    }
    return tables;
}

constexpr Tables tables = makeTables();

} // namespace

void Crc32::update(const char* data, qsizetype size) {
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    quint32 crc = m_state;
    // Slicing by eight: one table lookup per byte, no dependency between them.
    while (size >= 8) {
        quint32 low = 0;
        quint32 high = 0;
        std::memcpy(&low, p, 4);
        std::memcpy(&high, p + 4, 4);
        if constexpr (Q_BYTE_ORDER == Q_BIG_ENDIAN) {
            low = qbswap(low);
            high = qbswap(high);
        }
        low ^= crc;
        crc = tables[7][low & 0xFFu] ^ tables[6][(low >> 8) & 0xFFu] ^ tables[5][(low >> 16) & 0xFFu] ^
              tables[4][low >> 24] ^ tables[3][high & 0xFFu] ^ tables[2][(high >> 8) & 0xFFu] ^
              tables[1][(high >> 16) & 0xFFu] ^ tables[0][high >> 24];
        p += 8;
        size -= 8;
    }
    while (size-- > 0) {
        crc = (crc >> 8) ^ tables[0][(crc ^ *p++) & 0xFFu];
    }
    m_state = crc;
}
