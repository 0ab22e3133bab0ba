// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/readout.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "chart/chart_size.h"
#include "support/default_example.h"

namespace chart {
namespace {

struct ReadoutCase {
    const char* name;
    model::InputTexts inputs;
    double hour;  // where the pointer stands
    char separator;
    std::string lines;  // the three lines, joined by " | "
    std::string sentence;
};

std::ostream& operator<<(std::ostream& out, const ReadoutCase& row)
{
    return out << row.name;
}

class ReadoutAt : public ::testing::TestWithParam<ReadoutCase> {};

TEST_P(ReadoutAt, SaysTheNearestSample)
{
    const ReadoutCase& row = GetParam();
    const model::FormState state = test_support::stateAfterCalcular(row.inputs);
    const Readout readout = readoutAt(state, nearestSample(state, row.hour), row.separator);
    EXPECT_EQ(readout.line1() + " | " + readout.line2() + " | " + readout.line3(), row.lines);
    EXPECT_EQ(readout.sentence(), row.sentence);
}

const model::InputTexts kStart = {"10", "11", "2", "3", "0", "0"};

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadoutAt,
    ::testing::Values(
        ReadoutCase{"MorningLowOutside", kStart, 8.0, '.', "8:00 | Índice UV 0.4: Bajo | Fuera de la exposición",
                    "8:00, índice UV 0.4, Bajo, fuera de la exposición"},
        ReadoutCase{"MorningLowOutsideComma", kStart, 8.0, ',', "8:00 | Índice UV 0,4: Bajo | Fuera de la exposición",
                    "8:00, índice UV 0,4, Bajo, fuera de la exposición"},
        // 11.502 h is nearer 11:30 than 11.488 h.
        ReadoutCase{"HalfPastElevenInside", kStart, 11.5, '.',
                    "11:30 | Índice UV 8.1: Muy alto | Dentro de la exposición",
                    "11:30, índice UV 8.1, Muy alto, dentro de la exposición"},
        ReadoutCase{"HalfPastElevenInsideComma", kStart, 11.5, ',',
                    "11:30 | Índice UV 8,1: Muy alto | Dentro de la exposición",
                    "11:30, índice UV 8,1, Muy alto, dentro de la exposición"},
        ReadoutCase{"AfternoonHighOutside", kStart, 15.0, ',', "15:00 | Índice UV 6,7: Alto | Fuera de la exposición",
                    "15:00, índice UV 6,7, Alto, fuera de la exposición"},
        // The hour shown is the sample's, 15.996 h, not the pointer's.
        ReadoutCase{"SampleHourNotPointerHour", kStart, 16.0, '.',
                    "15:59 | Índice UV 3.9: Moderado | Fuera de la exposición",
                    "15:59, índice UV 3.9, Moderado, fuera de la exposición"},
        // The window's end is included, as in the shading.
        ReadoutCase{"PeakOnTheWindowsEnd", {"12", "11", "2", "3", "0", "0"}, 13.0, ',',
                    "13:00 | Índice UV 12,0: Extremo | Dentro de la exposición",
                    "13:00, índice UV 12,0, Extremo, dentro de la exposición"}),
    [](const ::testing::TestParamInfo<ReadoutCase>& info) { return std::string(info.param.name); });

// The readout's box on the window's chart (8115 x 5715 twips): 150 x 50
// pixels, 8 pixels from the guide and from the curve's point, as by the keys.
struct BoxCase {
    const char* name;
    model::InputTexts inputs;
    double hour;
    bool right;  // of the guide, else left
    bool below;  // the point, else above
};

std::ostream& operator<<(std::ostream& out, const BoxCase& row)
{
    return out << row.name;
}

class ReadoutBoxAt : public ::testing::TestWithParam<BoxCase> {};

TEST_P(ReadoutBoxAt, StaysInsideThePlotBesideTheGuideAndThePoint)
{
    const BoxCase& row = GetParam();
    const model::FormState state = test_support::stateAfterCalcular(row.inputs);
    const EscalaGrafica scale = escalaGrafica(state, chart::kChartWidthTwips, chart::kChartHeightTwips);
    const Area plot{scale.x0, scale.y0, scale.W, scale.H};
    const int sample = nearestSample(state, row.hour);
    const double guide = scale.x(state.Tiempo[static_cast<std::size_t>(sample)]);
    const double point = scale.y(state.IndiceUV[static_cast<std::size_t>(sample)]);
    constexpr double kWidth = 150 * 15;
    constexpr double kHeight = 50 * 15;
    constexpr double kGap = 8 * 15;
    const Area box = readoutBoxAt(plot, guide, point, kWidth, kHeight, kGap);

    // Inside the frame: the hour labels below it, the index labels left of it
    // and the title above it stay uncovered.
    EXPECT_GE(box.left, plot.left);
    EXPECT_LE(box.left + box.width, plot.left + plot.width);
    EXPECT_GE(box.top, plot.top);
    EXPECT_LE(box.top + box.height, plot.top + plot.height);
    EXPECT_EQ(box.width, kWidth);
    EXPECT_EQ(box.height, kHeight);
    if (row.right)
        EXPECT_EQ(box.left, guide + kGap);
    else
        EXPECT_EQ(box.left + box.width, guide - kGap);
    if (row.below)
        EXPECT_EQ(box.top, point + kGap);
    else
        EXPECT_EQ(box.top + box.height, point - kGap);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadoutBoxAt,
    ::testing::Values(
        // A maximum of 2 keeps the curve in the lower third: low points take the box above.
        BoxCase{"LowMaximumMorning", {"2", "11", "2", "3", "0", "0"}, 8.0, true, false},
        BoxCase{"LowMaximumNoon", {"2", "11", "2", "3", "0", "0"}, 13.0, true, true},
        BoxCase{"LowMaximumEvening", {"2", "11", "2", "3", "0", "0"}, 19.5, false, false},
        BoxCase{"StartPeak", kStart, 13.0, true, true},
        BoxCase{"StartFirstSample", kStart, 6.0, true, false},
        BoxCase{"StartLastSample", kStart, 20.0, false, false},
        BoxCase{"HighMaximumPeakAtTheTop", {"18", "11", "2", "3", "0", "0"}, 13.0, true, true}),
    [](const ::testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.name); });

TEST(ReadoutBoxAt, APlotTooSmallForTheBoxHoldsItAtItsTopLeftCorner)
{
    const Area plot{100, 50, 120, 40};
    const Area box = readoutBoxAt(plot, 160, 70, 150, 50, 8);
    EXPECT_EQ(box.left, 100);
    EXPECT_EQ(box.top, 50);
    // Room on neither side of the guide or the point: pushed back inside the plot.
    const Area tight = readoutBoxAt({0, 0, 300, 100}, 150, 50, 100, 40, 60);
    EXPECT_EQ(tight.left, 0);
    EXPECT_EQ(tight.top, 0);
    const Area tightFar = readoutBoxAt({0, 0, 300, 100}, 200, 50, 100, 40, 60);
    EXPECT_EQ(tightFar.left, 40);
}

TEST(NearestSample, PicksTheNearerNeighbourAndStaysInsideTheCurve)
{
    const model::FormState state = test_support::stateAfterCalcular(kStart);
    EXPECT_EQ(nearestSample(state, 0), 1);
    EXPECT_EQ(nearestSample(state, 6.014), 1);
    EXPECT_EQ(nearestSample(state, 13.0), 500);
    EXPECT_EQ(nearestSample(state, 13.006), 500);
    EXPECT_EQ(nearestSample(state, 13.008), 501);
    EXPECT_EQ(nearestSample(state, 25), 1000);
    // Half way between two samples the earlier one wins.
    const double half = (state.Tiempo[700] + state.Tiempo[701]) / 2;
    EXPECT_EQ(nearestSample(state, half), 700);

    // An hour is about 71 samples; the ends hold the guide.
    EXPECT_EQ(sampleHoursAway(state, 500, 1), 571);
    EXPECT_EQ(sampleHoursAway(state, 500, -1), 429);
    EXPECT_EQ(sampleHoursAway(state, 950, 1), 1000);
    EXPECT_EQ(sampleHoursAway(state, 30, -1), 1);
}

TEST(HourAt, FollowsTheChartsMappingInsideThePlotOnly)
{
    const model::FormState state = test_support::stateAfterCalcular(kStart);
    const EscalaGrafica scale = escalaGrafica(state, chart::kChartWidthTwips, chart::kChartHeightTwips);
    const double middle = scale.y0 + scale.H / 2;
    EXPECT_DOUBLE_EQ(*hourAt(scale, scale.x0, middle), scale.Tmin);
    EXPECT_DOUBLE_EQ(*hourAt(scale, scale.x0 + scale.W, middle), scale.Tmax);
    // The inverse of the drawing's own x(t).
    EXPECT_NEAR(*hourAt(scale, scale.x(12.5), middle), 12.5, 1e-12);
    EXPECT_TRUE(hourAt(scale, scale.x(12.5), scale.y0));
    EXPECT_TRUE(hourAt(scale, scale.x(12.5), scale.y0 + scale.H));

    EXPECT_FALSE(hourAt(scale, scale.x0 - 1, middle));
    EXPECT_FALSE(hourAt(scale, scale.x0 + scale.W + 1, middle));
    EXPECT_FALSE(hourAt(scale, scale.x(12.5), scale.y0 - 1));
    EXPECT_FALSE(hourAt(scale, scale.x(12.5), scale.y0 + scale.H + 1));

    EscalaGrafica flat = scale;
    flat.Tmax = flat.Tmin;
    EXPECT_FALSE(hourAt(flat, scale.x(12.5), middle));
}

}  // namespace
}  // namespace chart
