#include "CsvDateReader.h"

#include <QDateTime>
#include <QLocale>

#include <algorithm>

namespace {

qsizetype runLength(const QString& text, qsizetype from) {
    qsizetype n = 1;
    while (from + n < text.size() && text[from + n] == text[from]) {
        ++n;
    }
    return n;
}

// Up to `most` digits from `at`: their value, or -1 when there are fewer than `least`.
int digitsAt(QStringView text, qsizetype* at, int least, int most) {
    int value = 0;
    int digits = 0;
    while (digits < most && *at < text.size() && text[*at].isDigit()) {
        value = value * 10 + text[*at].digitValue();
        ++digits;
        ++*at;
    }
    return digits < least ? -1 : value;
}

// "AM" or "PM" in any case at `at`: 0 for AM, 1 for PM, -1 for neither.
int amPmAt(QStringView text, qsizetype* at) {
    if (*at + 2 > text.size()) {
        return -1;
    }
    const QString word = text.sliced(*at, 2).toString().toCaseFolded();
    if (word != u"am" && word != u"pm") {
        return -1;
    }
    *at += 2;
    return word == u"pm" ? 1 : 0;
}

// A time zone at `at`: "Z", "UTC", "GMT", an offset such as "+01:00", "-0500"
// or "+09", or an abbreviation such as "CET". False when there is none.
bool zoneAt(QStringView text, qsizetype* at) {
    qsizetype i = *at;
    qsizetype letters = 0;
    while (i + letters < text.size() && text[i + letters] >= u'A' && text[i + letters] <= u'Z') {
        ++letters;
    }
    if (letters == 1 && text[i] != u'Z') {
        return false;
    }
    if (letters > 5) {
        return false;
    }
    i += letters;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-' || text[i] == QChar(0x2212))) {
        ++i;
        const int hours = digitsAt(text, &i, 1, 2);
        if (hours < 0 || hours > 14) {
            return false;
        }
        if (i < text.size() && text[i] == u':') {
            ++i;
        }
        qsizetype minutesAt = i;
        const int minutes = digitsAt(text, &minutesAt, 2, 2);
        if (minutes > 59) {
            return false;
        }
        i = minutes < 0 ? i : minutesAt;
    } else if (letters == 0) {
        return false;
    }
    *at = i;
    return true;
}

// Whether `rest`, what follows the day, is a time of day and nothing else:
// "T08:15", " 08:15:02", " 8:15 PM", "T08:15:02.123+01:00", " 08:15 CET".
bool isTimeOfDay(QStringView rest) {
    qsizetype at = 0;
    if (rest.startsWith(u'T')) {
        ++at;
    } else {
        while (at < rest.size() && rest[at].isSpace()) {
            ++at;
        }
        if (at == 0) {
            return false;
        }
    }
    const int hour = digitsAt(rest, &at, 1, 2);
    if (hour < 0 || at >= rest.size() || rest[at] != u':') {
        return false;
    }
    ++at;
    const int minute = digitsAt(rest, &at, 2, 2);
    if (minute < 0 || minute > 59) {
        return false;
    }
    if (at < rest.size() && rest[at] == u':') {
        ++at;
        const int second = digitsAt(rest, &at, 2, 2);
        if (second < 0 || second > 60) {
            return false;
        }
        if (at < rest.size() && (rest[at] == u'.' || rest[at] == u',')) {
            ++at;
            if (digitsAt(rest, &at, 1, 9) < 0) {
                return false;
            }
        }
    }
    qsizetype afterSpace = at;
    while (afterSpace < rest.size() && rest[afterSpace] == u' ') {
        ++afterSpace;
    }
    const int pm = amPmAt(rest, &afterSpace);
    if (pm >= 0) {
        if (hour < 1 || hour > 12) {
            return false;
        }
        at = afterSpace;
    } else if (hour > 23) {
        return false;
    }
    afterSpace = at;
    while (afterSpace < rest.size() && rest[afterSpace] == u' ') {
        ++afterSpace;
    }
    if (afterSpace < rest.size() && zoneAt(rest, &afterSpace)) {
        at = afterSpace;
    }
    return at == rest.size();
}

} // namespace

CsvDateReader::CsvDateReader(const QString& format)
    : m_format(format) {
    m_compiled = compile();
}

void CsvDateReader::addToken(Part part, bool twoDigits) {
    m_tokens.push_back({part, twoDigits, {}});
    m_hasTime = m_hasTime || part == Part::Hour24 || part == Part::Hour12;
}

void CsvDateReader::addLiteral(QStringView text) {
    if (m_tokens.empty() || m_tokens.back().part != Part::Literal) {
        m_tokens.push_back({Part::Literal, false, {}});
    }
    m_tokens.back().literal += text;
}

bool CsvDateReader::compile() {
    for (qsizetype i = 0; i < m_format.size();) {
        const QChar c = m_format[i];
        qsizetype n = runLength(m_format, i);
        if (c == u'\'') {
            // Quoted text, with '' for a quote.
            const qsizetype close = m_format.indexOf(u'\'', i + 1);
            if (close < 0) {
                return false;
            }
            addLiteral(close == i + 1 ? QStringView(u"'") : QStringView(m_format).sliced(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        if (c == u'y' && (n == 4 || n == 2)) {
            addToken(n == 4 ? Part::Year4 : Part::Year2, true);
        } else if (c == u'M' && n <= 4) {
            addToken(n <= 2 ? Part::Month : Part::MonthName, n == 2);
        } else if ((c == u'd' || c == u'H' || c == u'h' || c == u'm' || c == u's') && n <= 2) {
            const Part part = c == u'd'   ? Part::Day
                              : c == u'H' ? Part::Hour24
                              : c == u'h' ? Part::Hour12
                              : c == u'm' ? Part::Minute
                                          : Part::Second;
            addToken(part, n == 2);
        } else if (c == u'z' && (n == 1 || n == 3)) {
            addToken(Part::Fraction, false);
        } else if ((c == u'A' || c == u'a') && n == 1) {
            // "AP" and "ap" as one, as QDateTime writes them.
            n = i + 1 < m_format.size() && (m_format[i + 1] == u'P' || m_format[i + 1] == u'p') ? 2 : 1;
            addToken(Part::AmPm, false);
        } else if (c == u't' && n <= 4) {
            addToken(Part::Zone, false);
        } else if (c.isLetter()) {
            // Names of days and the like: QDateTime reads those.
            return false;
        } else {
            addLiteral(QStringView(m_format).sliced(i, n));
        }
        i += n;
    }
    if (std::any_of(m_tokens.begin(), m_tokens.end(), [](const Token& t) { return t.part == Part::MonthName; })) {
        for (const QLocale& locale : {QLocale::c(), QLocale()}) {
            for (int month = 1; month <= 12; ++month) {
                for (const QString& name :
                     {locale.monthName(month, QLocale::LongFormat), locale.monthName(month, QLocale::ShortFormat),
                      locale.standaloneMonthName(month, QLocale::LongFormat),
                      locale.standaloneMonthName(month, QLocale::ShortFormat)}) {
                    const QString folded = name.toCaseFolded();
                    m_monthNames.emplace_back(folded, month);
                    if (folded.endsWith(u'.')) {
                        m_monthNames.emplace_back(folded.chopped(1), month);
                    }
                }
            }
        }
        m_monthNames.emplace_back(QStringLiteral("sept"), 9);
        std::sort(m_monthNames.begin(), m_monthNames.end(),
                  [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    }
    return true;
}

qsizetype CsvDateReader::monthNameAt(QStringView text, int* month) const {
    for (const auto& [name, number] : m_monthNames) {
        if (!name.isEmpty() && text.size() >= name.size() &&
            text.first(name.size()).compare(name, Qt::CaseInsensitive) == 0 &&
            (text.size() == name.size() || !text[name.size()].isLetter())) {
            *month = number;
            return name.size();
        }
    }
    return 0;
}

bool CsvDateReader::readToken(std::size_t t, QStringView text, qsizetype* at, Moment* moment) const {
    const Token& token = m_tokens[t];
    switch (token.part) {
    case Part::Literal:
        if (!text.sliced(*at).startsWith(token.literal)) {
            return false;
        }
        *at += token.literal.size();
        return true;
    case Part::MonthName: {
        const qsizetype length = monthNameAt(text.sliced(*at), &moment->month);
        *at += length;
        return length > 0;
    }
    case Part::AmPm: {
        return amPmAt(text, at) >= 0;
    }
    case Part::Zone:
        return zoneAt(text, at);
    case Part::Fraction:
        return digitsAt(text, at, 1, 9) >= 0;
    default:
        break;
    }
    const int width = token.part == Part::Year4 ? 4 : 2;
    // One digit is enough for M and d when no digit follows: "1/2/2026", not "1/22026".
    const bool followedByDigits = t + 1 < m_tokens.size() && m_tokens[t + 1].part != Part::Literal &&
                                  m_tokens[t + 1].part != Part::MonthName && m_tokens[t + 1].part != Part::AmPm &&
                                  m_tokens[t + 1].part != Part::Zone;
    const int value = digitsAt(text, at, token.twoDigits || followedByDigits ? width : 1, width);
    if (value < 0) {
        return false;
    }
    switch (token.part) {
    case Part::Year4:
        moment->year = value;
        return value > 0;
    case Part::Year2:
        // Statements are about this century.
        moment->year = 2000 + value;
        return true;
    case Part::Month:
        moment->month = value;
        return true;
    case Part::Day:
        moment->day = value;
        return true;
    case Part::Hour24:
        return value <= 23;
    case Part::Hour12:
        return value >= 1 && value <= 12;
    case Part::Minute:
        return value <= 59;
    case Part::Second:
        return value <= 60;
    default:
        return false;
    }
}

QDate CsvDateReader::readCompiled(QStringView text) const {
    Moment moment;
    qsizetype at = 0;
    for (std::size_t t = 0; t < m_tokens.size(); ++t) {
        if (!readToken(t, text, &at, &moment)) {
            return {};
        }
    }
    if (at != text.size() && (m_hasTime || !isTimeOfDay(text.sliced(at)))) {
        return {};
    }
    if (moment.year == 0) {
        return {};
    }
    return QDate(moment.year, moment.month, moment.day);
}

QDate CsvDateReader::read(QStringView input, QString* error) const {
    const QStringView text = input.trimmed();
    QDate date;
    if (m_compiled) {
        date = readCompiled(text);
    } else {
        date = QDateTime::fromString(text.toString(), m_format).date();
        if (!date.isValid()) {
            date = QDate::fromString(text.toString(), m_format);
        }
    }
    if (!date.isValid() && error) {
        *error = text.isEmpty() ? tr("The date is missing.")
                                : tr("“%1” is not a day in the form %2.").arg(text.toString(), m_format);
    }
    return date;
}

QStringList CsvDateReader::commonFormats() {
    return {QStringLiteral("yyyy-MM-dd"), QStringLiteral("yyyy/M/d"),   QStringLiteral("d/M/yyyy"),
            QStringLiteral("M/d/yyyy"),   QStringLiteral("d.M.yyyy"),   QStringLiteral("d-M-yyyy"),
            QStringLiteral("M-d-yyyy"),   QStringLiteral("d/M/yy"),     QStringLiteral("M/d/yy"),
            QStringLiteral("d.M.yy"),     QStringLiteral("yyyyMMdd"),   QStringLiteral("yyyy年M月d日"),
            QStringLiteral("yyyy.M.d"),   QStringLiteral("d MMM yyyy"), QStringLiteral("MMM d, yyyy"),
            QStringLiteral("d-MMM-yyyy")};
}
