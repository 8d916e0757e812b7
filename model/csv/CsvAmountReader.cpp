#include "CsvAmountReader.h"

namespace {

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
    const QString plain = plainDigits(text);
    if (plain.isEmpty()) {
        return refuse();
    }
    QString reason;
    std::optional<Amount> amount = Amount::fromString(plain, &reason);
    if (!amount) {
        if (error) {
            *error = tr("“%1” is not an amount: %2").arg(input.trimmed().toString(), reason);
        }
        return std::nullopt;
    }
    if (negative) {
        amount = Amount::fromParts(-amount->mantissa(), amount->exponent());
    }
    return amount;
}

QString CsvAmountReader::plainDigits(QStringView number) const {
    const QChar mark = m_mark == DecimalMark::Point ? u'.' : u',';
    QString digits;
    digits.reserve(number.size());
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
            digits.append(QChar(u'0' + c.digitValue()));
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
            digits.append(u'.');
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
    if (digits.isEmpty() || digits == u".") {
        return {};
    }
    return digits;
}
