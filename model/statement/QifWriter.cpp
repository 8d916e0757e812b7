#include "QifWriter.h"

#include <QIODevice>

namespace {

QString oneLine(const QString& text) {
    QString line = text;
    for (QChar& c : line) {
        if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            c = u' ';
        }
    }
    return line;
}

} // namespace

QString QifWriter::amountText(const Amount& amount) {
    QString text = amount.toString();
    const qsizetype point = text.indexOf(u'.');
    const qsizetype decimals = point < 0 ? 0 : text.size() - point - 1;
    if (point < 0) {
        text += u'.';
    }
    for (qsizetype i = decimals; i < 2; ++i) {
        text += u'0';
    }
    return text;
}

QByteArray QifWriter::toBytes(const IOList& records) {
    QString text = QStringLiteral("!Type:Bank\n");
    for (const IOPtr& record : records) {
        if (!record) {
            continue;
        }
        const QDate day = record->date();
        text += u'D' + QStringLiteral("%1/%2/%3\n")
                           .arg(day.month(), 2, 10, QChar(u'0'))
                           .arg(day.day(), 2, 10, QChar(u'0'))
                           .arg(day.year(), 4, 10, QChar(u'0'));
        text += u'T' + amountText(record->amount().value_or(Amount())) + u'\n';
        if (!record->comment().isEmpty()) {
            text += u'P' + oneLine(record->comment()) + u'\n';
        }
        for (const KeywordPtr& keyword : record->keywords()) {
            if (keyword && !keyword->name().isEmpty()) {
                text += u'L' + oneLine(keyword->name()) + u'\n';
            }
        }
        text += QStringLiteral("^\n");
    }
    return text.toUtf8();
}

bool QifWriter::write(const IOList& records, QIODevice* device) {
    m_error.clear();
    const QByteArray bytes = toBytes(records);
    if (!device || !device->isWritable() || device->write(bytes) != bytes.size()) {
        m_error = device ? tr("The QIF file could not be written: %1").arg(device->errorString())
                         : tr("The QIF file could not be written.");
        return false;
    }
    return true;
}
