#include "LegacyTextDecoder.h"

#include <QSysInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <iconv.h>

namespace {
constexpr char16_t replacementCharacter = 0xFFFD;

const char* utf16HostOrder() {
    return QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE";
}

iconv_t converter(void* handle) {
    return static_cast<iconv_t>(handle);
}

bool isAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}
} // namespace

LegacyTextDecoder::LegacyTextDecoder() {
    const iconv_t handle = iconv_open(utf16HostOrder(), "CP932");
    if (handle != iconv_t(-1)) {
        m_converter = handle;
    }
}

LegacyTextDecoder::~LegacyTextDecoder() {
    if (m_converter) {
        iconv_close(converter(m_converter));
    }
}

QString LegacyTextDecoder::decode(QByteArrayView bytes) {
    return *convert(bytes, false);
}

std::optional<QString> LegacyTextDecoder::decodeStrictly(QByteArrayView bytes) {
    return convert(bytes, true);
}

std::optional<QString> LegacyTextDecoder::convert(QByteArrayView bytes, bool strict) {
    // Almost every comment is plain ASCII, which the encoding leaves as it is.
    if (isAscii(bytes)) {
        return QString::fromLatin1(bytes);
    }
    if (!m_converter) {
        // No converter on this system: ASCII passes, everything else is unknown.
        if (strict) {
            return std::nullopt;
        }
        QString text(bytes.size(), Qt::Uninitialized);
        std::transform(bytes.begin(), bytes.end(), text.begin(), [](char c) {
            const auto byte = static_cast<unsigned char>(c);
            return QChar(byte < 0x80 ? char16_t(byte) : replacementCharacter);
        });
        return text;
    }

    // Every character of the encoding is one or two bytes and one UTF-16
    // unit, and a replaced byte is one unit: the text never outgrows the bytes.
    QString text(bytes.size(), Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = std::size_t(bytes.size());
    char* out = reinterpret_cast<char*>(text.data());
    std::size_t outLeft = std::size_t(text.size()) * sizeof(char16_t);

    iconv(converter(m_converter), nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0 && iconv(converter(m_converter), &in, &inLeft, &out, &outLeft) == std::size_t(-1)) {
        if (strict) {
            return std::nullopt;
        }
        if ((errno != EILSEQ && errno != EINVAL) || outLeft < sizeof(char16_t)) {
            break;
        }
        // A byte that starts no character, or a lead byte whose partner does
        // not fit it: that byte alone is replaced and decoding goes on after
        // it, so a plain character that follows survives.
        const char16_t replacement = replacementCharacter;
        std::memcpy(out, &replacement, sizeof replacement);
        out += sizeof(char16_t);
        outLeft -= sizeof(char16_t);
        ++in;
        --inLeft;
    }
    text.truncate(qsizetype((reinterpret_cast<QChar*>(out) - text.data())));
    return text;
}
