// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/number_text.h"

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>

#include <gtest/gtest.h>

namespace runtime {
namespace {

struct Accepted {
    const char* name;
    char separator;
    const char* text;
    float value;
};

class TextToSingleAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(TextToSingleAccepts, GivesTheNearestFloat)
{
    const Accepted& row = GetParam();
    const SingleResult result = textToSingle(row.text, row.separator);
    ASSERT_TRUE(std::holds_alternative<float>(result)) << row.text;
    const float value = std::get<float>(result);
    // Bit for bit: the sign of zero and the last bit of the mantissa matter.
    EXPECT_EQ(std::memcmp(&value, &row.value, sizeof value), 0) << row.text << " gave " << value;
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextToSingleAccepts,
    testing::Values(
        Accepted{"Integer", '.', "10", 10.0f},
        Accepted{"PointDecimal", '.', "2.5", 2.5f},
        Accepted{"CommaDecimal", ',', "2,5", 2.5f},
        Accepted{"NegativeComma", ',', "-4,25", -4.25f},
        Accepted{"PlusSign", '.', "+3", 3.0f},
        Accepted{"SurroundingBlanks", '.', "  \t7.5 \t", 7.5f},
        Accepted{"LeadingSeparator", ',', ",5", 0.5f},
        Accepted{"TrailingSeparator", '.', "5.", 5.0f},
        Accepted{"Exponent", ',', "2,5e3", 2500.0f},
        Accepted{"NegativeExponent", '.', "125E-2", 1.25f},
        Accepted{"RoundsToNearestFloat", '.', "0.1", 0.1f},
        Accepted{"TwelvePointSeven", ',', "12,7", 12.7f},
        Accepted{"LargestFloat", '.', "3.4028234e38", std::numeric_limits<float>::max()},
        Accepted{"HalfwayRoundsToEven", '.', "16777217", 16777216.0f},
        Accepted{"JustAboveHalfwayRoundsUp", '.', "16777217.000000001", 16777218.0f},
        Accepted{"SmallestSubnormal", '.', "1.4e-45", std::numeric_limits<float>::denorm_min()},
        Accepted{"UnderflowIsZero", '.', "1e-60", 0.0f},
        Accepted{"NegativeUnderflowIsNegativeZero", '.', "-1e-60", -0.0f},
        Accepted{"HugeNegativeExponentOfZero", '.', "0e999999999999", 0.0f},
        Accepted{"ManyDigits", '.', "0.000000000000000000000000000000000000000000000000001e51", 1.0f}),
    [](const testing::TestParamInfo<Accepted>& info) { return std::string(info.param.name); });

struct Refused {
    const char* name;
    char separator;
    const char* text;
    ConversionError error;
};

class TextToSingleRefuses : public testing::TestWithParam<Refused> {};

TEST_P(TextToSingleRefuses, SaysWhy)
{
    const Refused& row = GetParam();
    const SingleResult result = textToSingle(row.text, row.separator);
    ASSERT_TRUE(std::holds_alternative<ConversionError>(result))
        << row.text << " gave " << std::get<float>(result);
    EXPECT_EQ(std::get<ConversionError>(result), row.error) << row.text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextToSingleRefuses,
    testing::Values(
        Refused{"Empty", '.', "", ConversionError::Empty},
        Refused{"Blanks", ',', "   \t ", ConversionError::Empty},
        Refused{"Letters", '.', "abc", ConversionError::NotANumber},
        Refused{"TrailingLetter", '.', "3a", ConversionError::NotANumber},
        Refused{"OtherSeparatorInCommaLocale", ',', "2.5", ConversionError::NotANumber},
        Refused{"OtherSeparatorInPointLocale", '.', "2,5", ConversionError::NotANumber},
        Refused{"SeparatorAlone", '.', ".", ConversionError::NotANumber},
        Refused{"SignAlone", '.', "-", ConversionError::NotANumber},
        Refused{"TwoSigns", '.', "+-3", ConversionError::NotANumber},
        Refused{"ExponentWithoutDigits", '.', "1e", ConversionError::NotANumber},
        Refused{"ExponentAlone", '.', "e5", ConversionError::NotANumber},
        Refused{"InnerBlank", '.', "1 000", ConversionError::NotANumber},
        Refused{"Hexadecimal", '.', "0x1A", ConversionError::NotANumber},
        Refused{"TwoSeparators", '.', "1.2.3", ConversionError::NotANumber},
        Refused{"Infinity", '.', "inf", ConversionError::NotFinite},
        Refused{"SignedInfinity", '.', "-Infinity", ConversionError::NotFinite},
        Refused{"NaN", ',', "NaN", ConversionError::NotFinite},
        Refused{"BeyondLargestFloat", '.', "3.5e38", ConversionError::OutOfRange},
        Refused{"NegativeBeyondRange", '.', "-1e39", ConversionError::OutOfRange},
        Refused{"HugeExponent", '.', "1e99999999999999999999", ConversionError::OutOfRange},
        Refused{"ManyIntegerDigits", '.', "1000000000000000000000000000000000000000", ConversionError::OutOfRange}),
    [](const testing::TestParamInfo<Refused>& info) { return std::string(info.param.name); });

TEST(TextToSingle, EveryRefusalHasASpanishReason)
{
    for (const auto error : {ConversionError::Empty, ConversionError::NotANumber, ConversionError::OutOfRange,
                             ConversionError::NotFinite}) {
        EXPECT_FALSE(describe(error).empty());
    }
    EXPECT_EQ(describe(ConversionError::NotANumber), "no es un número válido");
}

struct DoubleRow {
    const char* name;
    char separator;
    const char* text;
    DoubleResult result;
};

class TextToDouble : public testing::TestWithParam<DoubleRow> {};

TEST_P(TextToDouble, ReadsAsTextToSingleWithADoublesRange)
{
    const DoubleRow& row = GetParam();
    EXPECT_EQ(textToDouble(row.text, row.separator), row.result) << row.text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextToDouble,
    testing::Values(
        DoubleRow{"CommaDecimal", ',', " -3,70 ", -3.70},
        DoubleRow{"PointDecimal", '.', "40.45", 40.45},
        DoubleRow{"NearestDoubleNotFloat", '.', "0.1", 0.1},
        DoubleRow{"ExponentWithDecimals", ',', "2,5e-3", 0.0025},
        DoubleRow{"BeyondAFloat", '.', "1e300", 1e300},
        DoubleRow{"LargestDouble", '.', "1.7976931348623157e308", std::numeric_limits<double>::max()},
        DoubleRow{"BeyondADouble", '.', "1e309", ConversionError::OutOfRange},
        DoubleRow{"OtherSeparator", ',', "2.5", ConversionError::NotANumber},
        DoubleRow{"HexFloat", '.', "0x1p3", ConversionError::NotANumber},
        DoubleRow{"Infinity", '.', "-Infinity", ConversionError::NotFinite},
        DoubleRow{"NotANumber", ',', "NaN", ConversionError::NotFinite},
        DoubleRow{"Blank", ',', " \t", ConversionError::Empty},
        DoubleRow{"SeparatorAlone", ',', ",", ConversionError::NotANumber},
        DoubleRow{"ExponentWithoutDigits", '.', "3e", ConversionError::NotANumber}),
    [](const testing::TestParamInfo<DoubleRow>& info) { return std::string(info.param.name); });

TEST(TextToDouble, IgnoresTheProcessLocale)
{
    // A Qt program has the user's LC_NUMERIC set; strtod would then want its comma.
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "es_ES.UTF-8"))
        GTEST_SKIP() << "es_ES.UTF-8 is not installed";
    EXPECT_EQ(textToDouble("40.45", '.'), DoubleResult(40.45));
    EXPECT_EQ(textToDouble("40,45", ','), DoubleResult(40.45));
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(WithDecimalSeparator, SuggestsTheExpectedSeparator)
{
    EXPECT_EQ(withDecimalSeparator(" -3.70 ", ','), "-3,70");
    EXPECT_EQ(withDecimalSeparator("2,5e3", '.'), "2.5e3");
    EXPECT_EQ(withDecimalSeparator("abc", ','), std::nullopt);
    EXPECT_EQ(withDecimalSeparator("3,70", ','), std::nullopt);  // already right
    EXPECT_EQ(withDecimalSeparator("12", ','), std::nullopt);
}

}  // namespace
}  // namespace runtime
