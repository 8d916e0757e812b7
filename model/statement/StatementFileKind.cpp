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
