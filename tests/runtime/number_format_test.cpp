// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/number_format.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include <gtest/gtest.h>

#include "runtime/exact_number.h"

namespace runtime {
namespace {

struct Formatted {
    const char* name;
    double value;
    NumberPattern pattern;
    char separator;
    const char* text;
};

class FormatNumber : public testing::TestWithParam<Formatted> {};

TEST_P(FormatNumber, ShowsThePatternsDigits)
{
    const Formatted& row = GetParam();
    EXPECT_EQ(formatNumber(row.value, row.pattern, row.separator), row.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatNumber,
    testing::Values(
        Formatted{"CorrectedMaximum", 10.15, NumberPattern::OneDecimal, '.', "10.2"},
        Formatted{"CorrectedMaximumComma", 12.4315, NumberPattern::OneDecimal, ',', "12,4"},
        Formatted{"LeadingZeroKept", 0.25, NumberPattern::FourDecimals, '.', "0.2500"},
        Formatted{"SampleTime", 6.014, NumberPattern::ThreeDecimals, '.', "6.014"},
        Formatted{"SampleTimeComma", 10.004, NumberPattern::ThreeDecimals, ',', "10,004"},
        Formatted{"WholeNumberGetsDecimals", 20, NumberPattern::ThreeDecimals, '.', "20.000"},
        Formatted{"Exposure", 4.4466, NumberPattern::TwoDecimals, '.', "4.45"},
        Formatted{"AxisLabel", 14.0 * 2 / 6, NumberPattern::AxisLabel, ',', "4,7"},
        Formatted{"NoGrouping", 1234567.891, NumberPattern::TwoDecimals, '.', "1234567.89"},
        Formatted{"Negative", -9.4, NumberPattern::OneDecimal, '.', "-9.4"},
        Formatted{"NegativeRoundingToZeroHasNoSign", -0.00004, NumberPattern::FourDecimals, '.', "0.0000"},
        Formatted{"NegativeZeroHasNoSign", -0.0, NumberPattern::OneDecimal, ',', "0,0"},
        Formatted{"ExactBinaryValueIsRounded", 0.125, NumberPattern::TwoDecimals, '.', "0.12"},
        Formatted{"AboveHalfRoundsUp", 0.1251, NumberPattern::TwoDecimals, '.', "0.13"},
        Formatted{"RoundingCarriesIntoIntegers", 9.99996, NumberPattern::FourDecimals, '.', "10.0000"},
        Formatted{"HugeValue", 1e30, NumberPattern::OneDecimal, '.', "1000000000000000019884624838656.0"}),
    [](const testing::TestParamInfo<Formatted>& info) { return std::string(info.param.name); });

TEST(FormatNumber, LargestDoubleFitsWithAllDecimals)
{
    const std::string text = formatNumber(-1.7976931348623157e308, NumberPattern::FourDecimals, ',');
    EXPECT_EQ(text.size(), 1u + 309u + 1u + 4u);
    EXPECT_EQ(text.substr(0, 4), "-179");
    EXPECT_EQ(text.substr(text.size() - 5), ",0000");
}

// Every digit needed to read the same double back, never an exponent that a
// spreadsheet might not take, and the user's separator.
TEST(FormatExact, ReadsBackAsTheSameDouble)
{
    const std::pair<double, const char*> shown[] = {
        {13, "13"}, {0.1, "0.1"}, {-0.0, "0"}, {6.014, "6.014"}, {-9.4, "-9.4"}, {1e21, "1000000000000000000000"},
    };
    for (const auto& [value, text] : shown)
        EXPECT_EQ(formatExact(value, '.'), text) << value;
    EXPECT_EQ(formatExact(6.014, ','), "6,014");

    for (const double value : {0.0025038270930516, 10.998000000000001, 1.0 / 3, -2.0 / 3, 5e-324,
                               1.7976931348623157e308, -123456.789e-300}) {
        std::string text = formatExact(value, ',');
        EXPECT_EQ(text.find_first_of("eE."), std::string::npos) << text;
        std::replace(text.begin(), text.end(), ',', '.');
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), value) << text;
    }
}

TEST(FormatHourMinute, DropsTheSecondsNeverRoundingThemIntoTheMinutes)
{
    EXPECT_EQ(formatHourMinute(6.014 / 24), "6:00");    // 6:00:50
    EXPECT_EQ(formatHourMinute(8.012 / 24), "8:00");    // 8:00:43
    EXPECT_EQ(formatHourMinute(20.0 / 24), "20:00");
    EXPECT_EQ(formatHourMinute((13 * 3600 + 59 * 60 + 59.7) / 86400), "13:59");
    EXPECT_EQ(formatHourMinute((13 * 3600 + 59 * 60 + 59.98) / 86400), "13:59");
    EXPECT_EQ(formatHourMinute(0), "0:00");
    EXPECT_EQ(formatHourMinute(9.5 / 24), "9:30");
    // 10.7 as a 32-bit float is 10:41:59.9993: the typed time, not a second less.
    EXPECT_EQ(formatHourMinute(static_cast<double>(10.7f) / 24), "10:42");
    EXPECT_EQ(formatHourMinute(static_cast<double>(10.7f + 1.3f) / 24), "12:00");
    // A clock shows the time of day only.
    EXPECT_EQ(formatHourMinute(1 + 7.25 / 24), "7:15");
    EXPECT_EQ(formatHourMinute(-1.0 / 24), "23:00");
    EXPECT_EQ(formatHourMinute(-0.5 / 86400), "23:59");
    // So many days that scaling them to seconds would overflow.
    EXPECT_EQ(formatHourMinute(std::numeric_limits<double>::max()), "0:00");
    EXPECT_EQ(formatHourMinute(-std::numeric_limits<double>::max()), "0:00");
    EXPECT_EQ(formatHourMinute(1e300 + 0.0), "0:00");
}

// However the program arrives at a whole minute (an hour plus minutes over
// 60, a 32-bit hour), it shows that minute, and any second within it too.
TEST(FormatHourMinute, EveryMinuteOfTheDayShowsAsItself)
{
    for (int minuteOfDay = 0; minuteOfDay < 24 * 60; ++minuteOfDay) {
        const int hour = minuteOfDay / 60;
        const int minute = minuteOfDay % 60;
        const std::string clock = std::to_string(hour) + (minute < 10 ? ":0" : ":") + std::to_string(minute);
        const double hours = hour + minute / 60.0;
        EXPECT_EQ(formatHourMinute(hours / 24), clock);
        EXPECT_EQ(formatHourMinute(static_cast<double>(static_cast<float>(hours)) / 24), clock);
        EXPECT_EQ(formatHourMinute((minuteOfDay * 60.0 + 59.9) / 86400), clock);
    }
}

TEST(IntegerToText, PlainDigitsAndAMinusOnlyWhenNegative)
{
    EXPECT_EQ(integerToText(0), "0");
    EXPECT_EQ(integerToText(18), "18");
    EXPECT_EQ(integerToText(-32768), "-32768");
}

}  // namespace
}  // namespace runtime
