// The conversion of a typed measurement text to a number.

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "core/ParseMeasurementText.h"

using vertebra::ParseMeasurementText;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Same bits, so that -0 differs from 0; every NaN matches every NaN.
::testing::AssertionResult SameDouble(double expected, double actual) {
    if (std::isnan(expected) && std::isnan(actual)) return ::testing::AssertionSuccess();
    if (std::memcmp(&expected, &actual, sizeof(double)) == 0) return ::testing::AssertionSuccess();
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "expected %.17g, got %.17g", expected, actual);
    return ::testing::AssertionFailure() << buffer;
}

struct Case {
    const char* name;
    const char* text;
    double value;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class Conversion : public ::testing::TestWithParam<Case> {};

TEST_P(Conversion, GivesValue) {
    EXPECT_TRUE(SameDouble(GetParam().value, ParseMeasurementText(GetParam().text)))
        << "text \"" << GetParam().text << "\"";
}

// The forms an expert types.
INSTANTIATE_TEST_SUITE_P(
    TypedForms, Conversion,
    ::testing::Values(Case{"Integer", "23", 23}, Case{"Decimal", "55.6", 55.6},
                      Case{"ThreeDecimals", "0.001", 0.001}, Case{"PointFirst", ".5", 0.5},
                      Case{"PointLast", "5.", 5}, Case{"Thousand", "1000", 1000},
                      Case{"Exponent", "5.56e1", 55.6}, Case{"CapitalExponent", "1E3", 1000},
                      Case{"NegativeExponent", "556e-1", 55.6}, Case{"ExplicitPlus", "+55.6", 55.6},
                      Case{"Negative", "-70", -70}, Case{"NegativeZero", "-0", -0.0},
                      Case{"LeadingZeros", "000055.600", 55.6}),
    [](const auto& info) { return info.param.name; });

// Where the number ends, and texts that hold none.
INSTANTIATE_TEST_SUITE_P(
    NumberEnds, Conversion,
    ::testing::Values(
        Case{"CommaEndsNumber", "55,6", 55}, Case{"SecondPointEndsNumber", "1.2.3", 1.2},
        Case{"UnitAfterNumber", "70мм", 70}, Case{"SpaceInsideNumber", "7 0", 7},
        Case{"HexIsNotRead", "0x50", 0}, Case{"LettersFirst", "мм70", 0}, Case{"Empty", "", 0},
        Case{"BlanksOnly", " \t ", 0}, Case{"LoneSign", "-", 0},  // no digit: plain zero, not -0
        Case{"LonePoint", ".", 0}, Case{"SignAndPoint", "-.", 0},
        Case{"PointThenExponent", ".e5", 0},
        Case{"NonBreakingSpaceIsNotBlank",
             "\xC2\xA0"
             "5",
             0},
        Case{"Cp1251NonBreakingSpace",
             "\xA0"
             "5",
             0},
        Case{"NulEndsNumber",
             "5\0"
             "5",
             5},
        Case{"ExponentWithoutDigits", "5e", 5}, Case{"ExponentSignWithoutDigits", "5e+", 5},
        Case{"ExponentSignThenLetter", "5e-x", 5}, Case{"SecondExponentIgnored", "1e1e1", 10}),
    [](const auto& info) { return info.param.name; });

// Infinity and NaN are words only straight after an explicit sign, in capitals.
INSTANTIATE_TEST_SUITE_P(
    Words, Conversion,
    ::testing::Values(Case{"PlusInf", "+INF", kInf}, Case{"MinusInf", "-INF", -kInf},
                      Case{"InfWithTail", "+INFINITY and more", kInf},
                      Case{"PlusNan", "+NAN", std::numeric_limits<double>::quiet_NaN()},
                      Case{"MinusNan", "-NAN", std::numeric_limits<double>::quiet_NaN()},
                      Case{"BlanksThenNan", " \t+NAN", std::numeric_limits<double>::quiet_NaN()},
                      Case{"UnsignedInf", "INF", 0}, Case{"UnsignedNan", "NAN", 0},
                      Case{"SmallInf", "+inf", 0}, Case{"SmallNan", "-nan", 0},
                      Case{"ShortWord", "+IN", 0}, Case{"SpaceAfterSign", "+ INF", 0}),
    [](const auto& info) { return info.param.name; });

// Range: the written exponent's limits, then the double's.
INSTANTIATE_TEST_SUITE_P(
    Range, Conversion,
    ::testing::Values(
        Case{"TenThousand", "1e4", 10000}, Case{"AboveDoubleRange", "1e400", kInf},
        Case{"NegativeAboveRange", "-1e400", -kInf},
        Case{"LargestDouble", "1.7976931348623157e308", DBL_MAX},
        Case{"JustAboveLargestRoundsDown", "1.7976931348623158e308", DBL_MAX},
        Case{"HalfwayAboveLargest", "1.797693134862315808e308", kInf},
        Case{"BelowDoubleRange", "1e-400", 0},
        Case{"SmallestSubnormal", "4.9406564584124654e-324", 4.9406564584124654e-324},
        Case{"JustBelowHalfSmallestSubnormal", "2.4703282292062327e-324", 0},
        Case{"JustAboveHalfSmallestSubnormal", "2.4703282292062328e-324", 4.9406564584124654e-324},
        Case{"SmallestNormal", "2.2250738585072014e-308", DBL_MIN},
        Case{"WrittenExponentAtLimit", "1e4932", kInf},
        Case{"WrittenExponentAboveLimit", "1e4933", kInf},
        Case{"SmallMantissaAboveLimit", "0.0000001e4933", kInf},  // the written exponent decides
        Case{"ZeroMantissaAboveLimit", "0e4933", 0},
        Case{"NegativeZeroAboveLimit", "-0e99999", -0.0},
        Case{"NegativeAboveLimit", "-1e4933", -kInf},
        Case{"WrittenExponentAtLowerLimit", "1e-4932", 0},
        Case{"LargeMantissaBelowLimit", "1000000e-4933", 0},
        Case{"NegativeBelowLimit", "-5e-4933", -0.0},
        Case{"HugeExponentDigits", "1e000000000000000000000000000000000002", 100},
        Case{"EndlessExponent", "1e99999999999999999999999999999999999999", kInf}),
    [](const auto& info) { return info.param.name; });

// Only the first 19 significant digits count; the others move the point.
INSTANTIATE_TEST_SUITE_P(
    LongMantissas, Conversion,
    ::testing::Values(
        Case{"NineteenDigits", "1234567890123456789", 1234567890123456789.0},
        Case{"ManyNinesNearestDouble", "55.59999999999999999999", 55.6},
        // 2^60 + 128 lies halfway between two doubles: the dropped ".9" would have tipped it up.
        Case{"TwentiethDigitDroppedNotRounded", "1152921504606847104.9", 0x1p60},
        Case{"DroppedIntegerDigitsMovePoint", "12345678901234567890123", 1.2345678901234568e22},
        Case{"LeadingZerosDoNotCount", "0.000000000000000000001234567890123456789999",
             1.2345678901234568e-21},
        Case{"TrailingZerosBeyondNineteen", "55.600000000000000000000000", 55.6}),
    [](const auto& info) { return info.param.name; });

TEST(ConversionWhiteSpace, LeadingBlankOfEveryKindIsSkipped) {
    for (const char* text : {"55.6", "70мм", "+INF", "-1e3", "", "0.001"}) {
        const double plain = ParseMeasurementText(text);
        for (char blank : {'\t', '\n', '\v', '\f', '\r', ' '}) {
            const std::string padded = std::string(3, blank) + text;
            EXPECT_TRUE(SameDouble(plain, ParseMeasurementText(padded)))
                << "text \"" << text << "\" after character " << int(blank);
        }
    }
}

// Every value with up to three decimals in (0, 1000] is the double nearest to it, which is what
// the C library's correctly rounded conversion gives.
TEST(ConversionExactness, EveryThreeDecimalValueUpToThousandIsNearestDouble) {
    char text[32];
    int mismatches = 0;
    for (int k = 1; k <= 1000000; ++k) {
        std::snprintf(text, sizeof text, "%d.%03d", k / 1000, k % 1000);
        const double expected = std::strtod(text, nullptr);
        if (!SameDouble(expected, ParseMeasurementText(text)) && ++mismatches <= 10) {
            ADD_FAILURE() << "text " << text;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(ConversionExactness, OtherSpellingsOfTheSameValueAgree) {
    const double value = ParseMeasurementText("55.6");
    for (const char* text : {"55.60", "055.6", "5.56e1", "0.556e2", "556e-1", "55600e-3", "+55.6",
                             "55.6e0", "55.6e+0", "5560000000000000000e-17"}) {
        EXPECT_TRUE(SameDouble(value, ParseMeasurementText(text))) << text;
    }
}

// Under a locale whose decimal separator is a comma the full stop is still the point.
TEST(ConversionLocale, CommaLocaleChangesNothing) {
#ifdef _WIN32
    ASSERT_NE(std::setlocale(LC_ALL, "Russian_Russia.1251"), nullptr);
#else
    ASSERT_NE(std::setlocale(LC_ALL, "ru_RU.UTF-8"), nullptr)
        << "the test set-up generates ru_RU.UTF-8 under LOCPATH";
#endif
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    char text[32];
    int mismatches = 0;
    for (int k = 1; k <= 1000000; k += 7) {
        std::snprintf(text, sizeof text, "%d.%03d", k / 1000, k % 1000);
        const double expected = (k / 1000) + (k % 1000) / 1000.0;
        const double got = ParseMeasurementText(text);
        if (std::abs(got - expected) > 1e-9 && ++mismatches <= 10) ADD_FAILURE() << text;
    }
    EXPECT_TRUE(SameDouble(55.0, ParseMeasurementText("55,6")));
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(mismatches, 0);
}

TEST(ConversionLongText, MegabyteTextsAreReadWhole) {
    const std::size_t mega = 1 << 20;
    EXPECT_TRUE(SameDouble(kInf, ParseMeasurementText(std::string(mega, '7'))));
    EXPECT_TRUE(SameDouble(0.0, ParseMeasurementText("0." + std::string(mega, '0') + "1")));
    EXPECT_TRUE(SameDouble(5.0, ParseMeasurementText(std::string(mega, ' ') + "5")));
    EXPECT_TRUE(SameDouble(0.0, ParseMeasurementText(std::string(mega, 'x'))));
    EXPECT_TRUE(SameDouble(12.0, ParseMeasurementText("12" + std::string(mega, 'x'))));
    // Digits after the point beyond the nineteenth do not count, however many there are.
    EXPECT_TRUE(SameDouble(ParseMeasurementText("1.234567890123456789"),
                           ParseMeasurementText("1.234567890123456789" + std::string(mega, '9'))));
}

}  // namespace

#if LDBL_MANT_DIG == 64
namespace {

// The x87 unit's extended format computes exactly what the conversion specifies: M times or
// divided by a power of ten with a 64-bit significand, then rounded to a double. The texts are
// written from a chosen M and decimal exponent, so the reference does not parse them at all.
double X87Reference(std::uint64_t m, int d, bool negative) {
    long double power = 1;
    if (std::abs(d) <= 27) {
        for (int i = 0; i < std::abs(d); ++i)
            power *= 10;  // exact: 10^27 < 2^64 * 2^27
    } else {
        // glibc rounds this once, correctly, to 64 bits.
        power = std::strtold(("1e" + std::to_string(std::abs(d))).c_str(), nullptr);
    }
    const long double v =
        d >= 0 ? static_cast<long double>(m) * power : static_cast<long double>(m) / power;
    const double r = static_cast<double>(v);
    return negative ? -r : r;
}

struct GeneratedText {
    std::string text;
    std::uint64_t m = 0;
    int d = 0;
    bool negative = false;
};

// A text with random digits (some beyond the nineteenth), point, leading zeros, sign and
// exponent spelling, whose value is M * 10^d.
GeneratedText Generate(std::mt19937_64& rng, int d) {
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    GeneratedText g;
    g.d = d;
    const int length = pick(0, 3) == 0 ? pick(20, 30) : pick(1, 19);
    std::string digits(1, static_cast<char>('1' + pick(0, 8)));
    for (int i = 1; i < length; ++i)
        digits += static_cast<char>('0' + pick(0, 9));
    const int kept = std::min(length, 19);
    for (int i = 0; i < kept; ++i)
        g.m = g.m * 10 + static_cast<std::uint64_t>(digits[i] - '0');

    const int integerDigits = pick(0, length);
    const int leadingZeros = integerDigits == 0 ? pick(0, 3) : 0;
    const int shift =
        std::max(0, integerDigits - 19) - leadingZeros - std::max(0, kept - integerDigits);
    const int written = d - shift;

    g.negative = pick(0, 3) == 0;
    if (g.negative)
        g.text += '-';
    else if (pick(0, 5) == 0)
        g.text += '+';
    if (integerDigits == 0 && pick(0, 1) == 0) g.text += '0';
    g.text += digits.substr(0, integerDigits);
    if (integerDigits < length || pick(0, 3) == 0) {
        g.text += '.';
        g.text += std::string(leadingZeros, '0');
        g.text += digits.substr(integerDigits);
    }
    if (written != 0 || pick(0, 4) == 0) {
        g.text += pick(0, 1) ? 'e' : 'E';
        if (written >= 0 && pick(0, 1)) g.text += '+';
        g.text += std::to_string(written);
    }
    if (pick(0, 4) == 0) g.text += "мм";
    return g;
}

void CompareWithX87(int lowestD, int highestD, int count, std::uint64_t seed) {
    std::mt19937_64 rng(seed);
    int mismatches = 0;
    for (int i = 0; i < count; ++i) {
        const int d = std::uniform_int_distribution<int>(lowestD, highestD)(rng);
        const GeneratedText g = Generate(rng, d);
        const double expected = X87Reference(g.m, g.d, g.negative);
        const auto same = SameDouble(expected, ParseMeasurementText(g.text));
        if (!same && ++mismatches <= 10)
            ADD_FAILURE() << "text " << g.text << ": " << same.message();
    }
    EXPECT_EQ(mismatches, 0) << "of " << count;
}

TEST(ConversionAgainstX87, ExactPowersOfTen) {
    CompareWithX87(-27, 27, 2000000, 20261211);
}

TEST(ConversionAgainstX87, RoundedPowersOfTenAcrossTheDoubleRange) {
    CompareWithX87(-345, 310, 500000, 4932);
}

}  // namespace
#endif
