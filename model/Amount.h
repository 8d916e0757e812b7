#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <optional>

// An exact decimal money value: mantissa × 10^exponent.
// No binary floating point inside and no heap, so a value read from text or
// from the data file comes back exactly as it went in.
class Amount {
    Q_DECLARE_TR_FUNCTIONS(Amount)

public:
    // Largest mantissa magnitude: every number of up to 18 significant digits fits.
    static constexpr std::int64_t maxMantissa = 999'999'999'999'999'999;
    static constexpr int minExponent = -400;
    static constexpr int maxExponent = 400;

    constexpr Amount() = default;

    static Amount fromInt(std::int64_t value);
    // Only for values already known to be in range (the reader checks first).
    static std::optional<Amount> fromParts(std::int64_t mantissa, int exponent);

    // Reads "-12.50", "+3", ".5", "1e3", "1.5E-2". Refuses anything else,
    // and numbers whose significant digits do not fit, with a message in `error`.
    static std::optional<Amount> fromString(QStringView text, QString* error = nullptr);

    // The shortest decimal that reads back as the same double: -12.5 gives -12.5,
    // 0.1 gives 0.1. Not-a-number and infinities have no amount.
    static std::optional<Amount> fromDouble(double value);

    // Plain decimal notation without exponent and without trailing zeros: "-12.5", "1000", "0.001".
    QString toString() const;
    // The nearest double.
    double toDouble() const;

    std::int64_t mantissa() const { return m_mantissa; }
    int exponent() const { return m_exponent; }
    int sign() const { return (m_mantissa > 0) - (m_mantissa < 0); }
    bool isZero() const { return m_mantissa == 0; }

    // Compares by exact value.
    std::strong_ordering operator<=>(const Amount& other) const;
    // Compares with the exact value of a double (exact for every float and
    // every double of up to 121 significant digits).
    std::strong_ordering compareWithDouble(double value) const;
    bool operator==(const Amount& other) const = default;

private:
    constexpr Amount(std::int64_t mantissa, std::int16_t exponent)
        : m_mantissa(mantissa)
        , m_exponent(exponent) {}
    static Amount normalized(std::int64_t mantissa, int exponent);

    // Kept normalized: no trailing zeros in the mantissa, and zero has exponent 0,
    // so equal values have equal parts.
    std::int64_t m_mantissa = 0;
    std::int16_t m_exponent = 0;
};
