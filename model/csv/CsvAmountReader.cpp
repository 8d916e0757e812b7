#include "CsvAmountReader.h"

namespace {

// Every number of up to 18 significant digits fits an amount's mantissa.
constexpr int maxDigits = 18;

bool isGroupSeparator(QChar c, QChar decimalMark) {
    if (c == u'\'' || c == QChar(0x00A0) || c == QChar(0x202F) || c == u' ') {
        return true;
    }
    return c == (decimalMark == u'.' ? u',' : u'.');
}

bool isMinus(QChar c) {
    return c == u'-' || c == QChar(0x2212) || c == QChar(0xFF0D);
}

} // namespace

std::optional<Amount> CsvAmountReader::read(QStringView input, QString* error) const {
    QStringView text = input.trimmed();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    const auto refuse = [&] {
        if (error) {
            *error = tr("“%1” is not an amount.").arg(text.toString());
        }
        return std::nullopt;
    };
    bool negative = false;
    // (12.00) is an outgoing in accounting notation.
    if (text.size() >= 2 && text.front() == u'(' && text.back() == u')') {
        negative = true;
        text = text.sliced(1, text.size() - 2).trimmed();
    }
    // A currency sign before or after the number.
    if (!text.isEmpty() && text.back().category() == QChar::Symbol_Currency) {
        text = text.chopped(1).trimmed();
    }
    if (!text.isEmpty() && (text.front() == u'+' || isMinus(text.front()))) {
        if (negative) {
            return refuse();
        }
        negative = isMinus(text.front());
        text = text.sliced(1).trimmed();
    }
    if (!text.isEmpty() && text.front().category() == QChar::Symbol_Currency) {
        text = text.sliced(1).trimmed();
    }
    const QVarLengthArray<char, 64> plain = plainDigits(text);
    if (plain.isEmpty()) {
        return refuse();
    }
    // The exact value: significant digits into the mantissa, leading zeros
    // dropped, trailing ones into the exponent.
    std::int64_t mantissa = 0;
    int digits = 0;
    int pendingZeros = 0;
    qint64 exponent = 0;
    bool afterPoint = false;
    for (const char c : plain) {
        if (c == '.') {
            afterPoint = true;
            continue;
        }
        exponent -= afterPoint ? 1 : 0;
        if (c == '0') {
            pendingZeros += digits > 0 ? 1 : 0;
            continue;
        }
        if (digits + pendingZeros + 1 > maxDigits) {
            if (error) {
                *error = tr("“%1” has more digits than an amount can hold (%2).").arg(text.toString()).arg(maxDigits);
            }
            return std::nullopt;
        }
        for (; pendingZeros > 0; --pendingZeros, ++digits) {
            mantissa *= 10;
        }
        mantissa = mantissa * 10 + (c - '0');
        ++digits;
    }
    exponent += pendingZeros;
    const std::optional<Amount> amount = exponent < Amount::minExponent || exponent > Amount::maxExponent
                                             ? std::nullopt
                                             : Amount::fromParts(negative ? -mantissa : mantissa, int(exponent));
    if (!amount && error) {
        *error = tr("“%1” is too large or too small for an amount.").arg(text.toString());
    }
    return amount;
}

QVarLengthArray<char, 64> CsvAmountReader::plainDigits(QStringView number) const {
    const QChar mark = m_mark == DecimalMark::Point ? u'.' : u',';
    QVarLengthArray<char, 64> digits;
    // Digits of the group being read, and of the groups before the last one:
    // the first group may be short, every later one has three digits
    // (two in Indian grouping, before the last three).
    int groupDigits = 0;
    int groups = 0;
    QChar groupSeparator;
    bool sawMark = false;
    for (qsizetype i = 0; i < number.size(); ++i) {
        const QChar c = number[i];
        if (c.isDigit()) {
            digits.append(char('0' + c.digitValue()));
            ++groupDigits;
            continue;
        }
        if (c == mark && !sawMark) {
            if (groupDigits == 0 && i > 0) {
                return {};
            }
            if (groups > 0 && groupDigits != 3) {
                return {};
            }
            sawMark = true;
            digits.append('.');
            groupDigits = 0;
            groups = 0;
            continue;
        }
        if (!sawMark && isGroupSeparator(c, mark) && groupDigits > 0) {
            // One kind of separator throughout, and whole groups.
            if ((groups > 0 && (c != groupSeparator || (groupDigits != 3 && groupDigits != 2))) ||
                (groups == 0 && groupDigits > 3)) {
                return {};
            }
            groupSeparator = c;
            ++groups;
            groupDigits = 0;
            continue;
        }
        return {};
    }
    if (!sawMark && groups > 0 && groupDigits != 3) {
        return {};
    }
    if (digits.isEmpty() || (digits.size() == 1 && digits[0] == '.')) {
        return {};
    }
    return digits;
}
