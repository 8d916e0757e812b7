#include "LedgerFormat.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

namespace {

struct ParseCase {
    const char* locale;
    const char* text;
    const char* amount; // plain notation, or nullptr when the text must be refused
};

std::ostream& operator<<(std::ostream& out, const ParseCase& c) {
    return out << c.locale << " \"" << c.text << "\"";
}

class AmountParsing : public ::testing::TestWithParam<ParseCase> {};

TEST_P(AmountParsing, readsPlainAmountsAndRefusesEverythingElseWithAMessage) {
    const ParseCase& c = GetParam();
    const LedgerFormat format{QLocale(QString::fromLatin1(c.locale))};
    QString error;
    const std::optional<Amount> amount = format.parseAmount(QString::fromUtf8(c.text), &error);
    if (c.amount) {
        ASSERT_TRUE(amount.has_value()) << error.toStdString();
        EXPECT_EQ(amount->toString(), QString::fromLatin1(c.amount));
    } else {
        EXPECT_FALSE(amount.has_value()) << amount->toString().toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.text).trimmed())) << error.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, AmountParsing,
                         ::testing::Values(ParseCase{"en_US", "1,234.50", "1234.5"}, ParseCase{"en_US", "-20", "-20"},
                                           ParseCase{"en_US", "+3.5", "3.5"}, ParseCase{"en_US", " 12 ", "12"},
                                           ParseCase{"en_US", "\u22127", "-7"}, ParseCase{"en_US", "- 7", "-7"},
                                           ParseCase{"en_US", ".5", "0.5"}, ParseCase{"en_US", "1,234,567", "1234567"},
                                           // A comma where it cannot group is a mistyped decimal, not a thousand.
                                           ParseCase{"en_US", "1,5", nullptr}, ParseCase{"en_US", "12,50", nullptr},
                                           ParseCase{"en_US", "1,,234", nullptr}, ParseCase{"en_US", ",234", nullptr},
                                           ParseCase{"en_US", "1.2.3", nullptr}, ParseCase{"en_US", "abc", nullptr},
                                           ParseCase{"en_US", "12abc", nullptr}, ParseCase{"en_US", "", nullptr},
                                           ParseCase{"en_US", "-", nullptr}, ParseCase{"en_US", "--5", nullptr},
                                           ParseCase{"en_US", "5-", nullptr}, ParseCase{"en_US", "1,234.5,0", nullptr},
                                           ParseCase{"en_US", "12345678901234567890", nullptr},
                                           ParseCase{"de_DE", "1.234,50", "1234.5"}, ParseCase{"de_DE", "1,5", "1.5"},
                                           ParseCase{"de_DE", "1.5", nullptr},
                                           ParseCase{"fr_FR", "1\u202f234,5", "1234.5"},
                                           ParseCase{"fr_FR", "1 234,5", "1234.5"}, ParseCase{"ja_JP", "1,200", "1200"},
                                           ParseCase{"hi_IN", "1,23,456.5", "123456.5"}));

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

TEST(LedgerFormat, datesAlwaysShowFourDigitYears) {
    const QDate day(2024, 3, 7);
    EXPECT_EQ(LedgerFormat{QLocale(QStringLiteral("en_US"))}.formatDate(day), QStringLiteral("3/7/2024"));
    EXPECT_EQ(LedgerFormat{QLocale(QStringLiteral("de_DE"))}.formatDate(day), QStringLiteral("07.03.2024"));
    EXPECT_EQ(LedgerFormat{QLocale(QStringLiteral("ja_JP"))}.formatDate(day), QStringLiteral("2024/03/07"));
    EXPECT_EQ(LedgerFormat{}.formatDate(QDate()), QString());
}

} // namespace
