#include "LegacyTextDecoder.h"

#include <QSysInfo>

#include <algorithm>
#include <cerrno>

#include <iconv.h>

namespace {
const char* utf16HostOrder() {
    return QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE";
}

iconv_t converter(void* handle) {
    return static_cast<iconv_t>(handle);
}

bool isControl(unsigned char byte) {
    return (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') || byte == 0x7F;
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

std::optional<QString> LegacyTextDecoder::decodeStrictly(QByteArrayView bytes, CutEnd cutEnd) {
    // Almost every text is plain ASCII, which the encoding leaves as it is.
    if (isAscii(bytes)) {
        return QString::fromLatin1(bytes);
    }
    // No converter on this system: only ASCII is known.
    if (!m_converter) {
        return std::nullopt;
    }

    // Every character of the encoding is one or two bytes and one UTF-16
    // unit: the text never outgrows the bytes.
    QString text(bytes.size(), Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = std::size_t(bytes.size());
    char* out = reinterpret_cast<char*>(text.data());
    std::size_t outLeft = std::size_t(text.size()) * sizeof(char16_t);

    iconv(converter(m_converter), nullptr, nullptr, nullptr, nullptr);
    if (iconv(converter(m_converter), &in, &inLeft, &out, &outLeft) == std::size_t(-1)) {
        // EINVAL: the input ends inside a character.
        if (errno != EINVAL || cutEnd == CutEnd::Refused) {
            return std::nullopt;
        }
    }
    text.truncate(qsizetype(reinterpret_cast<QChar*>(out) - text.data()));
    return text;
}

QString LegacyTextDecoder::decodeLeniently(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        if (byte < 0x80) {
            text.append(isControl(byte) ? QChar(QChar::ReplacementCharacter) : QChar(char16_t(byte)));
            ++at;
            continue;
        }
        // A character of the encoding is one byte or two.
        bool decoded = false;
        for (qsizetype length : {2, 1}) {
            if (at + length > bytes.size()) {
                continue;
            }
            if (std::optional<QString> character = decodeStrictly(bytes.sliced(at, length));
                character && character->size() == 1) {
                text.append(*character);
                at += length;
                decoded = true;
                break;
            }
        }
        if (!decoded) {
            text.append(QChar(QChar::ReplacementCharacter));
            ++at;
        }
    }
    return text;
}
