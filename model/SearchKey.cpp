#include "SearchKey.h"

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

SearchKey::SearchKey(const QString& text)
    : m_text(text.normalized(QString::NormalizationForm_C)) {}

bool SearchKey::foundIn(QStringView haystack) const {
    const qsizetype keyLength = m_text.size();
    if (keyLength == 0) {
        return true;
    }
    if (haystack.size() < keyLength) {
        return false;
    }
    const char16_t* key = reinterpret_cast<const char16_t*>(m_text.utf16());
    const char16_t* begin = haystack.utf16();
    const char16_t* last = begin + (haystack.size() - keyLength);
    const char16_t first = key[0];
    const std::size_t restBytes = (keyLength - 1) * sizeof(char16_t);
    for (const char16_t* p = begin; p <= last; ++p) {
        p = std::find(p, last + 1, first);
        if (p > last) {
            return false;
        }
        if (std::memcmp(p + 1, key + 1, restBytes) == 0) {
            return true;
        }
    }
    return false;
}
