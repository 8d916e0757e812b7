#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

// Turns text of the legacy library (the Japanese 8-bit encoding, CP932, of
// which plain ASCII is a subset) into UTF-16. Keeps its converter open, so one
// decoder serves a whole import.
class LegacyTextDecoder {
public:
    enum class CutEnd { Refused, Dropped };

    LegacyTextDecoder();
    ~LegacyTextDecoder();
    LegacyTextDecoder(const LegacyTextDecoder&) = delete;
    LegacyTextDecoder& operator=(const LegacyTextDecoder&) = delete;

    // Nothing when a byte sequence does not decode. With CutEnd::Dropped a
    // last character cut in half (its lead byte alone at the end, as a text
    // cut off at a byte limit ends) is left out rather than refused.
    std::optional<QString> decodeStrictly(QByteArrayView bytes, CutEnd cutEnd = CutEnd::Refused);
    // Every character that decodes, and U+FFFD for each byte that does not
    // (control characters but tab and line breaks included).
    QString decodeLeniently(QByteArrayView bytes);

private:
    // iconv_t, kept opaque so that users of the class do not see <iconv.h>.
    void* m_converter = nullptr;
};
