// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/decimal_text.h"

#include <clocale>
#include <limits>

#include <gtest/gtest.h>

namespace runtime {
namespace {

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
