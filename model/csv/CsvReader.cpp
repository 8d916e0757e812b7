#include "CsvReader.h"

#include "RegularFile.h"

#include <QFile>
#include <QLocale>
#include <QStringDecoder>

namespace {

constexpr qint64 blockSize = qint64(1) << 20;

// Where the next line starts after `from`: past LF, CR LF or CR alone.
qsizetype nextLineStart(QByteArrayView bytes, qsizetype from) {
    for (qsizetype i = from; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            return i + 1;
        }
        if (bytes[i] == '\r') {
            return i + 1 < bytes.size() && bytes[i + 1] == '\n' ? i + 2 : i + 1;
        }
    }
    return bytes.size();
}

} // namespace

bool CsvReader::fail(const QString& error, qint64 line) {
    m_error = error;
    m_errorLine = line;
    m_table.clear();
    m_carry.clear();
    return false;
}

void CsvReader::start() {
    m_table.clear();
    m_error.clear();
    m_errorLine = 0;
    m_carry.clear();
    m_bytesRead = 0;
    m_firstBlock = true;
    m_state = State::FieldStart;
    m_line = 1;
    m_rowLine = 1;
    m_quoteLine = 1;
    m_afterCR = false;
    m_rowHasText = false;
    m_anyText = false;
    m_enoughRows = false;
    m_rowsWanted = 0;
}

bool CsvReader::fileTooLarge(qint64 size) {
    const QLocale locale;
    return fail(tr("The file is %1; kesh reads CSV files of up to %2.")
                    .arg(locale.formattedDataSize(size, 1), locale.formattedDataSize(m_limits.fileBytes, 0)),
                0);
}

bool CsvReader::cancelled() {
    if (!m_progress || !m_progress->isCancelled()) {
        return false;
    }
    fail(tr("Reading the file was cancelled."), 0);
    return true;
}

bool CsvReader::readFile(const QString& filePath) {
    QFile file;
    RegularFile regular;
    if (!regular.open(filePath, &file)) {
        start();
        return fail(tr("The file cannot be opened: %1").arg(regular.errorString()), 0);
    }
    return read(&file);
}

bool CsvReader::read(QIODevice* device) {
    start();
    // A file that is plainly too large is refused before a byte is read.
    if (!device->isSequential() && device->size() > m_limits.fileBytes) {
        return fileTooLarge(device->size());
    }
    const qint64 size = device->isSequential() ? 0 : device->size();
    QByteArray block(blockSize, Qt::Uninitialized);
    for (;;) {
        const qint64 n = device->read(block.data(), blockSize);
        if (n < 0) {
            return fail(tr("The file cannot be read: %1").arg(device->errorString()), 0);
        }
        if (n == 0) {
            break;
        }
        if (!feed(QByteArrayView(block.constData(), n), false) || cancelled()) {
            return false;
        }
        if (m_progress) {
            m_progress->report(std::size_t(m_bytesRead), std::size_t(qMax(size, m_bytesRead)));
        }
    }
    return feed({}, true) && finish();
}

bool CsvReader::read(QByteArrayView bytes) {
    start();
    if (bytes.size() > m_limits.fileBytes) {
        return fileTooLarge(bytes.size());
    }
    // In blocks, so a cancel is seen and the progress told.
    for (qsizetype at = 0; at < bytes.size(); at += blockSize) {
        if (!feed(bytes.sliced(at, qMin(blockSize, bytes.size() - at)), false) || cancelled()) {
            return false;
        }
        if (m_progress) {
            m_progress->report(std::size_t(qMin(at + blockSize, bytes.size())), std::size_t(bytes.size()));
        }
    }
    return feed({}, true) && finish();
}

bool CsvReader::readHead(QByteArrayView bytes, std::size_t rows, bool more) {
    start();
    m_rowsWanted = rows;
    if (!feed(bytes, !more)) {
        return false;
    }
    if (m_enoughRows) {
        return true;
    }
    if (!more) {
        return finish();
    }
    m_table.dropUnfinishedRow();
    return true;
}

bool CsvReader::feed(QByteArrayView bytes, bool last) {
    if (m_enoughRows) {
        return true;
    }
    m_bytesRead += bytes.size();
    if (m_bytesRead > m_limits.fileBytes) {
        return fileTooLarge(m_bytesRead);
    }
    // Whole lines only: no character of the three encodings has a byte 0x0A
    // inside it, so each block decodes on its own.
    const qsizetype cut = last ? bytes.size() : bytes.lastIndexOf('\n') + 1;
    if (cut == 0 && !last) {
        m_carry.append(bytes);
        return true;
    }
    if (m_carry.isEmpty()) {
        if (!decodeAndParse(bytes.first(cut))) {
            return false;
        }
    } else {
        m_carry.append(bytes.first(cut));
        const QByteArray lines = std::exchange(m_carry, QByteArray());
        if (!decodeAndParse(lines)) {
            return false;
        }
    }
    m_carry = bytes.sliced(cut).toByteArray();
    return true;
}

bool CsvReader::decodeAndParse(QByteArrayView lines) {
    QStringDecoder decoder(CsvEncoding::converterName(m_encoding),
                           m_firstBlock ? QStringDecoder::Flag::Default : QStringDecoder::Flag::ConvertInitialBom);
    m_firstBlock = false;
    const QString text = decoder.decode(lines);
    if (decoder.hasError()) {
        const qint64 line = firstUndecodableLine(lines);
        return fail(tr("Line %1 is not %2 text. Choose the encoding the file was written in.")
                        .arg(line)
                        .arg(CsvEncoding::displayName(m_encoding)),
                    line);
    }
    return parse(text);
}

qint64 CsvReader::firstUndecodableLine(QByteArrayView lines) const {
    qint64 line = m_line;
    for (qsizetype start = 0; start < lines.size(); ++line) {
        const qsizetype end = nextLineStart(lines, start);
        QStringDecoder decoder(CsvEncoding::converterName(m_encoding));
        const QString text = decoder.decode(lines.sliced(start, end - start));
        if (decoder.hasError()) {
            return line;
        }
        start = end;
    }
    return m_line;
}

bool CsvReader::parse(QStringView text) {
    const QChar quote = u'"';
    for (const QChar c : text) {
        if (m_afterCR && c == u'\n') {
            // The second half of CR LF: one line break.
            m_afterCR = false;
            if (m_state == State::Quoted) {
                m_table.appendToField(c);
            }
            continue;
        }
        m_afterCR = false;
        if (c.unicode() == 0) {
            return fail(
                tr("Line %1 holds a null character: this is not a text file, or not in this encoding.").arg(m_line),
                m_line);
        }
        const bool lineBreak = c == u'\n' || c == u'\r';
        switch (m_state) {
        case State::FieldStart:
            if (c == quote) {
                m_state = State::Quoted;
                m_quoteLine = m_line;
                m_rowHasText = true;
                break;
            }
            [[fallthrough]];
        case State::Unquoted:
            if (c == m_separator) {
                m_rowHasText = true;
                if (!endField()) {
                    return false;
                }
                m_state = State::FieldStart;
            } else if (lineBreak) {
                if (!endRow()) {
                    return false;
                }
                m_state = State::FieldStart;
            } else {
                // A quote inside an unquoted field is kept as it is.
                m_table.appendToField(c);
                m_rowHasText = true;
                m_state = State::Unquoted;
            }
            break;
        case State::Quoted:
            if (c == quote) {
                m_state = State::QuoteInQuoted;
            } else {
                m_table.appendToField(c);
            }
            break;
        case State::QuoteInQuoted:
            if (c == quote) {
                m_table.appendToField(c);
                m_state = State::Quoted;
            } else if (c == m_separator) {
                if (!endField()) {
                    return false;
                }
                m_state = State::FieldStart;
            } else if (lineBreak) {
                if (!endRow()) {
                    return false;
                }
                m_state = State::FieldStart;
            } else {
                return fail(tr("Line %1: field %2 has text after its closing quote. A quote inside a quoted field "
                               "must be doubled.")
                                .arg(m_line)
                                .arg(m_table.fieldsInRow() + 1),
                            m_line);
            }
            break;
        }
        if (m_table.fieldLength() > m_limits.fieldCharacters) {
            const qint64 line = m_state == State::Quoted ? m_quoteLine : m_line;
            return fail(m_state == State::Quoted
                            ? tr("Line %1: the quote that opens field %2 is not closed within %3 characters.")
                                  .arg(line)
                                  .arg(m_table.fieldsInRow() + 1)
                                  .arg(QLocale().toString(m_limits.fieldCharacters))
                            : tr("Line %1: field %2 is longer than %3 characters.")
                                  .arg(line)
                                  .arg(m_table.fieldsInRow() + 1)
                                  .arg(QLocale().toString(m_limits.fieldCharacters)),
                        line);
        }
        if (lineBreak) {
            ++m_line;
            m_afterCR = c == u'\r';
        }
        if (m_enoughRows) {
            return true;
        }
    }
    return true;
}

bool CsvReader::endField() {
    m_table.endField();
    if (m_table.fieldsInRow() > m_limits.columns) {
        return fail(tr("Line %1 has more than %2 columns.").arg(m_rowLine).arg(QLocale().toString(m_limits.columns)),
                    m_rowLine);
    }
    if (m_table.totalFields() > m_limits.fields) {
        return fail(tr("The file has more than %1 fields.").arg(QLocale().toString(qulonglong(m_limits.fields))),
                    m_rowLine);
    }
    return true;
}

bool CsvReader::endRow() {
    // The line break that ends this row is not counted yet.
    const qint64 nextRowLine = m_line + 1;
    if (!m_rowHasText) {
        // A blank line: no row.
        m_rowLine = nextRowLine;
        return true;
    }
    if (!endField()) {
        return false;
    }
    m_table.endRow(m_rowLine);
    m_anyText = true;
    m_rowHasText = false;
    m_rowLine = nextRowLine;
    m_enoughRows = m_rowsWanted > 0 && m_table.rowCount() >= m_rowsWanted;
    if (m_table.rowCount() > m_limits.rows) {
        return fail(tr("The file has more than %1 rows.").arg(QLocale().toString(qulonglong(m_limits.rows))),
                    m_rowLine - 1);
    }
    return true;
}

bool CsvReader::finish() {
    if (m_state == State::Quoted) {
        return fail(tr("Line %1: the quote that opens field %2 is never closed.")
                        .arg(m_quoteLine)
                        .arg(m_table.fieldsInRow() + 1),
                    m_quoteLine);
    }
    // The last row may end without a line break.
    if (m_rowHasText && !endRow()) {
        return false;
    }
    if (!m_anyText) {
        return fail(tr("The file is empty: it holds no rows."), 0);
    }
    return true;
}

QChar CsvReader::guessSeparator(QByteArrayView head) {
    const QByteArrayView firstLine = head.first(nextLineStart(head, 0));
    QChar best = u',';
    qsizetype bestCount = 0;
    for (const char candidate : {',', ';', '\t'}) {
        const qsizetype count = firstLine.count(candidate);
        if (count > bestCount) {
            best = QChar::fromLatin1(candidate);
            bestCount = count;
        }
    }
    return best;
}
