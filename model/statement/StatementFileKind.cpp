#include "StatementFileKind.h"

#include <QByteArray>

#include <algorithm>

namespace {

// Enough for a version 1 header and the XML declarations of version 2.
constexpr qsizetype headLength = 4096;

QByteArray headOf(QByteArrayView bytes) {
    QByteArrayView head = bytes.first(std::min(bytes.size(), headLength));
    if (head.startsWith("\xEF\xBB\xBF")) {
        head = head.sliced(3);
    }
    return head.trimmed().toByteArray().toLower();
}

bool isOfx(const QByteArray& head) {
    return head.startsWith("ofxheader") || head.contains("<ofx>") || head.contains("<?ofx");
}

// A QIF file opens with a header line: "!Type:Bank", "!Account", "!Option:MDY".
bool isQif(const QByteArray& head) {
    for (const char* start : {"!type:", "!account", "!option:", "!clear:"}) {
        if (head.startsWith(start)) {
            return true;
        }
    }
    return false;
}

} // namespace

StatementFileKind::Kind StatementFileKind::of(QByteArrayView bytes) {
    const QByteArray head = headOf(bytes);
    if (isOfx(head)) {
        return Kind::Ofx;
    }
    return isQif(head) ? Kind::Qif : Kind::Csv;
}

QString StatementFileKind::refusalOf(QByteArrayView bytes) {
    const auto startsWith = [bytes](QByteArrayView magic) {
        return bytes.startsWith(magic);
    };
    if (startsWith("PK\x03\x04") || startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) {
        return tr("The file is a spreadsheet workbook or an archive, not text. Save the sheet as CSV in its "
                  "program and import that file.");
    }
    if (startsWith("\x89PNG\r\n\x1A\n") || startsWith("\xFF\xD8\xFF") || startsWith("GIF87a") || startsWith("GIF89a")) {
        return tr("The file is an image, not a statement.");
    }
    if (startsWith("%PDF-")) {
        return tr("The file is a PDF document. kesh reads statements as CSV, OFX, QFX or QIF; most banks offer one "
                  "of these beside the PDF.");
    }
    if (startsWith("\x89KDF\r\n\x1A\n")) {
        return tr("The file is a kesh library, not a statement.");
    }
    if (startsWith("\x1F\x8B") ||
        startsWith("\x7F"
                   "ELF") ||
        startsWith(QByteArrayView("SQLite format 3\0", 16))) {
        return tr("The file is not text: it holds no statement kesh can read.");
    }
    return QString();
}
