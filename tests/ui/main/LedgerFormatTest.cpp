#include "LedgerFormat.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

namespace {

struct ParseCase {
    const char* locale;
    const char* text;
    const char* amount;        // plain notation, or nullptr when the text must be refused
    const char* why = nullptr; // what the refusal says besides the text
};

std::ostream& operator<<(std::ostream& out, const ParseCase& c) {
    return out << c.locale << " \"" << c.text << "\"";
}

class AmountParsing : public ::testing::TestWithParam<ParseCase> {};

TEST_P(AmountParsing, readsAmountsAsTheLocaleWritesThemAndSaysWhyOthersAreNone) {
    const ParseCase& c = GetParam();
    const LedgerFormat format{QLocale(QString::fromLatin1(c.locale))};
    QString error;
    const std::optional<Amount> amount = format.parseAmount(QString::fromUtf8(c.text), &error);
    if (c.amount) {
        ASSERT_TRUE(amount.has_value()) << error.toStdString();
        EXPECT_EQ(amount->toString(), QString::fromLatin1(c.amount));
    } else {
        EXPECT_FALSE(amount.has_value()) << amount->toString().toStdString();
        const QString typed = QString::fromUtf8(c.text).trimmed();
        EXPECT_TRUE(typed.isEmpty() || error.startsWith(QStringLiteral("“%1” is not an amount: ").arg(typed)))
            << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.why))) << error.toStdString();
    }
}

// How people of each place write money, and what they mistype.
INSTANTIATE_TEST_SUITE_P(
    Locales, AmountParsing,
    ::testing::Values(
        ParseCase{"en_US", "1,234.56", "1234.56"}, ParseCase{"en_US", "-20", "-20"}, ParseCase{"en_US", "+3.5", "3.5"},
        ParseCase{"en_US", " 12 ", "12"}, ParseCase{"en_US", "\u221212.50", "-12.5"}, ParseCase{"en_US", "- 7", "-7"},
        ParseCase{"en_US", ".5", "0.5"}, ParseCase{"en_US", "12.", "12"}, ParseCase{"en_US", "1,234,567", "1234567"},
        ParseCase{"en_US", "0", "0"}, ParseCase{"en_US", "-0.00", "0"},
        // A comma where it cannot group is a mistyped decimal, not a thousand.
        ParseCase{"en_US", "12,5", nullptr, "only groups the digits of thousands, as in 1,234,567.50"},
        ParseCase{"en_US", "1,,234", nullptr, "only groups"}, ParseCase{"en_US", ",234", nullptr, "only groups"},
        ParseCase{"en_US", "1234,567", nullptr, "only groups"}, ParseCase{"en_US", "1,234.5,0", nullptr, "only groups"},
        ParseCase{"en_US", "12,5o", nullptr, "“o” is not a digit"}, ParseCase{"en_US", "1e3", nullptr, "“e” is not"},
        ParseCase{"en_US", "$5", nullptr, "“$” is not a digit"},
        ParseCase{"en_US", "1.2.3", nullptr, "more than one decimal point"},
        ParseCase{"en_US", "1 234", nullptr, "spaces"}, ParseCase{"en_US", "-", nullptr, "no digits"},
        ParseCase{"en_US", "--5", nullptr, "sign goes before"}, ParseCase{"en_US", "5-", nullptr, "sign goes before"},
        ParseCase{"en_US", "", nullptr, "No amount was typed"},
        ParseCase{"en_US", "12345678901234567890", nullptr, "more digits than an amount can hold"},
        ParseCase{"en_GB", "1,234.56", "1234.56"}, ParseCase{"en_GB", "-12.50", "-12.5"},
        ParseCase{"en_GB", "12,5", nullptr, "only groups"}, ParseCase{"de_DE", "1.234,56", "1234.56"},
        ParseCase{"de_DE", "12,5", "12.5"}, ParseCase{"de_DE", "\u221212,50", "-12.5"},
        ParseCase{"de_DE", "1.234.567,89", "1234567.89"},
        ParseCase{"de_DE", "12.50", nullptr, "“.” only groups the digits of thousands, as in 1.234.567,50"},
        ParseCase{"de_DE", "1,2,3", nullptr, "more than one decimal point “,”"},
        ParseCase{"ja_JP", "1,234.56", "1234.56"}, ParseCase{"ja_JP", "-1,200", "-1200"},
        // Typed through an input method: full-width digits, signs and separators.
        ParseCase{"ja_JP", "\uff11\uff0c\uff12\uff13\uff14\uff0e\uff15", "1234.5"},
        ParseCase{"ja_JP", "\uff0d\uff11\uff12", "-12"}, ParseCase{"ja_JP", "12,5", nullptr, "only groups"},
        ParseCase{"ja_JP", "１２円", nullptr, "“円” is not a digit"}, ParseCase{"fr_FR", "1\u202f234,5", "1234.5"},
        ParseCase{"fr_FR", "1 234,5", "1234.5"},
        ParseCase{"fr_FR", "12.5", nullptr, "decimals follow “,”, as in 12,50"},
        ParseCase{"hi_IN", "1,23,456.5", "123456.5"}, ParseCase{"ar_EG", "\u0661\u0662", "12"}));

TEST(LedgerFormat, aRecordsAmountIsNeverZeroAndTheRefusalSaysSoLikeAnyOther) {
    const LedgerFormat germany{QLocale(QStringLiteral("de_DE"))};
    QString why;
    EXPECT_FALSE(germany.parseRecordAmount(QStringLiteral("0,00"), &why));
    EXPECT_TRUE(why.startsWith(QStringLiteral("“0,00” is not an amount: 0 is neither"))) << why.toStdString();
    EXPECT_FALSE(germany.parseRecordAmount(QStringLiteral("-0"), nullptr));
    EXPECT_EQ(germany.parseRecordAmount(QStringLiteral("0,01"), nullptr), Amount::fromParts(1, -2));

    // Text that is no amount at all is told as the other reader tells it.
    QString asRecord;
    QString asBound;
    EXPECT_FALSE(germany.parseRecordAmount(QStringLiteral("12,5o"), &asRecord));
    EXPECT_FALSE(germany.parseAmount(QStringLiteral("12,5o"), &asBound));
    EXPECT_EQ(asRecord, asBound);

    // A paste of a whole paragraph is quoted short.
    EXPECT_FALSE(germany.parseAmount(QString(500, QLatin1Char('x')), &why));
    EXPECT_LT(why.size(), 250);
}

TEST(LedgerFormat, amountsShowGroupedWithAtLeastTheCurrencysDecimals) {
    const LedgerFormat us{QLocale(QStringLiteral("en_US"))};
    EXPECT_EQ(us.formatAmount(Amount::fromParts(12345, -1)), QStringLiteral("1,234.50"));
    EXPECT_EQ(us.formatAmount(Amount::fromInt(-20)), QStringLiteral("-20.00"));
    EXPECT_EQ(us.formatAmount(Amount::fromParts(1, -3)), QStringLiteral("0.001"));
    EXPECT_EQ(us.formatAmount(std::nullopt), QString());
    EXPECT_EQ(us.amountForEditing(Amount::fromParts(-12345, -1)), QStringLiteral("-1234.5"));

    const LedgerFormat japan{QLocale(QStringLiteral("ja_JP"))};
    EXPECT_EQ(japan.formatAmount(Amount::fromInt(1200)), QStringLiteral("1,200"));
    EXPECT_EQ(japan.formatAmount(Amount::fromParts(125, -1)), QStringLiteral("12.50"));
    EXPECT_EQ(japan.formatAmount(Amount::fromParts(1, -3)), QStringLiteral("0.001"));

    const LedgerFormat germany{QLocale(QStringLiteral("de_DE"))};
    EXPECT_EQ(germany.formatAmount(Amount::fromParts(-12345, -1)), QStringLiteral("-1.234,50"));
    // What is shown for editing reads back as the same amount.
    const Amount odd = *Amount::fromParts(-123456789, -4);
    EXPECT_EQ(germany.parseAmount(germany.amountForEditing(odd), nullptr), odd);
    EXPECT_EQ(us.parseAmount(us.formatAmount(odd), nullptr), odd);
}

TEST(LedgerFormat, aColumnHasTheDecimalsItsAmountsNeedWithinLimits) {
    const LedgerFormat japan{QLocale(QStringLiteral("ja_JP"))};
    // Cents stay cents even in yen.
    EXPECT_EQ(japan.columnDecimals(1), 2);
    const LedgerFormat us{QLocale(QStringLiteral("en_US"))};
    EXPECT_EQ(us.columnDecimals(400), LedgerFormat::maxColumnDecimals);
    EXPECT_EQ(LedgerFormat::decimalsOf(*Amount::fromParts(5, 3)), 0);
    // An amount that needs more than its column has shows all of them: no amount is ever rounded.
    EXPECT_EQ(us.formatAmount(Amount::fromParts(1, -8), us.columnDecimals(8)), QStringLiteral("0.00000001"));
}

TEST(LedgerFormat, longAmountsAreGroupedTheLocalesWayAndShortenedToTheirSize) {
    const Amount huge = *Amount::fromParts(-999999999999999999, 3);
    const LedgerFormat us{QLocale(QStringLiteral("en_US"))};
    EXPECT_EQ(us.formatAmount(huge, 0), QStringLiteral("-999,999,999,999,999,999,000"));
    EXPECT_EQ(us.formatAmountShort(huge), QStringLiteral("-9.99×10²⁰"));
    EXPECT_EQ(us.formatAmountShort(*Amount::fromParts(12, -6)), QStringLiteral("1.2×10⁻⁵"));
    EXPECT_EQ(us.formatAmountShort(Amount::fromInt(5)), QStringLiteral("5×10⁰"));
    const LedgerFormat india{QLocale(QStringLiteral("hi_IN"))};
    EXPECT_EQ(india.formatAmount(*Amount::fromParts(12345678901234567, 4), 0),
              QStringLiteral("12,34,56,78,90,12,34,56,70,000"));
    const LedgerFormat germany{QLocale(QStringLiteral("de_DE"))};
    EXPECT_EQ(germany.formatAmountShort(huge), QStringLiteral("-9,99×10²⁰"));
}

TEST(LedgerFormat, sumsAreWholeNumbersOfAnySizeAndSayWhenTheyAreNoLongerExact) {
    const LedgerFormat us{QLocale(QStringLiteral("en_US"))};
    EXPECT_EQ(us.formatWhole(12.99), QStringLiteral("12"));
    EXPECT_EQ(us.formatWhole(-12.99), QStringLiteral("-12"));
    EXPECT_EQ(us.formatWhole(-0.5), QStringLiteral("0"));
    // Amounts that add up to a whole number show it, whatever noise the binary sum carries.
    EXPECT_EQ(us.formatWhole(0.70 + 0.10 + 0.20), QStringLiteral("1"));
    EXPECT_EQ(us.formatWhole(-0.70 - 0.10 - 0.20), QStringLiteral("-1"));
    EXPECT_EQ(us.formatWhole(0.1 + 0.2 + 99.7), QStringLiteral("100"));
    // A lifetime of yen passes 2^31 easily, and 2^63 is no limit either.
    EXPECT_EQ(us.formatWhole(-1.5e19), QStringLiteral("-15,000,000,000,000,000,000"));
    EXPECT_EQ(us.formatWhole(1e300).size(), 301 + 100);

    constexpr double limit = 9007199254740992.0; // 2^53
    EXPECT_TRUE(LedgerFormat::isExactWhole(limit));
    EXPECT_TRUE(LedgerFormat::isExactWhole(-limit));
    EXPECT_FALSE(LedgerFormat::isExactWhole(limit * 2));
    EXPECT_FALSE(LedgerFormat::isExactWhole(std::numeric_limits<double>::infinity()));
    EXPECT_EQ(us.formatWhole(-std::numeric_limits<double>::infinity()), QStringLiteral("-∞"));
    EXPECT_EQ(us.formatWhole(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("—"));
}

TEST(LedgerFormat, sumsShowTheColumnsDecimalsRoundedWithoutTheirBinaryNoise) {
    const LedgerFormat us{QLocale(QStringLiteral("en_US"))};
    EXPECT_EQ(us.formatSum(103696.5, 2), QStringLiteral("103,696.50"));
    EXPECT_EQ(us.formatSum(-12.99, 2), QStringLiteral("-12.99"));
    EXPECT_EQ(us.formatSum(0.1 + 0.2, 2), QStringLiteral("0.30"));
    // The decimal the double stands for is rounded, not the binary value just below it.
    EXPECT_EQ(us.formatSum(1.005, 2), QStringLiteral("1.01"));
    EXPECT_EQ(us.formatSum(99.995, 2), QStringLiteral("100.00"));
    EXPECT_EQ(us.formatSum(-0.001, 2), QStringLiteral("0.00"));
    EXPECT_EQ(us.formatSum(0.70 + 0.10 + 0.20, 0), QStringLiteral("1"));
    EXPECT_EQ(us.formatSum(0.12345678, 6), QStringLiteral("0.123457"));
    EXPECT_EQ(LedgerFormat{QLocale(QStringLiteral("ja_JP"))}.formatSum(-1200, 0), QStringLiteral("-1,200"));
    EXPECT_EQ(LedgerFormat{QLocale(QStringLiteral("de_DE"))}.formatSum(-103696.5, 2), QStringLiteral("-103.696,50"));
    EXPECT_EQ(us.formatSum(-1.5e19, 2), QStringLiteral("-15,000,000,000,000,000,000.00"));
    EXPECT_EQ(us.formatSum(std::numeric_limits<double>::infinity(), 2), QStringLiteral("∞"));

    // Every cent is told apart up to 2^52 cents; every whole number up to 2^53.
    EXPECT_TRUE(LedgerFormat::isExactSum(45035996273704.96, 2));
    EXPECT_FALSE(LedgerFormat::isExactSum(45035996273706.0, 2));
    EXPECT_TRUE(LedgerFormat::isExactSum(45035996273706.0, 0));
    EXPECT_DOUBLE_EQ(LedgerFormat::largestExactSum(0), 9007199254740992.0);
}

TEST(LedgerFormat, datesAlwaysShowFourDigitYears) {
    const QDate day(2024, 3, 7);
    EXPECT_EQ(LedgerFormat{QLocale(QStringLiteral("en_US"))}.formatDate(day), QStringLiteral("3/7/2024"));
    EXPECT_EQ(LedgerFormat{QLocale(QStringLiteral("de_DE"))}.formatDate(day), QStringLiteral("07.03.2024"));
    EXPECT_EQ(LedgerFormat{QLocale(QStringLiteral("ja_JP"))}.formatDate(day), QStringLiteral("2024/03/07"));
    EXPECT_EQ(LedgerFormat{}.formatDate(QDate()), QString());
}

} // namespace
