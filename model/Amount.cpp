#include "Amount.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

constexpr int maxDigits = 18;

constexpr std::array<double, 23> exactPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                     1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                     1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

int digitCount(std::uint64_t value) {
    int n = 1;
    while (value >= 10) {
        value /= 10;
        ++n;
    }
    return n;
}

constexpr std::array<std::int64_t, 19> powersOfTen = [] {
    std::array<std::int64_t, 19> powers{};
    std::int64_t power = 1;
    for (std::int64_t& entry : powers) {
        entry = power;
        power *= power < 1'000'000'000'000'000'000 ? 10 : 1;
    }
    return powers;
}();

// `power` from 0 to 18.
__int128 timesPowerOfTen(std::int64_t value, int power) {
    return __int128(value) * powersOfTen[std::size_t(power)];
}

} // namespace

Amount Amount::fromInt(std::int64_t value) {
    // Magnitudes past 18 digits lose their last digit; callers use small counts.
    int exponent = 0;
    while (value > maxMantissa || value < -maxMantissa) {
        value /= 10;
        ++exponent;
    }
    return normalized(value, exponent);
}

std::optional<Amount> Amount::fromParts(std::int64_t mantissa, int exponent) {
    if (mantissa > maxMantissa || mantissa < -maxMantissa || exponent < minExponent || exponent > maxExponent) {
        return std::nullopt;
    }
    return normalized(mantissa, exponent);
}

Amount Amount::normalized(std::int64_t mantissa, int exponent) {
    if (mantissa == 0) {
        return Amount();
    }
    while (mantissa % 10 == 0 && exponent < maxExponent) {
        mantissa /= 10;
        ++exponent;
    }
    return Amount(mantissa, static_cast<std::int16_t>(exponent));
}

std::optional<Amount> Amount::fromString(QStringView input, QString* error) {
    auto fail = [&](const QString& message) -> std::optional<Amount> {
        if (error) {
            *error = message;
        }
        return std::nullopt;
    };
    const QStringView text = input.trimmed();
    if (text.isEmpty()) {
        return fail(tr("No amount was given."));
    }
    const QString notANumber = tr("“%1” is not a number.").arg(text.toString());

    qsizetype i = 0;
    bool negative = false;
    if (text[i] == u'-' || text[i] == u'+') {
        negative = text[i] == u'-';
        ++i;
    }

    // The significant digits, without leading zeros, and the power of ten of the last one.
    std::array<char, maxDigits> digits{};
    int digitsKept = 0;
    int droppedZeros = 0; // zeros seen after the last non-zero digit, not yet kept
    int exponent = 0;
    bool sawDigit = false;
    bool sawPoint = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'.' && !sawPoint) {
            sawPoint = true;
            continue;
        }
        if (c < u'0' || c > u'9') {
            break;
        }
        sawDigit = true;
        if (sawPoint) {
            --exponent;
        }
        if (c == u'0') {
            if (digitsKept > 0) {
                ++droppedZeros;
            }
            continue;
        }
        if (digitsKept + droppedZeros + 1 > maxDigits) {
            return fail(tr("“%1” has more digits than an amount can hold (%2).").arg(text.toString()).arg(maxDigits));
        }
        for (; droppedZeros > 0; --droppedZeros) {
            digits[digitsKept++] = '0';
        }
        digits[digitsKept++] = static_cast<char>(c.unicode());
    }
    if (!sawDigit) {
        return fail(notANumber);
    }
    // The trailing zeros become powers of ten.
    exponent += droppedZeros;

    if (i < text.size()) {
        if (text[i] != u'e' && text[i] != u'E') {
            return fail(notANumber);
        }
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
            negativeExponent = text[i] == u'-';
            ++i;
        }
        if (i >= text.size()) {
            return fail(notANumber);
        }
        int value = 0;
        for (; i < text.size(); ++i) {
            const QChar c = text[i];
            if (c < u'0' || c > u'9') {
                return fail(notANumber);
            }
            value = value * 10 + (c.unicode() - u'0');
            if (value > 100000) {
                return fail(tr("“%1” is too large or too small for an amount.").arg(text.toString()));
            }
        }
        exponent += negativeExponent ? -value : value;
    }

    if (digitsKept == 0) {
        return Amount();
    }
    std::int64_t mantissa = 0;
    for (int d = 0; d < digitsKept; ++d) {
        mantissa = mantissa * 10 + (digits[d] - '0');
    }
    // The last kept digit is never 0, so this is already the normalized exponent.
    if (exponent < minExponent || exponent > maxExponent) {
        return fail(tr("“%1” is too large or too small for an amount.").arg(text.toString()));
    }
    return Amount(negative ? -mantissa : mantissa, static_cast<std::int16_t>(exponent));
}

std::optional<Amount> Amount::fromDouble(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    if (value == 0.0) {
        return Amount();
    }
    // to_chars without a precision gives the shortest text that reads back as the same double.
    std::array<char, 64> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (ec != std::errc()) {
        return std::nullopt;
    }
    return fromString(QString::fromLatin1(buffer.data(), end - buffer.data()));
}

QString Amount::toString() const {
    if (m_mantissa == 0) {
        return QStringLiteral("0");
    }
    const bool negative = m_mantissa < 0;
    QString digits = QString::number(negative ? -m_mantissa : m_mantissa);
    if (m_exponent >= 0) {
        digits.append(QString(m_exponent, u'0'));
    } else {
        const int fraction = -m_exponent;
        if (digits.size() <= fraction) {
            digits.prepend(QString(fraction - digits.size() + 1, u'0'));
        }
        digits.insert(digits.size() - fraction, u'.');
    }
    if (negative) {
        digits.prepend(u'-');
    }
    return digits;
}

double Amount::toDouble() const {
    // Exact operands and one rounding step give the nearest double (the classic fast path).
    constexpr std::int64_t exactLimit = std::int64_t(1) << 53;
    if (m_mantissa == 0) {
        return 0.0;
    }
    if (m_mantissa > -exactLimit && m_mantissa < exactLimit && m_exponent >= -22 && m_exponent <= 22) {
        const auto m = static_cast<double>(m_mantissa);
        return m_exponent >= 0 ? m * exactPowersOfTen[m_exponent] : m / exactPowersOfTen[-m_exponent];
    }
    // Room for 19 digits and a sign, the 'e', and a sign and five exponent digits.
    std::array<char, 48> buffer{};
    char* const limit = buffer.data() + buffer.size();
    char* end = std::to_chars(buffer.data(), limit - 8, m_mantissa).ptr;
    *end++ = 'e';
    end = std::to_chars(end, limit, static_cast<int>(m_exponent)).ptr;
    double result = 0.0;
    if (std::from_chars(buffer.data(), end, result).ec == std::errc::result_out_of_range) {
        // Beyond the doubles: the nearest is infinity above them and zero below.
        const double magnitude = m_exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        return m_mantissa < 0 ? -magnitude : magnitude;
    }
    return result;
}

std::strong_ordering Amount::operator<=>(const Amount& other) const {
    // Amounts of a ledger have exponents close together: scaled to the smaller
    // one, both fit 128 bits (|mantissa| < 2^63, 10^18 < 2^60) and compare at once.
    if (const int gap = m_exponent - other.m_exponent; gap >= -18 && gap <= 18) {
        const __int128 a = gap > 0 ? timesPowerOfTen(m_mantissa, gap) : __int128(m_mantissa);
        const __int128 b = gap < 0 ? timesPowerOfTen(other.m_mantissa, -gap) : __int128(other.m_mantissa);
        return a < b ? std::strong_ordering::less
                     : (a > b ? std::strong_ordering::greater : std::strong_ordering::equal);
    }
    if (sign() != other.sign()) {
        return sign() <=> other.sign();
    }
    if (m_mantissa == 0) {
        return std::strong_ordering::equal;
    }
    // Same sign: compare magnitudes by the place of the leading digit first.
    const auto magnitudeA = static_cast<std::uint64_t>(std::llabs(m_mantissa));
    const auto magnitudeB = static_cast<std::uint64_t>(std::llabs(other.m_mantissa));
    const int leadA = digitCount(magnitudeA) + m_exponent;
    const int leadB = digitCount(magnitudeB) + other.m_exponent;
    std::strong_ordering magnitude = std::strong_ordering::equal;
    if (leadA != leadB) {
        magnitude = leadA <=> leadB;
    } else {
        // Same leading place, so the exponents differ by fewer than 18 and the products fit.
        const int common = std::min<int>(m_exponent, other.m_exponent);
        const __int128 a = timesPowerOfTen(static_cast<std::int64_t>(magnitudeA), m_exponent - common);
        const __int128 b = timesPowerOfTen(static_cast<std::int64_t>(magnitudeB), other.m_exponent - common);
        magnitude =
            a < b ? std::strong_ordering::less : (a > b ? std::strong_ordering::greater : std::strong_ordering::equal);
    }
    if (m_mantissa > 0) {
        return magnitude;
    }
    return 0 <=> magnitude;
}

namespace {

// The significant digits (no leading or trailing zeros) and the power of ten
// of the first one: 0.0125 gives "125" and -2.
struct DecimalDigits {
    std::array<char, 130> digits{};
    int length = 0;
    int leadingPower = 0;
};

DecimalDigits exactDigitsOf(double magnitude) {
    // 121 significant digits hold the exact expansion of every float (and of
    // doubles of ordinary size); to_chars then prints the exact value.
    std::array<char, 160> buffer{};
    const auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, std::chars_format::scientific, 120);
    DecimalDigits result;
    if (ec != std::errc()) {
        return result;
    }
    const char* p = buffer.data();
    for (; p < end && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') {
            result.digits[result.length++] = *p;
        }
    }
    std::from_chars(p + 1 + (p[1] == '+'), end, result.leadingPower);
    while (result.length > 0 && result.digits[result.length - 1] == '0') {
        --result.length;
    }
    return result;
}

DecimalDigits digitsOf(std::uint64_t mantissa, int exponent) {
    DecimalDigits result;
    const auto [end, ec] = std::to_chars(result.digits.data(), result.digits.data() + result.digits.size(), mantissa);
    result.length = static_cast<int>(end - result.digits.data());
    result.leadingPower = result.length - 1 + exponent;
    return result;
}

std::strong_ordering compareMagnitudes(const DecimalDigits& a, const DecimalDigits& b) {
    if (a.leadingPower != b.leadingPower) {
        return a.leadingPower <=> b.leadingPower;
    }
    const int n = std::max(a.length, b.length);
    for (int i = 0; i < n; ++i) {
        const char x = i < a.length ? a.digits[i] : '0';
        const char y = i < b.length ? b.digits[i] : '0';
        if (x != y) {
            return x <=> y;
        }
    }
    return std::strong_ordering::equal;
}

} // namespace

std::strong_ordering Amount::compareWithDouble(double value) const {
    // The nearest double decides unless it is the very value: a double that
    // differs from ours lies at least half a step away from our exact value.
    const double mine = toDouble();
    if (mine < value) {
        return std::strong_ordering::less;
    }
    if (mine > value) {
        return std::strong_ordering::greater;
    }
    if (value == 0.0 || m_mantissa == 0) {
        return sign() <=> (value > 0.0 ? 1 : (value < 0.0 ? -1 : 0));
    }
    // Same sign here. Compare exact decimal digits.
    const DecimalDigits theirs = exactDigitsOf(std::fabs(value));
    const DecimalDigits ours = digitsOf(static_cast<std::uint64_t>(std::llabs(m_mantissa)), m_exponent);
    const std::strong_ordering magnitude = compareMagnitudes(ours, theirs);
    return m_mantissa > 0 ? magnitude : 0 <=> magnitude;
}
