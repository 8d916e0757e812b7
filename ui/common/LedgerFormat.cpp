#include "LedgerFormat.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {
constexpr double largestExactWhole = 9007199254740992.0; // 2^53

// How many decimals the locale writes in a money value: 2 for dollars, 0 for yen.
int currencyDecimals(const QLocale& locale) {
    const QString sample = locale.toCurrencyString(1.0, QStringLiteral("X"));
    const qsizetype point = sample.indexOf(locale.decimalPoint());
    if (point < 0) {
        return sample.isEmpty() ? 2 : 0;
    }
    int digits = 0;
    for (qsizetype i = point + locale.decimalPoint().size(); i < sample.size() && sample.at(i).isDigit(); ++i) {
        ++digits;
    }
    return digits;
}

bool isSpace(QChar c) {
    return c.isSpace() || c == QChar(0x00A0) || c == QChar(0x202F) || c == QChar(0x2009);
}

QString superscript(int number) {
    static const char16_t digits[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    const QString plain = QString::number(number);
    QString text;
    for (const QChar c : plain) {
        text += c == u'-' ? QChar(u'⁻') : QChar(digits[c.unicode() - u'0']);
    }
    return text;
}
} // namespace

LedgerFormat::LedgerFormat(const QLocale& locale)
    : m_locale(locale)
    , m_currencyDecimals(currencyDecimals(locale)) {
    m_dateFormat = m_locale.dateFormat(QLocale::ShortFormat);
    if (!m_dateFormat.contains(QStringLiteral("yyyy"))) {
        m_dateFormat.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    }
    // The locale's groups, read off a long number, for numbers longer than it formats itself.
    const QString separator = m_locale.groupSeparator();
    const QStringList groups =
        separator.isEmpty() ? QStringList() : m_locale.toString(1234567890123456LL).split(separator);
    if (groups.size() >= 3) {
        m_firstGroup = int(groups.last().size());
        m_otherGroups = int(groups.at(groups.size() - 2).size());
    } else {
        m_firstGroup = 0;
    }
}

QString LedgerFormat::formatDate(QDate date) const {
    return date.isValid() ? m_locale.toString(date, m_dateFormat) : QString();
}

QString LedgerFormat::localDigits(QStringView asciiDigits) const {
    const QString zero = m_locale.zeroDigit();
    if (zero == u"0" || zero.size() != 1) {
        return asciiDigits.toString();
    }
    QString result;
    result.reserve(asciiDigits.size());
    for (const QChar c : asciiDigits) {
        result.append(QChar(zero.at(0).unicode() + (c.unicode() - u'0')));
    }
    return result;
}

QString LedgerFormat::groupedDigits(QStringView asciiDigits) const {
    // Up to 18 digits the locale groups them its own way.
    if (asciiDigits.size() <= 18) {
        return m_locale.toString(asciiDigits.toLongLong());
    }
    if (m_firstGroup <= 0 || m_otherGroups <= 0) {
        return localDigits(asciiDigits);
    }
    QStringList groups;
    qsizetype end = asciiDigits.size();
    for (int size = m_firstGroup; end > 0; size = m_otherGroups) {
        const qsizetype start = qMax<qsizetype>(0, end - size);
        groups.prepend(localDigits(asciiDigits.mid(start, end - start)));
        end = start;
    }
    return groups.join(m_locale.groupSeparator());
}

int LedgerFormat::decimalsOf(const Amount& amount) {
    return amount.exponent() < 0 ? -amount.exponent() : 0;
}

int LedgerFormat::columnDecimals(int needed) const {
    if (needed <= 0) {
        return m_currencyDecimals;
    }
    // Cents stay cents even where the currency has none: -126.30, never -126.3 under -126.56.
    return qMax(qMax(m_currencyDecimals, 2), qMin(needed, maxColumnDecimals));
}

// `plain` is an amount in plain notation, "-1234.5".
QString LedgerFormat::formatDecimal(const QString& plain, bool grouped, int decimals) const {
    const bool negative = plain.startsWith(QLatin1Char('-'));
    const QStringView digits = QStringView(plain).mid(negative ? 1 : 0);
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    const QStringView whole = point < 0 ? digits : digits.left(point);
    QString fraction = point < 0 ? QString() : digits.mid(point + 1).toString();
    if (grouped) {
        const int wanted = decimals < 0 ? columnDecimals(int(fraction.size())) : decimals;
        if (fraction.size() < wanted) {
            fraction.append(QString(wanted - fraction.size(), QLatin1Char('0')));
        }
    }

    QString text = grouped ? groupedDigits(whole) : localDigits(whole);
    if (!fraction.isEmpty()) {
        text += m_locale.decimalPoint() + localDigits(fraction);
    }
    return negative ? m_locale.negativeSign() + text : text;
}

QString LedgerFormat::formatAmount(const std::optional<Amount>& amount, int decimals) const {
    return amount ? formatDecimal(amount->toString(), true, decimals) : QString();
}

QString LedgerFormat::formatAmountShort(const Amount& amount) const {
    const QString plain = amount.toString();
    const bool negative = plain.startsWith(QLatin1Char('-'));
    const QString digits = plain.mid(negative ? 1 : 0);
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? digits : digits.left(point);
    QString significant = whole + (point < 0 ? QString() : digits.mid(point + 1));
    qsizetype leadingZeros = 0;
    while (leadingZeros < significant.size() && significant.at(leadingZeros) == u'0') {
        ++leadingZeros;
    }
    significant = significant.mid(leadingZeros);
    if (significant.isEmpty()) {
        return formatAmount(amount, 0);
    }
    // Three figures, cut rather than rounded, so the size shown is never more than the amount.
    const int exponent = int(whole.size() - 1 - leadingZeros);
    QString mantissa = localDigits(significant.left(1));
    QString rest = significant.mid(1, 2);
    while (rest.endsWith(QLatin1Char('0'))) {
        rest.chop(1);
    }
    if (!rest.isEmpty()) {
        mantissa += m_locale.decimalPoint() + localDigits(rest);
    }
    const QString text = mantissa + QStringLiteral("×10") + superscript(exponent);
    return negative ? m_locale.negativeSign() + text : text;
}

QString LedgerFormat::amountForEditing(const std::optional<Amount>& amount) const {
    return amount ? formatDecimal(amount->toString(), false, -1) : QString();
}

std::optional<Amount> LedgerFormat::parseAmount(const QString& text, QString* error) const {
    const QString typed = text.trimmed();
    const auto refuse = [&](const QString& detail = QString()) -> std::optional<Amount> {
        if (error) {
            *error = tr("“%1” is not an amount. Type a number such as %2 for money coming in or %3 for money "
                        "going out.")
                         .arg(typed, formatAmount(Amount::fromParts(123450, -2)), formatAmount(Amount::fromInt(-20)));
            if (!detail.isEmpty()) {
                *error += QLatin1Char(' ') + detail;
            }
        }
        return std::nullopt;
    };

    const QString zero = m_locale.zeroDigit();
    const QString point = m_locale.decimalPoint();
    QString group = m_locale.groupSeparator();
    // Where the locale groups with a space, any kind of space will do.
    const bool spaceGroups = group.size() == 1 && isSpace(group.at(0));

    QString plain;
    QStringList groups{QString()};
    bool seenPoint = false;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QStringView rest = QStringView(typed).mid(i);
        const QChar c = typed.at(i);
        const bool signAllowed = plain.isEmpty();
        if (signAllowed && (rest.startsWith(m_locale.negativeSign()) || c == QChar(0x2212) || c == u'-')) {
            plain += QLatin1Char('-');
            i += (rest.startsWith(m_locale.negativeSign()) ? m_locale.negativeSign().size() : 1) - 1;
        } else if (signAllowed && (rest.startsWith(m_locale.positiveSign()) || c == u'+')) {
            i += (rest.startsWith(m_locale.positiveSign()) ? m_locale.positiveSign().size() : 1) - 1;
        } else if (isSpace(c) && (plain.isEmpty() || plain == u"-")) {
            continue; // "- 20"
        } else if (!point.isEmpty() && rest.startsWith(point) && !seenPoint) {
            seenPoint = true;
            plain += QLatin1Char('.');
            i += point.size() - 1;
        } else if (!seenPoint && !groups.last().isEmpty() &&
                   ((spaceGroups && isSpace(c)) || (!group.isEmpty() && rest.startsWith(group)))) {
            groups.append(QString());
            i += (spaceGroups ? 1 : group.size()) - 1;
        } else if (c >= u'0' && c <= u'9') {
            plain += c;
            if (!seenPoint) {
                groups.last() += c;
            }
        } else if (zero.size() == 1 && c.unicode() >= zero.at(0).unicode() && c.unicode() <= zero.at(0).unicode() + 9) {
            const QChar digit(u'0' + (c.unicode() - zero.at(0).unicode()));
            plain += digit;
            if (!seenPoint) {
                groups.last() += digit;
            }
        } else {
            return refuse();
        }
    }

    // Group separators stand only between whole groups: "1,5" is no amount.
    for (qsizetype g = 1; g < groups.size(); ++g) {
        const qsizetype size = groups.at(g).size();
        if (g == groups.size() - 1 ? size != 3 : (size != 2 && size != 3)) {
            return refuse();
        }
    }
    if (!std::any_of(plain.cbegin(), plain.cend(), [](QChar c) { return c.isDigit(); })) {
        return refuse();
    }
    QString detail;
    std::optional<Amount> amount = Amount::fromString(plain, &detail);
    if (!amount) {
        return refuse(detail);
    }
    return amount;
}

QString LedgerFormat::formatWhole(double value) const {
    if (std::isnan(value)) {
        return QStringLiteral("—");
    }
    if (std::isinf(value)) {
        return value < 0 ? m_locale.negativeSign() + QStringLiteral("∞") : QStringLiteral("∞");
    }
    // Sums of decimal amounts carry binary noise: 0.70 + 0.10 + 0.20 adds up to
    // 0.99999999999999989, which is 1 and must not be cut to 0.
    const double nearest = std::round(value);
    const bool noise = std::fabs(value - nearest) <= 1e-9 * std::max(1.0, std::fabs(value));
    const double whole = noise ? nearest : std::trunc(value);
    // The digits that tell this double from its neighbours, then zeros: the rest would be noise.
    const QString digits = QString::number(std::fabs(whole), 'f', QLocale::FloatingPointShortest);
    const QString text = groupedDigits(digits);
    return whole < 0 ? m_locale.negativeSign() + text : text;
}

bool LedgerFormat::isExactWhole(double value) {
    return std::isfinite(value) && std::fabs(value) <= largestExactWhole;
}
