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

QString LedgerFormat::refusal(const QString& typed, const QString& why) const {
    const QString hint = tr("Type a number such as %1 for money coming in or %2 for money going out.")
                             .arg(formatAmount(Amount::fromParts(123450, -2)), formatAmount(Amount::fromInt(-20)));
    if (typed.isEmpty()) {
        return tr("No amount was typed.") + QLatin1Char(' ') + hint;
    }
    // A whole paragraph pasted by mistake need not fill the alert.
    constexpr qsizetype longest = 40;
    const QString shown = typed.size() > longest ? typed.left(longest - 1) + QStringLiteral("…") : typed;
    return tr("“%1” is not an amount: %2.").arg(shown, why) + QLatin1Char(' ') + hint;
}

qsizetype LedgerFormat::signAt(QStringView text, bool* negative) const {
    for (const QString& minus : {m_locale.negativeSign(), QStringLiteral("-"), QStringLiteral("\u2212")}) {
        if (!minus.isEmpty() && text.startsWith(minus)) {
            *negative = true;
            return minus.size();
        }
    }
    for (const QString& plus : {m_locale.positiveSign(), QStringLiteral("+")}) {
        if (!plus.isEmpty() && text.startsWith(plus)) {
            *negative = false;
            return plus.size();
        }
    }
    return 0;
}

QString LedgerFormat::flawOf(const QString& text, QString* plain) const {
    const QString point = m_locale.decimalPoint();
    const QString group = m_locale.groupSeparator();
    // Where the locale groups with a space, any kind of space will do.
    const bool spaceGroups = group.size() == 1 && isSpace(group.at(0));
    const auto groupingFlaw = [&] {
        const QString example = formatAmount(Amount::fromParts(12345675, -1));
        return spaceGroups ? tr("spaces only group the digits of thousands, as in %1").arg(example)
                           : tr("“%1” only groups the digits of thousands, as in %2").arg(group, example);
    };

    // Digits of each group before the decimal point.
    QList<int> groups{0};
    bool signSeen = false;
    bool digitSeen = false;
    bool pointSeen = false;
    for (qsizetype i = 0; i < text.size();) {
        const QStringView rest = QStringView(text).mid(i);
        const QChar c = text.at(i);
        bool negative = false;
        if (const qsizetype sign = signAt(rest, &negative)) {
            if (signSeen || digitSeen || pointSeen) {
                return tr("the sign goes before the first digit");
            }
            signSeen = true;
            if (negative) {
                plain->append(QLatin1Char('-'));
            }
            i += sign;
        } else if (c.isDigit()) {
            digitSeen = true;
            plain->append(QChar(u'0' + c.digitValue()));
            groups.last() += pointSeen ? 0 : 1;
            ++i;
        } else if (!point.isEmpty() && rest.startsWith(point)) {
            if (pointSeen) {
                return tr("it has more than one decimal point “%1”").arg(point);
            }
            pointSeen = true;
            plain->append(QLatin1Char('.'));
            i += point.size();
        } else if (isSpace(c) && !digitSeen && !pointSeen) {
            ++i; // "- 20"
        } else if (spaceGroups ? isSpace(c) : (!group.isEmpty() && rest.startsWith(group))) {
            if (pointSeen || groups.last() == 0) {
                return groupingFlaw();
            }
            groups.append(0);
            i += spaceGroups ? 1 : group.size();
        } else if (isSpace(c)) {
            return tr("spaces do not belong between its digits");
        } else if (c == u'.' || c == u',') {
            return tr("its decimals follow “%1”, as in %2").arg(point, formatAmount(Amount::fromParts(125, -1)));
        } else {
            return tr("“%1” is not a digit").arg(c);
        }
    }
    if (!digitSeen) {
        return tr("it has no digits");
    }
    // Separators stand only between whole groups: "1,5" and "1234,567" are no amounts. The
    // groups before the last may hold two digits, as in India.
    const qsizetype last = groups.size() - 1;
    for (qsizetype g = 0; g < groups.size() && last > 0; ++g) {
        const int size = groups.at(g);
        const bool fits = g == 0 ? size <= 3 : g == last ? size == 3 : size == 2 || size == 3;
        if (!fits) {
            return groupingFlaw();
        }
    }
    return QString();
}

std::optional<Amount> LedgerFormat::parseAmount(const QString& text, QString* error) const {
    const QString typed = text.trimmed();
    const auto refuse = [&](const QString& why) -> std::optional<Amount> {
        if (error) {
            *error = refusal(typed, why);
        }
        return std::nullopt;
    };
    if (typed.isEmpty()) {
        return refuse(QString());
    }
    // Input methods type full-width digits, signs and points; they mean the plain ones.
    QString plain;
    const QString flaw = flawOf(typed.normalized(QString::NormalizationForm_KC), &plain);
    if (!flaw.isEmpty()) {
        return refuse(flaw);
    }
    // Only what cannot be held is left to refuse.
    const std::optional<Amount> amount = Amount::fromString(plain);
    if (!amount) {
        return refuse(tr("it has more digits than an amount can hold"));
    }
    return amount;
}

std::optional<Amount> LedgerFormat::parseRecordAmount(const QString& text, QString* error) const {
    std::optional<Amount> amount = parseAmount(text, error);
    if (amount && amount->isZero()) {
        if (error) {
            *error = refusal(text.trimmed(), tr("0 is neither money coming in nor money going out"));
        }
        return std::nullopt;
    }
    return amount;
}

namespace {
// `plain` is a number in plain notation without sign, "1234.5678"; the result
// has exactly `decimals` decimals, the last one rounded half up.
QString roundedTo(const QString& plain, int decimals) {
    const qsizetype point = plain.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? plain : plain.left(point);
    QString fraction = point < 0 ? QString() : plain.mid(point + 1);
    QString digits = whole + fraction.left(decimals);
    if (fraction.size() > decimals && fraction.at(decimals) >= u'5') {
        qsizetype i = digits.size() - 1;
        for (; i >= 0 && digits.at(i) == u'9'; --i) {
            digits[i] = u'0';
        }
        if (i < 0) {
            digits.prepend(QLatin1Char('1'));
        } else {
            digits[i] = QChar(digits.at(i).unicode() + 1);
        }
    }
    digits.append(QString(qMax<qsizetype>(0, decimals - fraction.size()), QLatin1Char('0')));
    return decimals > 0 ? digits.left(digits.size() - decimals) + QLatin1Char('.') + digits.right(decimals) : digits;
}
} // namespace

QString LedgerFormat::formatSum(double value, int decimals) const {
    if (std::isnan(value)) {
        return QStringLiteral("—");
    }
    if (std::isinf(value)) {
        return value < 0 ? m_locale.negativeSign() + QStringLiteral("∞") : QStringLiteral("∞");
    }
    decimals = qMax(0, decimals);
    // Only the digits that tell this double from its neighbours: 0.1 + 0.2 is 0.3 to any decimals.
    const QString rounded = roundedTo(QString::number(std::fabs(value), 'f', QLocale::FloatingPointShortest), decimals);
    const bool zero = std::all_of(rounded.cbegin(), rounded.cend(), [](QChar c) { return c == u'0' || c == u'.'; });
    return formatDecimal(value < 0 && !zero ? QLatin1Char('-') + rounded : rounded, true, decimals);
}

double LedgerFormat::largestExactSum(int decimals) {
    if (decimals <= 0) {
        return largestExactWhole;
    }
    // Decimals are never held exactly: the double must tell the last decimal apart with
    // room for its own rounding, so a step between doubles stays below one unit of it.
    return largestExactWhole / 2 / std::pow(10.0, decimals);
}

bool LedgerFormat::isExactSum(double value, int decimals) {
    return std::isfinite(value) && std::fabs(value) <= largestExactSum(decimals);
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
