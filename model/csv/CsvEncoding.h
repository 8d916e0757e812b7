#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

#include <array>

// The text encodings a CSV file may come in: what kesh writes, what Japanese
// banks and spreadsheets write, and what Western spreadsheets write.
class CsvEncoding {
    Q_DECLARE_TR_FUNCTIONS(CsvEncoding)

public:
    enum Encoding {
        Utf8,
        // Shift_JIS with the Windows additions (circled numbers, NEC and IBM characters).
        ShiftJis,
        Windows1252,
    };
    static constexpr std::array<Encoding, 3> all = {Utf8, ShiftJis, Windows1252};

    // The name the text converters know it by.
    static const char* converterName(Encoding encoding);
    // As the user sees it in a choice of encodings.
    static QString displayName(Encoding encoding);
    // UTF-8 when it reads `bytes` without a fault. Otherwise, of Shift_JIS
    // and Windows-1252 (which reads any bytes), the one whose text is the
    // more plausible: kana and kanji against accented letters in words and
    // currency signs beside figures.
    static Encoding guess(QByteArrayView bytes);
    // The first line with characters beyond ASCII as the encoding reads it,
    // or the first line when there is none: what the user checks the
    // encoding by.
    static QString sampleLine(QByteArrayView bytes, Encoding encoding);
};
