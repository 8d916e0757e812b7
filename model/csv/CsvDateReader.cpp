#include "CsvDateReader.h"

namespace {

qsizetype runLength(const QString& text, qsizetype from) {
    qsizetype n = 1;
    while (from + n < text.size() && text[from + n] == text[from]) {
        ++n;
    }
    return n;
}

} // namespace

CsvDateReader::CsvDateReader(const QString& format)
    : m_format(format) {
    m_numeric = compile();
}

bool CsvDateReader::compile() {
    for (qsizetype i = 0; i < m_format.size();) {
        const QChar c = m_format[i];
        const qsizetype n = runLength(m_format, i);
        if (c == u'y' && (n == 4 || n == 2)) {
            m_tokens.push_back({n == 4 ? Part::Year4 : Part::Year2, true, {}});
        } else if ((c == u'M' || c == u'd') && n <= 2) {
            m_tokens.push_back({c == u'M' ? Part::Month : Part::Day, n == 2, {}});
        } else if (c.isLetter() || c == u'\'') {
            // Names of months or days, quoted text: QDate reads those.
            return false;
        } else {
            if (m_tokens.empty() || m_tokens.back().part != Part::Literal) {
                m_tokens.push_back({Part::Literal, false, {}});
            }
            m_tokens.back().literal += m_format.mid(i, n);
        }
        i += n;
    }
    return true;
}

QDate CsvDateReader::readNumeric(QStringView text) const {
    int year = 0;
    int month = 0;
    int day = 0;
    qsizetype at = 0;
    for (std::size_t t = 0; t < m_tokens.size(); ++t) {
        const Token& token = m_tokens[t];
        if (token.part == Part::Literal) {
            if (!text.sliced(at).startsWith(token.literal)) {
                return {};
            }
            at += token.literal.size();
            continue;
        }
        const int width = token.part == Part::Year4 ? 4 : 2;
        // One digit is enough for M and d when no digit follows: "1/2/2026", not "1/22026".
        int value = 0;
        int digits = 0;
        while (digits < width && at < text.size() && text[at].isDigit()) {
            value = value * 10 + text[at].digitValue();
            ++digits;
            ++at;
        }
        const bool followedByDigits = t + 1 < m_tokens.size() && m_tokens[t + 1].part != Part::Literal;
        if (digits == 0 || (digits < width && (token.twoDigits || followedByDigits))) {
            return {};
        }
        switch (token.part) {
        case Part::Year4:
            year = value;
            break;
        case Part::Year2:
            // Statements are about this century.
            year = 2000 + value;
            break;
        case Part::Month:
            month = value;
            break;
        case Part::Day:
            day = value;
            break;
        case Part::Literal:
            break;
        }
    }
    if (at != text.size() || year == 0) {
        return {};
    }
    return QDate(year, month, day);
}

QDate CsvDateReader::read(QStringView input, QString* error) const {
    const QStringView text = input.trimmed();
    const QDate date = m_numeric ? readNumeric(text) : QDate::fromString(text.toString(), m_format);
    if (!date.isValid() && error) {
        *error = text.isEmpty() ? tr("The date is missing.")
                                : tr("“%1” is not a day in the form %2.").arg(text.toString(), m_format);
    }
    return date;
}
