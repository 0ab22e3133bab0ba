// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/grafica_indice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "chart/escala_grafica.h"
#include "model/curve.h"
#include "support/default_example.h"
#include "support/recording_surface.h"

namespace chart {
namespace {

using runtime::Rgb;
using test_support::Op;
using test_support::OpKind;
using test_support::RecordingSurface;

constexpr float kDesignedWindowHeight = 9615;
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kOrange{255, 128, 0};
constexpr Rgb kRed{255, 0, 0};

bool isDrawing(const Op& op)
{
    return op.kind == OpKind::Line || op.kind == OpKind::PSet || op.kind == OpKind::Print;
}

std::vector<Op> drawingOps(const RecordingSurface& surface)
{
    std::vector<Op> found;
    for (const Op& op : surface.ops()) {
        if (isDrawing(op))
            found.push_back(op);
    }
    return found;
}

// One letter per drawing operation, in order: L line, . point, P print.
std::string signature(const RecordingSurface& surface)
{
    std::string letters;
    for (const Op& op : drawingOps(surface))
        letters += op.kind == OpKind::Line ? 'L' : op.kind == OpKind::PSet ? '.' : 'P';
    return letters;
}

std::string repeat(const std::string& part, int times)
{
    std::string all;
    for (int i = 0; i < times; ++i)
        all += part;
    return all;
}

std::vector<std::string> texts(const std::vector<Op>& prints)
{
    std::vector<std::string> found;
    for (const Op& op : prints)
        found.push_back(op.text);
    return found;
}

// The drawing of the window's start-up example on the designed surface.
class DefaultChart : public testing::Test {
protected:
    void SetUp() override { GraficaIndice(state, surface, kDesignedWindowHeight, '.'); }

    model::FormState state = test_support::defaultExampleState();
    RecordingSurface surface{8115, 5715};
    std::vector<Op> drawn = drawingOps(surface);
    const float L = 106.83334f;
};

TEST_F(DefaultChart, DrawsEveryPartInOrder)
{
    drawn = drawingOps(surface);
    ASSERT_FALSE(surface.ops().empty());
    EXPECT_EQ(surface.ops().front().kind, OpKind::Cls);
    const std::string expected = "P" + repeat("L", 4)  // title, frame
        + repeat("L", 142) + repeat("L", 999)          // shading, curve
        + repeat("LLP", 8) + "P"                       // time axis and its title
        + repeat("LLP", 7) + repeat(".", 210);         // index axis, grid
    EXPECT_EQ(signature(surface), expected);
}

TEST_F(DefaultChart, TitleAndFrame)
{
    drawn = drawingOps(surface);
    ASSERT_GE(drawn.size(), 5u);
    const Op& title = drawn[0];
    EXPECT_EQ(title.text, "Indice Ultravioleta");
    EXPECT_EQ(title.x1, 2840.25f);
    EXPECT_EQ(title.y1, 0.0f);
    EXPECT_EQ(title.state.fontSize, 18);
    EXPECT_FALSE(title.state.bold);
    EXPECT_EQ(title.state.colour, (Rgb{192, 0, 0}));

    const float frame[4][4] = {
        {811, 457, 7708, 457}, {811, 457, 811, 4914}, {7708, 457, 7708, 4914}, {811, 4914, 7708, 4914}};
    for (int i = 0; i < 4; ++i) {
        const Op& edge = drawn[1 + i];
        SCOPED_TRACE(i);
        EXPECT_EQ(edge.x1, frame[i][0]);
        EXPECT_EQ(edge.y1, frame[i][1]);
        EXPECT_EQ(edge.x2, frame[i][2]);
        EXPECT_EQ(edge.y2, frame[i][3]);
        EXPECT_EQ(edge.state.colour, kBlack);
        EXPECT_EQ(edge.state.drawWidth, 1);
    }
}

TEST_F(DefaultChart, ShadesElevenToThirteenOrangeThenRed)
{
    drawn = drawingOps(surface);
    const EscalaGrafica e = escalaGrafica(state, 8115, 5715);
    const auto zeroLevel = static_cast<float>(e.y(0));
    int orange = 0;
    int red = 0;
    for (int k = 0; k < 142; ++k) {
        const Op& line = drawn[5 + k];
        const int sample = 358 + k;
        SCOPED_TRACE(sample);
        EXPECT_EQ(line.x1, static_cast<float>(e.x(state.Tiempo[sample])));
        EXPECT_EQ(line.x2, line.x1);
        EXPECT_EQ(line.y1, static_cast<float>(e.y(state.IndiceUV[sample])));
        EXPECT_EQ(line.y2, zeroLevel);
        EXPECT_EQ(line.state.drawWidth, 1);
        // Orange up to sample 375, whose follower 376 still reads 7.473.
        EXPECT_EQ(line.state.colour, sample <= 375 ? kOrange : kRed);
        orange += line.state.colour == kOrange;
        red += line.state.colour == kRed;
    }
    EXPECT_EQ(orange, 18);
    EXPECT_EQ(red, 124);
}

TEST_F(DefaultChart, CurveIsOneBlueTwoPixelPath)
{
    drawn = drawingOps(surface);
    const EscalaGrafica e = escalaGrafica(state, 8115, 5715);
    for (int k = 0; k < 999; ++k) {
        const Op& segment = drawn[5 + 142 + k];
        SCOPED_TRACE(k);
        EXPECT_EQ(segment.state.colour, kBlue);
        EXPECT_EQ(segment.state.drawWidth, 2);
        EXPECT_EQ(segment.x1, static_cast<float>(e.x(state.Tiempo[k + 1])));
        EXPECT_EQ(segment.y2, static_cast<float>(e.y(state.IndiceUV[k + 2])));
    }
}

TEST_F(DefaultChart, TimeAxisTicksLabelsAndTitle)
{
    drawn = drawingOps(surface);
    const float expectedX[8] = {811, 1796.29f, 2781.57f, 3766.86f, 4752.14f, 5737.43f, 6722.71f, 7708};
    const std::vector<std::string> expectedLabels = {"6:00",  "8:00",  "10:00", "12:00",
                                                     "14:00", "16:00", "18:00", "20:00"};
    const std::size_t first = 5 + 142 + 999;
    std::vector<Op> labels;
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        const Op& bottom = drawn[first + 3 * i];
        const Op& top = drawn[first + 3 * i + 1];
        const Op& label = drawn[first + 3 * i + 2];
        EXPECT_NEAR(bottom.x1, expectedX[i], 0.005);
        EXPECT_EQ(bottom.x2, bottom.x1);
        EXPECT_EQ(bottom.y1, 4914.0f);
        EXPECT_NEAR(bottom.y1 - bottom.y2, L, 0.001);
        EXPECT_EQ(top.x1, bottom.x1);
        EXPECT_FLOAT_EQ(top.y1, 457 + L);
        EXPECT_FLOAT_EQ(top.y2, 457);
        EXPECT_EQ(bottom.state.drawWidth, 1);
        EXPECT_EQ(bottom.state.colour, kBlue);

        EXPECT_FLOAT_EQ(label.x1, bottom.x1 - 2 * L);
        EXPECT_NEAR(label.y1, 5010.15, 0.001);
        EXPECT_EQ(label.state.fontSize, 12);
        EXPECT_FALSE(label.state.bold);
        labels.push_back(label);
    }
    EXPECT_EQ(texts(labels), expectedLabels);

    const Op& title = drawn[first + 24];
    EXPECT_EQ(title.text, "Tiempo (Hr)");
    EXPECT_NEAR(title.x1, 3408.3, 0.001);
    EXPECT_NEAR(title.y1, 5372.1, 0.001);
    EXPECT_TRUE(title.state.bold);
    EXPECT_EQ(title.state.fontSize, 12);
    EXPECT_EQ(title.state.colour, kBlue);
}

TEST_F(DefaultChart, IndexAxisTicksAndLabels)
{
    drawn = drawingOps(surface);
    const std::size_t first = 5 + 142 + 999 + 25;
    std::vector<Op> labels;
    for (int j = 0; j < 7; ++j) {
        SCOPED_TRACE(j);
        const double yj = 457 + 4457 - 4457.0 * j / 6;
        const Op& left = drawn[first + 3 * j];
        const Op& right = drawn[first + 3 * j + 1];
        const Op& label = drawn[first + 3 * j + 2];
        EXPECT_EQ(left.x1, 811.0f);
        EXPECT_EQ(left.y1, static_cast<float>(yj));
        EXPECT_FLOAT_EQ(left.x2, 811 + L);
        EXPECT_EQ(left.y2, left.y1);
        EXPECT_EQ(right.x1, 7708.0f);
        EXPECT_FLOAT_EQ(right.x2, 7708 - L);
        EXPECT_EQ(right.y1, left.y1);

        EXPECT_NEAR(label.x1, 170, 0.001);
        EXPECT_FLOAT_EQ(label.y1, static_cast<float>(yj - L));
        EXPECT_FALSE(label.state.bold);
        labels.push_back(label);
    }
    EXPECT_EQ(texts(labels), (std::vector<std::string>{"0.0", "2.0", "4.0", "6.0", "8.0", "10.0", "12.0"}));
}

TEST_F(DefaultChart, GridRowsFromTheBottomUpAndLeavesSettingsBehind)
{
    const std::vector<Op> points = surface.opsOf(OpKind::PSet);
    ASSERT_EQ(points.size(), 210u);
    for (int j = 0; j < 7; ++j) {
        for (int k = 1; k <= 30; ++k) {
            const Op& point = points[j * 30 + (k - 1)];
            EXPECT_EQ(point.x1, static_cast<float>(811 + 6897.0 * k / 30));
            EXPECT_EQ(point.y1, static_cast<float>(457 + 4457 - 4457.0 * j / 6));
            EXPECT_EQ(point.state.colour, kBlue);
            EXPECT_EQ(point.state.drawWidth, 1);
        }
    }
    EXPECT_EQ(points.front().y1, 4914.0f);
    EXPECT_EQ(points.back().x1, 7708.0f);
    EXPECT_EQ(points.back().y1, 457.0f);

    const test_support::SurfaceState& after = surface.state();
    EXPECT_EQ(after.colour, kBlue);
    EXPECT_EQ(after.drawWidth, 1);
    EXPECT_EQ(after.fontSize, 12);
    EXPECT_FALSE(after.bold);
}

TEST(GraficaIndice, TickLengthFollowsTheWindowHeight)
{
    model::FormState state = test_support::defaultExampleState();
    RecordingSurface surface;
    GraficaIndice(state, surface, 9000, '.');
    const std::vector<Op> drawn = drawingOps(surface);
    const std::size_t time = 5 + 142 + 999;
    const Op& tick = drawn[time];
    const Op& timeLabel = drawn[time + 2];
    EXPECT_EQ(tick.y1 - tick.y2, 100);
    EXPECT_EQ(tick.x1 - timeLabel.x1, 200);
    EXPECT_EQ(timeLabel.y1 - 4914, 90);

    const std::size_t index = time + 25;
    const Op& indexTick = drawn[index];
    const Op& indexLabel = drawn[index + 2];
    EXPECT_EQ(indexTick.x2 - indexTick.x1, 100);
    EXPECT_EQ(indexLabel.x1, 811 - 600);
    EXPECT_EQ(indexTick.y1 - indexLabel.y1, 100);
}

// Samples one hour apart at 1 h, 2 h, ... so a window selects samples by number.
model::FormState hourlySamples(double index)
{
    model::FormState state;
    for (int i = 1; i <= model::kSampleCount; ++i) {
        state.Tiempo[i] = i;
        state.IndiceUV[i] = index;
    }
    state.NumPuntos = model::kSampleCount;
    return state;
}

std::vector<Op> shadingLines(const RecordingSurface& surface, int numPuntos)
{
    const std::vector<Op> lines = surface.opsOf(OpKind::Line);
    const int curve = std::max(numPuntos - 1, 0);
    const auto shading = static_cast<std::ptrdiff_t>(lines.size()) - 4 - curve - 30;
    return {lines.begin() + 4, lines.begin() + 4 + shading};
}

TEST(GraficaIndice, ShadingColourIsTheCategoryOfTheNextSample)
{
    model::FormState state = hourlySamples(1);
    const double window[] = {1, 2.5, 5.5, 7.5, 10.5, 10.51};
    for (int k = 0; k < 6; ++k)
        state.IndiceUV[10 + k] = window[k];
    state.HoraExposicion = 10;
    state.Duracion = 5;

    RecordingSurface surface;
    GraficaIndice(state, surface, kDesignedWindowHeight, '.');
    const std::vector<Op> lines = shadingLines(surface, 1000);
    const EscalaGrafica e = escalaGrafica(state, 8115, 5715);
    const Rgb expected[] = {{0, 255, 0}, {255, 255, 0}, {255, 128, 0}, {255, 0, 0}, {192, 0, 192}};
    ASSERT_EQ(lines.size(), 5u);
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(lines[k].state.colour, expected[k]);
        EXPECT_EQ(lines[k].x1, static_cast<float>(e.x(10 + k)));
        EXPECT_EQ(lines[k].y1, static_cast<float>(e.y(window[k])));
        EXPECT_EQ(lines[k].y2, static_cast<float>(e.y(0)));
    }
}

struct WindowRow {
    std::string name;
    float start;
    float duration;
    int numPuntos;
    int lines;
};

void PrintTo(const WindowRow& row, std::ostream* os)
{
    *os << row.name;
}

class ShadingWindow : public testing::TestWithParam<WindowRow> {};

TEST_P(ShadingWindow, DrawsOneLineFewerThanItsSamples)
{
    const WindowRow& row = GetParam();
    model::FormState state = hourlySamples(3);
    state.IndiceUV[500] = 8;
    state.HoraExposicion = row.start;
    state.Duracion = row.duration;
    state.NumPuntos = row.numPuntos;
    RecordingSurface surface;
    GraficaIndice(state, surface, kDesignedWindowHeight, '.');
    EXPECT_EQ(shadingLines(surface, row.numPuntos).size(), static_cast<std::size_t>(row.lines));
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ShadingWindow,
    testing::Values(WindowRow{"AfterTheLastSample", 1000.5f, 3, 1000, 0},
                    WindowRow{"BeforeTheFirstSample", -5, 4, 1000, 0}, WindowRow{"OneSample", 40, 0.5f, 1000, 0},
                    WindowRow{"FiveSamples", 40, 4, 1000, 4},
                    // The walk starts at sample 2, so sample 1 never opens the window.
                    WindowRow{"StartsAtTheFirstSample", 1, 3, 1000, 2},
                    // Samples past NumPuntos are not walked, though they set the extents.
                    WindowRow{"CutByNumPuntos", 40, 100, 60, 20}, WindowRow{"NumPuntosOne", 0, 2000, 1, 0}),
    [](const auto& info) { return info.param.name; });

struct IndexLabelRow {
    std::string name;
    double maximum;
    char separator;
    std::vector<std::string> labels;
};

void PrintTo(const IndexLabelRow& row, std::ostream* os)
{
    *os << row.name;
}

class IndexLabels : public testing::TestWithParam<IndexLabelRow> {};

TEST_P(IndexLabels, SplitTheAxisInSixths)
{
    const IndexLabelRow& row = GetParam();
    model::FormState state;
    model::sampleCurve(row.maximum, state);
    state.IndiceUV[1] = 0;  // Vmin exactly 0
    state.NumPuntos = model::kSampleCount;
    RecordingSurface surface;
    GraficaIndice(state, surface, kDesignedWindowHeight, row.separator);
    const std::vector<Op> prints = surface.opsOf(OpKind::Print);
    ASSERT_EQ(prints.size(), 17u);
    EXPECT_EQ(texts({prints.begin() + 10, prints.end()}), row.labels);
}

INSTANTIATE_TEST_SUITE_P(
    Axes, IndexLabels,
    testing::Values(IndexLabelRow{"TopTwelve", 9, '.', {"0.0", "2.0", "4.0", "6.0", "8.0", "10.0", "12.0"}},
                    IndexLabelRow{"TopFourteen", 11, '.', {"0.0", "2.3", "4.7", "7.0", "9.3", "11.7", "14.0"}},
                    IndexLabelRow{"TopSixComma", 4, ',', {"0,0", "1,0", "2,0", "3,0", "4,0", "5,0", "6,0"}}),
    [](const auto& info) { return info.param.name; });

TEST(GraficaIndice, EmptyRangeDrawsTitleAndFrameOnly)
{
    model::FormState flat = hourlySamples(13);  // Vtop is the maximum, which is also the minimum
    model::FormState instant = test_support::defaultExampleState();
    instant.Tiempo.fill(12);
    for (const model::FormState* state : {&flat, &instant}) {
        RecordingSurface surface;
        GraficaIndice(*state, surface, kDesignedWindowHeight, '.');
        EXPECT_EQ(signature(surface), "PLLLL");
        EXPECT_EQ(surface.opsOf(OpKind::Print).front().text, "Indice Ultravioleta");
    }
}

TEST(GraficaIndice, RedrawStartsWithAClearedSurface)
{
    model::FormState state = test_support::defaultExampleState();
    RecordingSurface surface;
    GraficaIndice(state, surface, kDesignedWindowHeight, '.');
    const std::size_t once = surface.ops().size();
    GraficaIndice(state, surface, kDesignedWindowHeight, '.');
    ASSERT_EQ(surface.ops().size(), 2 * once);
    EXPECT_EQ(surface.ops()[once].kind, OpKind::Cls);
    // The first call's blue and size 12 are still in force: the second must
    // set the title's own size and colour before printing it.
    const Op title = surface.opsOf(OpKind::Print)[17];  // a copy: opsOf returns a new vector
    EXPECT_EQ(title.state.fontSize, 18);
    EXPECT_EQ(title.state.colour, (Rgb{192, 0, 0}));
}

struct ExtremeRow {
    std::string name;
    std::function<model::FormState()> make;
    bool axes;
};

void PrintTo(const ExtremeRow& row, std::ostream* os)
{
    *os << row.name;
}

model::FormState curve(double maximum, std::optional<int> numPuntos = model::kSampleCount)
{
    model::FormState state;
    model::sampleCurve(maximum, state);
    state.NumPuntos = numPuntos;
    state.HoraExposicion = 6;
    state.Duracion = 14;
    return state;
}

class ExtremeCurve : public testing::TestWithParam<ExtremeRow> {};

TEST_P(ExtremeCurve, HandsOnlyFiniteCoordinatesToTheSurface)
{
    const model::FormState state = GetParam().make();
    RecordingSurface surface;
    GraficaIndice(state, surface, kDesignedWindowHeight, '.');
    for (const Op& op : surface.ops()) {
        EXPECT_TRUE(std::isfinite(op.x1) && std::isfinite(op.y1) && std::isfinite(op.x2) && std::isfinite(op.y2))
            << op.x1 << ' ' << op.y1 << ' ' << op.x2 << ' ' << op.y2;
        EXPECT_TRUE(std::isfinite(op.state.currentX) && std::isfinite(op.state.currentY));
    }
    if (GetParam().axes) {
        EXPECT_EQ(surface.opsOf(OpKind::PSet).size(), 210u);
        EXPECT_EQ(surface.opsOf(OpKind::Print).size(), 1u + 8 + 1 + 7);
    } else {
        EXPECT_EQ(signature(surface), "PLLLL");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Data, ExtremeCurve,
    testing::Values(ExtremeRow{"Huge", [] { return curve(1e30); }, true},
                    ExtremeRow{"FloatLimit", [] { return curve(std::numeric_limits<float>::max()); }, true},
                    ExtremeRow{"DoubleLimit", [] { return curve(std::numeric_limits<double>::max()); }, true},
                    ExtremeRow{"Negative", [] { return curve(-5); }, true},
                    ExtremeRow{"Zero", [] { return curve(0); }, true},
                    // inf everywhere: no sample has a position, the axes are still drawn.
                    ExtremeRow{"Infinite", [] { return curve(INFINITY); }, true},
                    ExtremeRow{"OneInfiniteSample",
                               [] {
                                   model::FormState s = curve(10);
                                   s.IndiceUV[500] = INFINITY;
                                   return s;
                               },
                               true},
                    ExtremeRow{"NotANumber", [] { return curve(NAN); }, true},
                    // Index 0 lies millions of plot heights below the frame.
                    ExtremeRow{"NearlyFlatHigh",
                               [] {
                                   model::FormState s = curve(10);
                                   s.IndiceUV.fill(100);
                                   s.IndiceUV[700] = 100.000001;
                                   return s;
                               },
                               true},
                    // No sample is below the minimum's starting value, so the axis spans 10000 to 1e30.
                    ExtremeRow{"FlatHuge",
                               [] {
                                   model::FormState s = curve(10);
                                   s.IndiceUV.fill(1e30);
                                   return s;
                               },
                               true},
                    ExtremeRow{"NumPuntosPastTheArrays", [] { return curve(10, 5000); }, true},
                    ExtremeRow{"NumPuntosUnset", [] { return curve(10, std::nullopt); }, true},
                    ExtremeRow{"NumPuntosNegative", [] { return curve(10, -3); }, true}),
    [](const auto& info) { return info.param.name; });

TEST(GraficaIndice, UnsetNumPuntosDrawsNoShadingNorCurve)
{
    model::FormState state = curve(10, std::nullopt);
    RecordingSurface surface;
    GraficaIndice(state, surface, kDesignedWindowHeight, '.');
    EXPECT_EQ(surface.opsOf(OpKind::Line).size(), 4u + 16 + 14);

    state.NumPuntos = 5000;  // as many as the arrays hold
    RecordingSurface clamped;
    GraficaIndice(state, clamped, kDesignedWindowHeight, '.');
    EXPECT_EQ(clamped.opsOf(OpKind::Line).size(), 4u + 998 + 999 + 16 + 14);
}

}  // namespace
}  // namespace chart
