#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

// Turns text of the legacy library (the Japanese 8-bit encoding, CP932, of
// which plain ASCII is a subset) into UTF-16. Keeps its converter open, so one
// decoder serves a whole import.
class LegacyTextDecoder {
public:
    LegacyTextDecoder();
    ~LegacyTextDecoder();
    LegacyTextDecoder(const LegacyTextDecoder&) = delete;
    LegacyTextDecoder& operator=(const LegacyTextDecoder&) = delete;

    // Bytes that do not decode become U+FFFD; decoding never fails.
    QString decode(QByteArrayView bytes);
    // Nothing when any byte sequence does not decode.
    std::optional<QString> decodeStrictly(QByteArrayView bytes);

private:
    std::optional<QString> convert(QByteArrayView bytes, bool strict);

    // iconv_t, kept opaque so that users of the class do not see <iconv.h>.
    void* m_converter = nullptr;
};
