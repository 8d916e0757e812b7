#include "CsvWriter.h"

#include "CsvFormulaGuard.h"

#include <QIODevice>

namespace {
constexpr qsizetype flushSize = qsizetype(1) << 20;
}

CsvWriter::CsvWriter(QIODevice* device, QChar separator)
    : m_device(device)
    , m_separator(separator.toLatin1()) {
    m_buffer.reserve(flushSize + 4096);
}

CsvWriter::~CsvWriter() = default;

bool CsvWriter::needsQuotes(QStringView text, QChar separator) {
    if (text.isEmpty()) {
        return false;
    }
    for (const QChar c : text) {
        if (c == separator || c == u'"' || c == u'\n' || c == u'\r') {
            return true;
        }
    }
    // Readers that trim would lose the spaces.
    return text.front().isSpace() || text.back().isSpace();
}

void CsvWriter::separate() {
    if (m_fieldsInRow > 0) {
        m_buffer.append(m_separator);
    }
    ++m_fieldsInRow;
}

void CsvWriter::appendUtf8(QStringView text) {
    // Straight into the buffer: a million rows make no temporary strings.
    const qsizetype used = m_buffer.size();
    m_buffer.resize(used + m_encoder.requiredSpace(text.size()));
    char* const end = m_encoder.appendToBuffer(m_buffer.data() + used, text);
    m_buffer.truncate(end - m_buffer.constData());
}

void CsvWriter::addField(QStringView text) {
    separate();
    m_onlyFieldEmpty = m_fieldsInRow == 1 && text.isEmpty();
    if (!needsQuotes(text, QChar::fromLatin1(m_separator))) {
        appendUtf8(text);
        return;
    }
    m_buffer.append('"');
    for (qsizetype from = 0;;) {
        const qsizetype quote = text.indexOf(u'"', from);
        if (quote < 0) {
            appendUtf8(text.sliced(from));
            break;
        }
        appendUtf8(text.sliced(from, quote + 1 - from));
        m_buffer.append('"');
        from = quote + 1;
    }
    m_buffer.append('"');
}

void CsvWriter::addTextField(QStringView text) {
    if (!CsvFormulaGuard::needsGuard(text)) {
        addField(text);
        return;
    }
    addField(QString(CsvFormulaGuard::mark).append(text));
}

void CsvWriter::writeByteOrderMark() {
    m_buffer.append("\xEF\xBB\xBF", 3);
}

void CsvWriter::addPlainField(QLatin1StringView text) {
    separate();
    m_onlyFieldEmpty = m_fieldsInRow == 1 && text.isEmpty();
    m_buffer.append(text.data(), text.size());
}

void CsvWriter::endRow() {
    // A row of one empty field would be a blank line, which readers skip.
    if (m_fieldsInRow == 1 && m_onlyFieldEmpty) {
        m_buffer.append("\"\"", 2);
    }
    m_buffer.append("\r\n", 2);
    m_fieldsInRow = 0;
    flushIfFull();
}

void CsvWriter::writeRow(std::initializer_list<QStringView> fields) {
    for (const QStringView field : fields) {
        addField(field);
    }
    endRow();
}

void CsvWriter::flushIfFull() {
    if (m_buffer.size() >= flushSize) {
        flush();
    }
}

bool CsvWriter::flush() {
    if (m_failed) {
        m_buffer.clear();
        return false;
    }
    if (!m_buffer.isEmpty()) {
        const qint64 written = m_device->write(m_buffer);
        if (written != m_buffer.size()) {
            m_failed = true;
            m_error = m_device->errorString();
            if (m_error.isEmpty()) {
                m_error = tr("Not every byte could be written.");
            }
        }
        m_buffer.clear();
    }
    return !m_failed;
}
