#include "SearchKey.h"

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

SearchKey::SearchKey(const QString& text)
    : m_text(text.normalized(QString::NormalizationForm_C)) {
    // Own, terminated data: utf16() of static text would copy it on every call.
    m_text.detach();
    m_pairMask = pairMaskOf(m_text);
}

std::uint32_t SearchKey::pairMaskOf(QStringView text) {
    std::uint32_t mask = 0;
    const char16_t* chars = text.utf16();
    for (qsizetype i = 1; i < text.size(); ++i) {
        const std::uint32_t pair = (std::uint32_t(chars[i - 1]) << 16) | chars[i];
        mask |= std::uint32_t(1) << ((pair * 0x9E3779B1u) >> 27);
    }
    return mask;
}

bool SearchKey::foundIn(QStringView haystack) const {
    const qsizetype keyLength = m_text.size();
    if (keyLength == 0) {
        return true;
    }
    const qsizetype length = haystack.size();
    if (length < keyLength) {
        return false;
    }
    const char16_t* key = reinterpret_cast<const char16_t*>(m_text.constData());
    const char16_t* text = haystack.utf16();
    const qsizetype lastStart = length - keyLength;
    const std::size_t restBytes = std::size_t(keyLength - 1) * sizeof(char16_t);
    qsizetype start = 0;
#ifdef __SSE2__
    // Eight start positions at a time: keep those where the first and the last
    // character of the key match, then compare the rest.
    if (keyLength > 1) {
        const __m128i first = _mm_set1_epi16(static_cast<short>(key[0]));
        const __m128i last = _mm_set1_epi16(static_cast<short>(key[keyLength - 1]));
        for (; start + 8 <= lastStart + 1; start += 8) {
            const __m128i atFirst = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + start));
            const __m128i atLast = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + start + keyLength - 1));
            unsigned mask = unsigned(
                _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi16(atFirst, first), _mm_cmpeq_epi16(atLast, last))));
            while (mask != 0) {
                const int offset = __builtin_ctz(mask) / 2;
                if (std::memcmp(text + start + offset + 1, key + 1, restBytes) == 0) {
                    return true;
                }
                mask &= ~(3u << (offset * 2));
            }
        }
    }
#endif
    for (; start <= lastStart; ++start) {
        if (text[start] == key[0] && std::memcmp(text + start + 1, key + 1, restBytes) == 0) {
            return true;
        }
    }
    return false;
}
