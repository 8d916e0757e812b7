#include "Amount.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct TextCase {
    const char* input;
    const char* canonical;
};

class AmountTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(AmountTextTest, readsExactlyAndWritesCanonicalText) {
    const TextCase c = GetParam();
    QString error;
    const std::optional<Amount> amount = Amount::fromString(QString::fromUtf8(c.input), &error);
    ASSERT_TRUE(amount) << c.input << ": " << error.toStdString();
    EXPECT_EQ(amount->toString().toStdString(), c.canonical);
    // What is written reads back as the same value.
    EXPECT_EQ(Amount::fromString(amount->toString()), amount);
}

INSTANTIATE_TEST_SUITE_P(Amount, AmountTextTest,
                         ::testing::Values(TextCase{"-12.50", "-12.5"}, TextCase{"0", "0"}, TextCase{"-0.00", "0"},
                                           TextCase{"+3", "3"}, TextCase{".5", "0.5"}, TextCase{"1200", "1200"},
                                           TextCase{"0.001", "0.001"}, TextCase{"1e3", "1000"},
                                           TextCase{"1.5E-2", "0.015"}, TextCase{" 42 ", "42"},
                                           TextCase{"123456789012345678", "123456789012345678"},
                                           TextCase{"-0.123456789012345678", "-0.123456789012345678"},
                                           TextCase{"1000000000000000000000000", "1000000000000000000000000"},
                                           TextCase{"100.0000000000000000000", "100"}));

class AmountRefusedTest : public ::testing::TestWithParam<const char*> {};

TEST_P(AmountRefusedTest, isRefusedWithAMessage) {
    QString error;
    EXPECT_FALSE(Amount::fromString(QString::fromUtf8(GetParam()), &error)) << GetParam();
    EXPECT_FALSE(error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Amount, AmountRefusedTest,
                         ::testing::Values("", "abc", "12abc", "1.2.3", "--1", "1e", "1e+", "e5", ".", "-", "1,5",
                                           "1234567890123456789", "0.1234567890123456789", "1e999999", "1e-500", "nan",
                                           "inf"));

TEST(Amount, equalValuesCompareEqualWhateverTheirSpelling) {
    EXPECT_EQ(*Amount::fromString(u"-12.50"), *Amount::fromString(u"-12.5"));
    EXPECT_EQ(*Amount::fromString(u"1e2"), *Amount::fromString(u"100"));
    EXPECT_LT(*Amount::fromString(u"-12.5"), *Amount::fromString(u"-12.4"));
    EXPECT_LT(*Amount::fromString(u"0.999999999999999999"), Amount::fromInt(1));
    EXPECT_GT(*Amount::fromString(u"100000000000000000000"), *Amount::fromString(u"99999999999999999.9"));
    EXPECT_LT(*Amount::fromString(u"-100000000000000000000"), *Amount::fromString(u"-99999999999999999.9"));
    EXPECT_LT(Amount(), *Amount::fromString(u"1e-300"));
    // Eighteen places apart, the widest mantissas still compare exactly.
    EXPECT_LT(*Amount::fromString(u"999999999999999999e-18"), *Amount::fromString(u"1"));
    EXPECT_GT(*Amount::fromString(u"-999999999999999999e-18"), *Amount::fromString(u"-1"));
    EXPECT_LT(*Amount::fromString(u"999999999999999999"), *Amount::fromString(u"1e18"));
    EXPECT_EQ(*Amount::fromString(u"5e17"), *Amount::fromString(u"5000000000000000000e-1"));
}

TEST(Amount, fromDoubleTakesTheShortestTextThatReadsBack) {
    EXPECT_EQ(Amount::fromDouble(-12.5)->toString(), u"-12.5");
    EXPECT_EQ(Amount::fromDouble(0.1)->toString(), u"0.1");
    EXPECT_EQ(Amount::fromDouble(0.1 + 0.2)->toString(), u"0.30000000000000004");
    EXPECT_EQ(Amount::fromDouble(2.0)->toString(), u"2");
    EXPECT_EQ(Amount::fromDouble(-0.0)->toString(), u"0");
    EXPECT_EQ(Amount::fromDouble(1e300)->toDouble(), 1e300);
    EXPECT_EQ(Amount::fromDouble(5e-324)->toDouble(), 5e-324);
    EXPECT_FALSE(Amount::fromDouble(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(Amount::fromDouble(std::numeric_limits<double>::infinity()));
}

TEST(Amount, toDoubleIsTheNearestDouble) {
    for (const double d :
         {-12.5, 0.1, 0.30000000000000004, 123456.78, 9007199254740993.0, 1e23, 1.7976931348623157e308}) {
        EXPECT_EQ(Amount::fromDouble(d)->toDouble(), d);
    }
    EXPECT_EQ(Amount::fromString(u"0.1")->toDouble(), 0.1);
    EXPECT_EQ(Amount::fromString(u"123456789012345678")->toDouble(), 123456789012345678.0);
    // Beyond the doubles it goes to the nearest end, not to zero.
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Amount::fromString(u"1e400")->toDouble(), inf);
    EXPECT_EQ(Amount::fromString(u"-1e400")->toDouble(), -inf);
    EXPECT_EQ(Amount::fromString(u"1e-400")->toDouble(), 0.0);
}

TEST(Amount, comparesWithTheExactValueOfADouble) {
    const Amount tenth = *Amount::fromString(u"0.1");
    EXPECT_EQ(tenth.compareWithDouble(0.1f), std::strong_ordering::less); // 0.1f is 0.100000001490116…
    EXPECT_EQ(tenth.compareWithDouble(0.1), std::strong_ordering::less);  // 0.1 is 0.1000000000000000055…
    EXPECT_EQ(Amount::fromInt(10).compareWithDouble(10.0f), std::strong_ordering::equal);
    EXPECT_EQ(Amount::fromString(u"-2.25")->compareWithDouble(-2.25f), std::strong_ordering::equal);
    EXPECT_EQ(Amount::fromString(u"0.500000000000000001")->compareWithDouble(0.5), std::strong_ordering::greater);
    EXPECT_EQ(Amount::fromString(u"-0.500000000000000001")->compareWithDouble(-0.5), std::strong_ordering::less);
    EXPECT_EQ(Amount::fromString(u"1e-400")->compareWithDouble(0.0), std::strong_ordering::greater);
    EXPECT_EQ(Amount().compareWithDouble(-0.0), std::strong_ordering::equal);
}

} // namespace
