#include "DayReader.h"

#include "Clock.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

using Field = DayReader::Field;

// Longer runs of digits are no part of a day, and would overflow.
constexpr int maxDigits = 8;

std::size_t slot(Field field) {
    return std::size_t(field);
}

bool isWordChar(char32_t c) {
    return QChar::isLetter(c) || QChar::isMark(c);
}

bool isSeparator(char32_t c) {
    if (QChar::isSpace(c)) {
        return true;
    }
    switch (QChar::category(c)) {
    case QChar::Punctuation_Connector:
    case QChar::Punctuation_Dash:
    case QChar::Punctuation_Open:
    case QChar::Punctuation_Close:
    case QChar::Punctuation_InitialQuote:
    case QChar::Punctuation_FinalQuote:
    case QChar::Punctuation_Other:
    // Direction marks, as Arabic dates carry between their numbers.
    case QChar::Other_Format:
        return true;
    default:
        return false;
    }
}

// A name as it is compared: case-folded words, one space between them, no dots
// or dashes: "Nov." is "nov", "تشرين الثاني" stays two words. Empty for a name
// with digits ("M11", "11月"), which is read as a number.
QString phrase(const QString& name) {
    QStringList words{QString()};
    for (const char32_t c : name.toCaseFolded().toUcs4()) {
        if (QChar::isDigit(c)) {
            return QString();
        }
        if (isWordChar(c)) {
            words.last() += QChar::fromUcs4(c);
        } else if (!words.last().isEmpty()) {
            words.append(QString());
        }
    }
    if (words.last().isEmpty()) {
        words.removeLast();
    }
    return words.join(QLatin1Char(' '));
}

// 年, 月 and 日 (and the Korean marks) name the number before them.
std::optional<Field> markedField(QStringView word) {
    if (word == u"年" || word == u"년") {
        return Field::Year;
    }
    if (word == u"月" || word == u"월") {
        return Field::Month;
    }
    if (word == u"日" || word == u"일") {
        return Field::Day;
    }
    return std::nullopt;
}

bool isMark(QStringView word) {
    return markedField(word).has_value();
}

bool isOrdinalSuffix(const QString& folded) {
    return folded == u"st" || folded == u"nd" || folded == u"rd" || folded == u"th";
}

struct Token {
    bool isNumber = false;
    // Written right after the token before it, with no separator between.
    bool joined = false;
    QString word;
    int value = 0;
    int digits = 0;
};

// Numbers and words; separators only split them. Other characters make no day.
bool tokenize(const QString& text, std::vector<Token>* tokens) {
    bool joined = false;
    // By code point: some scripts' digits lie beyond the first plane.
    for (const char32_t c : text.toUcs4()) {
        const int digit = QChar::digitValue(c);
        if (QChar::isDigit(c) && digit >= 0) {
            if (joined && tokens->back().isNumber) {
                Token& number = tokens->back();
                if (++number.digits > maxDigits) {
                    return false;
                }
                number.value = number.value * 10 + digit;
            } else {
                tokens->push_back({true, joined, {}, digit, 1});
            }
            joined = true;
        } else if (isWordChar(c)) {
            const bool afterNumber = joined && tokens->back().isNumber;
            // "20日金曜日": the mark of a number stands alone, whatever is written after it.
            const bool afterMark = joined && !afterNumber && tokens->size() > 1 &&
                                   (*tokens)[tokens->size() - 2].isNumber && isMark(tokens->back().word);
            if (!joined || afterNumber || afterMark) {
                tokens->push_back({false, joined, QString(), 0, 0});
            }
            tokens->back().word += QChar::fromUcs4(c);
            joined = true;
        } else if (isSeparator(c)) {
            joined = false;
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

DayReader::DayReader(const QLocale& locale)
    : m_locale(locale) {
    m_dateFormat = m_locale.dateFormat(QLocale::ShortFormat);
    if (!m_dateFormat.contains(QStringLiteral("yyyy"))) {
        m_dateFormat.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    }
    learnOrder();
    learnWords();
}

void DayReader::learnOrder() {
    const QString format = m_locale.dateFormat(QLocale::ShortFormat);
    std::vector<Field> seen;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        qsizetype run = 1;
        while (i + run < format.size() && format.at(i + run) == c) {
            ++run;
        }
        if (c == u'\'') {
            quoted = !quoted;
            run = 1;
        } else if (!quoted) {
            std::optional<Field> field;
            if (c == u'd' && run <= 2) {
                field = Field::Day;
            } else if (c == u'M' || c == u'L') {
                field = Field::Month;
            } else if (c == u'y') {
                field = Field::Year;
            }
            if (field && std::find(seen.begin(), seen.end(), *field) == seen.end()) {
                seen.push_back(*field);
            }
        }
        i += run;
    }
    if (seen.size() == 3) {
        std::copy(seen.begin(), seen.end(), m_order.begin());
    }
}

void DayReader::learnWords() {
    const QLocale english = QLocale::c();
    for (int month = 1; month <= 12; ++month) {
        for (const QLocale::FormatType type : {QLocale::LongFormat, QLocale::ShortFormat}) {
            const bool isLong = type == QLocale::LongFormat;
            addMonthName(m_locale.monthName(month, type), month, true, isLong);
            addMonthName(m_locale.standaloneMonthName(month, type), month, true, isLong);
            addMonthName(english.monthName(month, type), month, false, isLong);
        }
    }
    // A weekday says nothing the numbers do not: "Friday, November 20, 2026".
    for (int weekday = 1; weekday <= 7; ++weekday) {
        for (const QLocale::FormatType type : {QLocale::LongFormat, QLocale::ShortFormat}) {
            for (const QLocale& locale : {m_locale, english}) {
                m_literalWords.append(phrase(locale.dayName(weekday, type)));
                m_literalWords.append(phrase(locale.standaloneDayName(weekday, type)));
            }
        }
    }
    // What the locale's own formats write beside the fields: "d 'de' MMMM 'de' yyyy", "yyyy թ. MMMM d".
    for (const QLocale::FormatType type : {QLocale::ShortFormat, QLocale::LongFormat}) {
        const QStringList pieces = m_locale.dateFormat(type).split(QLatin1Char('\''));
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            QString literal = pieces.at(i);
            if (i % 2 == 0) {
                // Outside quotes, every letter but the fields' own is written as it stands.
                literal.replace(QRegularExpression(QStringLiteral("[dMy]")), QStringLiteral(" "));
            }
            m_literalWords.append(phrase(literal).split(QLatin1Char(' '), Qt::SkipEmptyParts));
        }
    }
    m_literalWords.removeAll(QString());
    m_literalWords.removeDuplicates();
    for (const QString& words : std::as_const(m_literalWords)) {
        m_longestPhrase = std::max(m_longestPhrase, int(words.count(QLatin1Char(' '))) + 1);
    }
    for (const MonthName& name : m_monthNames) {
        m_longestPhrase = std::max(m_longestPhrase, int(name.folded.count(QLatin1Char(' '))) + 1);
    }
}

void DayReader::addMonthName(const QString& name, int month, bool ownLanguage, bool isLong) {
    const QString words = phrase(name);
    if (!words.isEmpty()) {
        m_monthNames.push_back({words, month, ownLanguage, isLong});
    }
}

std::optional<int> DayReader::exactMonth(const QString& words) const {
    // The locale's own names come first, then the English ones.
    for (const bool own : {true, false}) {
        for (const MonthName& name : m_monthNames) {
            if (name.ownLanguage == own && name.folded == words) {
                return name.month;
            }
        }
    }
    return std::nullopt;
}

std::optional<int> DayReader::monthOfWord(const QString& word) const {
    if (const std::optional<int> month = exactMonth(word)) {
        return month;
    }
    if (word.size() < 3) {
        return std::nullopt;
    }
    // A beginning of a month's full name, "Sept" or "Dezem", when no other month's name begins so.
    for (const bool own : {true, false}) {
        std::optional<int> found;
        for (const MonthName& name : m_monthNames) {
            if (name.ownLanguage != own || !name.isLong || !name.folded.startsWith(word)) {
                continue;
            }
            if (found && *found != name.month) {
                return std::nullopt;
            }
            found = name.month;
        }
        if (found) {
            return found;
        }
    }
    return std::nullopt;
}

std::optional<QDate> DayReader::namedDay(const QString& word, QDate today) const {
    const QStringList todays{QStringLiteral("today"), tr("today").toCaseFolded(), QStringLiteral("今日"),
                             QStringLiteral("本日"), QStringLiteral("きょう")};
    const QStringList yesterdays{QStringLiteral("yesterday"), tr("yesterday").toCaseFolded(), QStringLiteral("昨日"),
                                 QStringLiteral("きのう")};
    if (todays.contains(word)) {
        return today;
    }
    if (yesterdays.contains(word)) {
        return today.addDays(-1);
    }
    return std::nullopt;
}

bool DayReader::split(const QString& text, Parts* parts) const {
    std::vector<Token> tokens;
    if (!tokenize(text, &tokens)) {
        return false;
    }
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        if (token.isNumber) {
            parts->numbers.push_back({token.value, token.digits, std::nullopt});
            continue;
        }
        // Names of several words first, the longest that fits: "تشرين الثاني", "e premte".
        std::size_t words = 0;
        std::optional<int> wordsMonth;
        QString joined = phrase(token.word);
        for (std::size_t n = 2; n <= std::size_t(m_longestPhrase) && i + n <= tokens.size(); ++n) {
            if (tokens[i + n - 1].isNumber) {
                break;
            }
            joined += QLatin1Char(' ') + phrase(tokens[i + n - 1].word);
            const std::optional<int> month = exactMonth(joined);
            if (month || m_literalWords.contains(joined)) {
                words = n;
                wordsMonth = month;
            }
        }
        if (words > 0) {
            if (wordsMonth) {
                if (parts->monthByName) {
                    return false;
                }
                parts->monthByName = wordsMonth;
            }
            i += words - 1;
            continue;
        }
        const bool afterNumber = i > 0 && tokens[i - 1].isNumber;
        const QString word = phrase(token.word);
        if (const std::optional<Field> mark = markedField(token.word)) {
            if (!afterNumber || parts->numbers.back().field) {
                return false;
            }
            parts->numbers.back().field = mark;
        } else if (afterNumber && token.joined && isOrdinalSuffix(word)) {
            continue; // "20th"
        } else if (m_literalWords.contains(word)) {
            continue;
        } else if (const std::optional<int> month = monthOfWord(word); month && !parts->monthByName) {
            parts->monthByName = month;
        } else {
            return false;
        }
    }
    return true;
}

bool DayReader::placeNumbers(Parts* parts) const {
    std::vector<Number>& numbers = parts->numbers;
    if (numbers.empty() || numbers.size() > 3) {
        return false;
    }
    std::array<bool, 3> taken{};
    taken[slot(Field::Month)] = parts->monthByName.has_value();
    for (const Number& number : numbers) {
        if (number.field) {
            if (taken[slot(*number.field)]) {
                return false;
            }
            taken[slot(*number.field)] = true;
        }
    }
    // Days and months have at most two digits: a longer number is the year, wherever it stands.
    for (Number& number : numbers) {
        if (!number.field && number.digits > 2) {
            if (taken[slot(Field::Year)]) {
                return false;
            }
            number.field = Field::Year;
            taken[slot(Field::Year)] = true;
        }
    }
    const auto unplaced =
        std::size_t(std::count_if(numbers.begin(), numbers.end(), [](const Number& n) { return !n.field; }));
    // The year is left out first, then the month; never the day.
    std::vector<Field> wanted;
    for (const Field field : {Field::Day, Field::Month, Field::Year}) {
        if (!taken[slot(field)] && wanted.size() < unplaced) {
            wanted.push_back(field);
        }
    }
    if (wanted.size() < unplaced) {
        return false;
    }
    // A year written first is followed by the month and the day, in every locale: "2026-11-20".
    const bool yearFirst = numbers.front().field == Field::Year && numbers.front().digits > 2;
    const std::array<Field, 3> order = yearFirst ? std::array{Field::Year, Field::Month, Field::Day} : m_order;
    auto next = numbers.begin();
    for (const Field field : order) {
        if (std::find(wanted.begin(), wanted.end(), field) == wanted.end()) {
            continue;
        }
        next = std::find_if(next, numbers.end(), [](const Number& n) { return !n.field; });
        next->field = field;
    }
    return true;
}

QDate DayReader::compactDay(const Number& number, QDate today) const {
    const QString digits = QString::number(number.value).rightJustified(number.digits, QLatin1Char('0'));
    const auto readAs = [&](const std::array<Field, 3>& order) {
        Parts parts;
        qsizetype at = 0;
        for (const Field field : order) {
            if (field == Field::Year && number.digits == 4) {
                continue; // "1120": month and day only
            }
            const int width = field == Field::Year && number.digits == 8 ? 4 : 2;
            parts.numbers.push_back({digits.mid(at, width).toInt(), width, field});
            at += width;
        }
        return dayOf(parts, today);
    };
    const QDate day = readAs(m_order);
    if (day.isValid() || number.digits == 4) {
        return day;
    }
    // "20261120" is read year first in every locale, when the locale's order makes no day of it.
    return readAs({Field::Year, Field::Month, Field::Day});
}

QDate DayReader::nearest(const std::vector<QDate>& candidates, QDate today) {
    QDate best;
    qint64 bestDistance = 0;
    // Candidates come earliest first, so a tie goes to the earlier day.
    for (const QDate& candidate : candidates) {
        if (!candidate.isValid()) {
            continue;
        }
        const qint64 distance = qAbs(today.daysTo(candidate));
        if (!best.isValid() || distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best;
}

QDate DayReader::dayOf(const Parts& parts, QDate today) const {
    std::optional<int> day;
    std::optional<int> month = parts.monthByName;
    std::optional<int> year;
    int yearDigits = 0;
    for (const Number& number : parts.numbers) {
        switch (*number.field) {
        case Field::Day:
            if (number.digits > 2) {
                return {};
            }
            day = number.value;
            break;
        case Field::Month:
            if (number.digits > 2) {
                return {};
            }
            month = number.value;
            break;
        case Field::Year:
            // Two digits or four, and four of them a year people write so: not "0026".
            if ((number.digits != 2 && number.digits != 4) || (number.digits == 4 && number.value < 1000)) {
                return {};
            }
            year = number.value;
            yearDigits = number.digits;
            break;
        }
    }
    if (!day || (year && !month)) {
        return {};
    }
    if (year && yearDigits == 4) {
        return QDate(*year, *month, *day);
    }
    std::vector<QDate> candidates;
    if (year) {
        const int century = today.year() - today.year() % 100;
        for (const int hundreds : {century - 100, century, century + 100}) {
            candidates.emplace_back(hundreds + *year, *month, *day);
        }
    } else if (month) {
        for (const int near : {today.year() - 1, today.year(), today.year() + 1}) {
            candidates.emplace_back(near, *month, *day);
        }
    } else {
        for (const int step : {-1, 0, 1}) {
            const QDate first = QDate(today.year(), today.month(), 1).addMonths(step);
            candidates.emplace_back(first.year(), first.month(), *day);
        }
    }
    return nearest(candidates, today);
}

QDate DayReader::read(QStringView text, QString* error) const {
    return read(text, Clock::today(), error);
}

QDate DayReader::read(QStringView text, QDate today, QString* error) const {
    const QString typed = text.trimmed().toString();
    QDate day;
    if (const std::optional<QDate> named = namedDay(typed.toCaseFolded(), today)) {
        day = *named;
    } else if (Parts parts; !typed.isEmpty() && split(typed, &parts)) {
        const bool compact = parts.numbers.size() == 1 && !parts.monthByName && !parts.numbers.front().field;
        const int digits = parts.numbers.empty() ? 0 : parts.numbers.front().digits;
        if (compact && (digits == 4 || digits == 6 || digits == 8)) {
            day = compactDay(parts.numbers.front(), today);
        } else if (placeNumbers(&parts)) {
            day = dayOf(parts, today);
        }
    }
    if (!day.isValid() && error) {
        const QString example = m_locale.toString(today, m_dateFormat);
        *error = typed.isEmpty() ? tr("Type a day, such as %1.").arg(example)
                                 : tr("“%1” is not a day. Type one such as %2.").arg(typed, example);
    }
    return day;
}
