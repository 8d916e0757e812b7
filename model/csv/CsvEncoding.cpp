#include "CsvEncoding.h"

#include <QStringDecoder>

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
    for (const Encoding candidate : {Utf8, ShiftJis}) {
        QStringDecoder decoder(converterName(candidate));
        const QString text = decoder.decode(bytes);
        if (!decoder.hasError()) {
            return candidate;
        }
    }
    return Windows1252;
}
