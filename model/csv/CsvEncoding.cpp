#include "CsvEncoding.h"

#include <QStringDecoder>

#include <optional>

namespace {

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isJapanese(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xFF01 && u <= 0xFF5E);
}

bool isHalfWidthKana(QChar c) {
    return c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F;
}

// How much the text reads like what people write; every character beyond
// ASCII counts for or against. Japanese read as Western gives runs of
// symbols and lone accented letters; Western read as Japanese gives lone
// half-width kana and kanji wedged between Latin letters.
int plausibility(QStringView text) {
    int score = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() < 0x80) {
            continue;
        }
        const QChar before = i > 0 ? text[i - 1] : QChar(u' ');
        const QChar after = i + 1 < text.size() ? text[i + 1] : QChar(u' ');
        if (isJapanese(c)) {
            score += isAsciiLetter(before) && isAsciiLetter(after) ? -2 : 2;
        } else if (isHalfWidthKana(c)) {
            score += isHalfWidthKana(before) || isHalfWidthKana(after) ? 1 : -3;
        } else if (c.isLetter() && c.unicode() < 0x0250) {
            // An accented letter stands in a word, or alone as a word of its own ("à").
            const bool inWord = isAsciiLetter(before) || isAsciiLetter(after);
            score += inWord ? 2 : before == u' ' && after == u' ' ? 1 : -1;
        } else if (c.category() == QChar::Symbol_Currency) {
            score += before.isDigit() || after.isDigit() || before == u' ' || after == u' ' ? 2 : -1;
        } else {
            score -= 1;
        }
    }
    return score;
}

std::optional<QString> decoded(QByteArrayView bytes, CsvEncoding::Encoding encoding) {
    QStringDecoder decoder(CsvEncoding::converterName(encoding));
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}

} // namespace

const char* CsvEncoding::converterName(Encoding encoding) {
    switch (encoding) {
    case Utf8:
        return "UTF-8";
    case ShiftJis:
        // The converter's Shift_JIS is the Windows code page 932.
        return "Shift_JIS";
    case Windows1252:
        return "windows-1252";
    }
    return "UTF-8";
}

QString CsvEncoding::displayName(Encoding encoding) {
    switch (encoding) {
    case Utf8:
        return tr("Unicode (UTF-8)");
    case ShiftJis:
        return tr("Japanese (Shift_JIS, CP932)");
    case Windows1252:
        return tr("Western (Windows-1252)");
    }
    return QString();
}

CsvEncoding::Encoding CsvEncoding::guess(QByteArrayView bytes) {
    // Text beyond ASCII that is valid UTF-8 is UTF-8 all but certainly.
    if (decoded(bytes, Utf8)) {
        return Utf8;
    }
    const std::optional<QString> japanese = decoded(bytes, ShiftJis);
    if (!japanese) {
        return Windows1252;
    }
    const std::optional<QString> western = decoded(bytes, Windows1252);
    return !western || plausibility(*japanese) > plausibility(*western) ? ShiftJis : Windows1252;
}

QString CsvEncoding::sampleLine(QByteArrayView bytes, Encoding encoding) {
    qsizetype start = 0;
    qsizetype firstLineEnd = -1;
    while (start < bytes.size()) {
        qsizetype end = start;
        bool beyondAscii = false;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r') {
            beyondAscii = beyondAscii || static_cast<unsigned char>(bytes[end]) >= 0x80;
            ++end;
        }
        if (firstLineEnd < 0) {
            firstLineEnd = end;
        }
        if (beyondAscii) {
            QStringDecoder decoder(converterName(encoding), QStringDecoder::Flag::ConvertInitialBom);
            return QString(decoder.decode(bytes.sliced(start, end - start))).simplified();
        }
        start = end + 1;
    }
    return QString::fromLatin1(bytes.first(qMax<qsizetype>(firstLineEnd, 0))).simplified();
}
