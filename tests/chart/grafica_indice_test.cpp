// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/grafica_indice.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// The plot rectangle on the designed 8115 x 5715 surface, and the tick length
// the designed window's height of 9615 gives (a ninetieth of it).
constexpr float kLeft = 811;
constexpr float kTop = 457;
constexpr float kRight = 7708;
constexpr float kBottom = 4914;
constexpr float L = 106.83334f;

bool isDrawing(const Op& op)
{
    return op.kind == OpKind::Line || op.kind == OpKind::PSet || op.kind == OpKind::Print;
}

// One letter per drawing operation, in order: L line, . point, P print.
std::string signature(const RecordingSurface& surface)
{
    std::string letters;
    for (const Op& op : surface.ops()) {
        if (isDrawing(op))
            letters += op.kind == OpKind::Line ? 'L' : op.kind == OpKind::PSet ? '.' : 'P';
    }
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

// The parts of one drawing, each told by what it looks like rather than by
// where it comes in the list of operations.
struct Parts {
    std::vector<Op> frame;       // black lines
    std::vector<Op> shading;     // lines in a category colour
    std::vector<Op> curve;       // blue lines two pixels wide
    std::vector<Op> timeTicks;   // blue vertical lines one pixel wide, left to right
    std::vector<Op> indexTicks;  // blue horizontal lines one pixel wide, bottom to top
    std::vector<Op> titles;      // the chart's and the time axis's
    std::vector<Op> hourLabels;  // "h:mm"
    std::vector<Op> indexLabels;
};

Parts partsOf(const RecordingSurface& surface)
{
    Parts parts;
    for (const Op& op : surface.ops()) {
        if (op.kind == OpKind::Line) {
            const bool blue = op.state.colour == kBlue;
            if (op.state.colour == kBlack)
                parts.frame.push_back(op);
            else if (blue && op.state.drawWidth == 2)
                parts.curve.push_back(op);
            else if (blue && op.x1 == op.x2)
                parts.timeTicks.push_back(op);
            else if (blue && op.y1 == op.y2)
                parts.indexTicks.push_back(op);
            else
                parts.shading.push_back(op);
        } else if (op.kind == OpKind::Print) {
            if (op.text == "Indice Ultravioleta" || op.text == "Tiempo (Hr)")
                parts.titles.push_back(op);
            else if (op.text.find(':') != std::string::npos)
                parts.hourLabels.push_back(op);
            else
                parts.indexLabels.push_back(op);
        }
    }
    std::stable_sort(parts.timeTicks.begin(), parts.timeTicks.end(),
                     [](const Op& a, const Op& b) { return a.x1 < b.x1; });
    std::stable_sort(parts.indexTicks.begin(), parts.indexTicks.end(),
                     [](const Op& a, const Op& b) { return a.y1 > b.y1; });
    return parts;
}

std::vector<Op> where(const std::vector<Op>& ops, const std::function<bool(const Op&)>& keep)
{
    std::vector<Op> kept;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(kept), keep);
    return kept;
}

struct Vertex {
    float x;
    float y;
};

// The corners of a path of lines: where it starts, then where each line ends.
std::vector<Vertex> verticesOf(const std::vector<Op>& path)
{
    std::vector<Vertex> vertices;
    if (path.empty())
        return vertices;
    vertices.push_back({path.front().x1, path.front().y1});
    for (const Op& line : path)
        vertices.push_back({line.x2, line.y2});
    return vertices;
}

// The drawing of the window's start-up example on the designed surface.
class DefaultChart : public testing::Test {
protected:
    model::FormState state = test_support::defaultExampleState();
    RecordingSurface surface{8115, 5715};
    EscalaGrafica scale = GraficaIndice(state, surface, kDesignedWindowHeight, '.');
    Parts parts = partsOf(surface);
};

TEST_F(DefaultChart, DrawsEveryPartInOrder)
{
    ASSERT_FALSE(surface.ops().empty());
    EXPECT_EQ(surface.ops().front().kind, OpKind::Cls);
    const std::string expected = "P" + repeat("L", 4)  // title, frame
        + repeat("L", 142) + repeat("L", 999)          // shading, curve
        + repeat("LLP", 8) + "P"                       // time axis and its title
        + repeat("LLP", 7) + repeat(".", 210);         // index axis, grid
    EXPECT_EQ(signature(surface), expected);
}

// The frame is the plot rectangle, and the scale handed back is the one it was drawn with.
TEST_F(DefaultChart, TitleAndFrameAndTheScaleHandedBack)
{
    ASSERT_EQ(parts.titles.size(), 2u);
    const Op& title = parts.titles.front();
    EXPECT_EQ(title.text, "Indice Ultravioleta");
    EXPECT_EQ(title.x1, 2840.25f);
    EXPECT_EQ(title.y1, 0.0f);
    EXPECT_EQ(title.state.fontSize, 18);
    EXPECT_FALSE(title.state.bold);
    EXPECT_EQ(title.state.colour, (Rgb{192, 0, 0}));

    const float frame[4][4] = {{kLeft, kTop, kRight, kTop},
                               {kLeft, kTop, kLeft, kBottom},
                               {kRight, kTop, kRight, kBottom},
                               {kLeft, kBottom, kRight, kBottom}};
    ASSERT_EQ(parts.frame.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const Op& edge = parts.frame[static_cast<std::size_t>(i)];
        SCOPED_TRACE(i);
        EXPECT_EQ(edge.x1, frame[i][0]);
        EXPECT_EQ(edge.y1, frame[i][1]);
        EXPECT_EQ(edge.x2, frame[i][2]);
        EXPECT_EQ(edge.y2, frame[i][3]);
        EXPECT_EQ(edge.state.drawWidth, 1);
    }

    EXPECT_EQ(scale.x0, kLeft);
    EXPECT_EQ(scale.y0, kTop);
    EXPECT_EQ(scale.x0 + scale.W, kRight);
    EXPECT_EQ(scale.y0 + scale.H, kBottom);
    EXPECT_EQ(scale.Tmin, state.Tiempo[1]);
    EXPECT_EQ(scale.Tmax, 20);
    EXPECT_EQ(scale.Vtop, 12);
}

// One path through the 1000 samples, from the left edge at 6:01 to the right
// edge at 20:00. Time and index map linearly onto the plot: the lowest sample
// on the bottom edge, the peak of 10 at 13:00 a sixth of the way down from 12.
TEST_F(DefaultChart, CurveIsOneBlueTwoPixelPathThroughEverySample)
{
    ASSERT_EQ(parts.curve.size(), 999u);
    for (std::size_t k = 1; k < parts.curve.size(); ++k) {
        ASSERT_EQ(parts.curve[k].x1, parts.curve[k - 1].x2) << k;
        ASSERT_EQ(parts.curve[k].y1, parts.curve[k - 1].y2) << k;
    }
    const std::vector<Vertex> vertices = verticesOf(parts.curve);
    const auto at = [&](int sample) { return vertices[static_cast<std::size_t>(sample - 1)]; };

    EXPECT_EQ(at(1).x, kLeft);
    EXPECT_EQ(at(1000).x, kRight);
    EXPECT_NEAR(at(500).x, 4256.05, 0.01);
    EXPECT_NEAR(at(500).y, 1199.99, 0.01);
    int lowest = 1;
    for (int i = 2; i <= model::kSampleCount; ++i)
        lowest = state.IndiceUV[i] < state.IndiceUV[lowest] ? i : lowest;
    EXPECT_NEAR(at(lowest).y, kBottom, 0.01);

    const double t1 = state.Tiempo[1];
    const double peak = state.IndiceUV[500];
    const double low = state.IndiceUV[lowest];
    for (int i = 1; i <= model::kSampleCount; ++i) {
        SCOPED_TRACE(i);
        const double across = (state.Tiempo[i] - t1) / (20 - t1);
        const double down = (peak - state.IndiceUV[i]) / (peak - low);
        ASSERT_NEAR(at(i).x, kLeft + across * (kRight - kLeft), 0.01);
        ASSERT_NEAR(at(i).y, at(500).y + down * (at(lowest).y - at(500).y), 0.01);
    }
    for (const Op& segment : parts.curve) {
        EXPECT_EQ(segment.state.colour, kBlue);
        EXPECT_EQ(segment.state.drawWidth, 2);
    }
}

// A line down from each sample of the window 11:00 to 13:00 but the last,
// from the curve to index 0 just below the bottom edge, orange while the
// sample after it is at most 8, red above.
TEST_F(DefaultChart, ShadesElevenToThirteenFromTheCurveDownOrangeThenRed)
{
    ASSERT_EQ(parts.shading.size(), 142u);
    const std::vector<Vertex> vertices = verticesOf(parts.curve);
    const float zeroLevel = parts.shading.front().y2;
    EXPECT_GT(zeroLevel, kBottom);
    EXPECT_LT(zeroLevel, kBottom + 2);
    // The first sample after 11:00 is at 11:00:43, the one before 13:00 at 12:59:10.
    EXPECT_NEAR(parts.shading.front().x1, 3275.69, 0.01);
    EXPECT_NEAR(parts.shading.back().x1, 4249.14, 0.01);

    int orange = 0;
    int red = 0;
    for (const Op& line : parts.shading) {
        SCOPED_TRACE(line.x1);
        EXPECT_EQ(line.x2, line.x1);
        EXPECT_EQ(line.y2, zeroLevel);
        const auto top = std::find_if(vertices.begin(), vertices.end(),
                                      [&](const Vertex& v) { return v.x == line.x1 && v.y == line.y1; });
        EXPECT_NE(top, vertices.end()) << "the line does not start on the curve";
        EXPECT_EQ(line.state.drawWidth, 1);
        EXPECT_TRUE(line.state.colour == kOrange || line.state.colour == kRed);
        EXPECT_FALSE(line.state.colour == kOrange && red > 0) << "orange after red";
        orange += line.state.colour == kOrange;
        red += line.state.colour == kRed;
    }
    // The last orange line stands at sample 375, whose follower 376 still reads 7.473.
    EXPECT_EQ(orange, 18);
    EXPECT_EQ(red, 124);
}

TEST_F(DefaultChart, TimeAxisTicksLabelsAndTitle)
{
    const float expectedX[8] = {811, 1796.29f, 2781.57f, 3766.86f, 4752.14f, 5737.43f, 6722.71f, 7708};
    const std::vector<Op> bottom = where(parts.timeTicks, [](const Op& op) { return op.y1 == kBottom; });
    const std::vector<Op> top = where(parts.timeTicks, [](const Op& op) { return op.y1 < (kTop + kBottom) / 2; });
    ASSERT_EQ(parts.timeTicks.size(), 16u);
    ASSERT_EQ(bottom.size(), 8u);
    ASSERT_EQ(top.size(), 8u);
    ASSERT_EQ(parts.hourLabels.size(), 8u);
    for (std::size_t i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(bottom[i].x1, expectedX[i], 0.005);
        EXPECT_NEAR(bottom[i].y1 - bottom[i].y2, L, 0.001);
        EXPECT_EQ(top[i].x1, bottom[i].x1);
        EXPECT_FLOAT_EQ(top[i].y1, kTop + L);
        EXPECT_FLOAT_EQ(top[i].y2, kTop);
        EXPECT_EQ(bottom[i].state.drawWidth, 1);

        const Op& label = parts.hourLabels[i];
        EXPECT_FLOAT_EQ(label.x1, bottom[i].x1 - 2 * L);
        EXPECT_NEAR(label.y1, 5010.15, 0.001);
        EXPECT_EQ(label.state.fontSize, 12);
        EXPECT_FALSE(label.state.bold);
        EXPECT_EQ(label.state.colour, kBlue);
    }
    EXPECT_EQ(texts(parts.hourLabels),
              (std::vector<std::string>{"6:00", "8:00", "10:00", "12:00", "14:00", "16:00", "18:00", "20:00"}));

    ASSERT_EQ(parts.titles.size(), 2u);
    const Op& title = parts.titles.back();
    EXPECT_EQ(title.text, "Tiempo (Hr)");
    EXPECT_NEAR(title.x1, 3408.3, 0.001);
    EXPECT_NEAR(title.y1, 5372.1, 0.001);
    EXPECT_TRUE(title.state.bold);
    EXPECT_EQ(title.state.fontSize, 12);
    EXPECT_EQ(title.state.colour, kBlue);
}

TEST_F(DefaultChart, IndexAxisTicksAndLabels)
{
    const std::vector<Op> left = where(parts.indexTicks, [](const Op& op) { return op.x1 == kLeft; });
    const std::vector<Op> right = where(parts.indexTicks, [](const Op& op) { return op.x1 == kRight; });
    ASSERT_EQ(parts.indexTicks.size(), 14u);
    ASSERT_EQ(left.size(), 7u);
    ASSERT_EQ(right.size(), 7u);
    ASSERT_EQ(parts.indexLabels.size(), 7u);
    for (std::size_t j = 0; j < 7; ++j) {
        SCOPED_TRACE(j);
        const auto yj = static_cast<float>(kBottom - 4457.0 * static_cast<double>(j) / 6);
        EXPECT_EQ(left[j].y1, yj);
        EXPECT_FLOAT_EQ(left[j].x2, kLeft + L);
        EXPECT_EQ(left[j].y2, yj);
        EXPECT_EQ(right[j].y1, yj);
        EXPECT_FLOAT_EQ(right[j].x2, kRight - L);

        const Op& label = parts.indexLabels[j];
        EXPECT_NEAR(label.x1, 170, 0.001);
        EXPECT_FLOAT_EQ(label.y1, yj - L);
        EXPECT_FALSE(label.state.bold);
    }
    EXPECT_EQ(texts(parts.indexLabels), (std::vector<std::string>{"0.0", "2.0", "4.0", "6.0", "8.0", "10.0", "12.0"}));
}

TEST_F(DefaultChart, GridRowsFromTheBottomUpAndLeavesSettingsBehind)
{
    const std::vector<Op> points = surface.opsOf(OpKind::PSet);
    ASSERT_EQ(points.size(), 210u);
    for (int j = 0; j < 7; ++j) {
        for (int k = 1; k <= 30; ++k) {
            const Op& point = points[static_cast<std::size_t>(j * 30 + (k - 1))];
            EXPECT_EQ(point.x1, static_cast<float>(811 + 6897.0 * k / 30));
            EXPECT_EQ(point.y1, static_cast<float>(457 + 4457 - 4457.0 * j / 6));
            EXPECT_EQ(point.state.colour, kBlue);
            EXPECT_EQ(point.state.drawWidth, 1);
        }
    }
    EXPECT_EQ(points.front().y1, kBottom);
    EXPECT_EQ(points.back().x1, kRight);
    EXPECT_EQ(points.back().y1, kTop);

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
    const Parts parts = partsOf(surface);
    ASSERT_FALSE(parts.timeTicks.empty() || parts.indexTicks.empty());
    ASSERT_FALSE(parts.hourLabels.empty() || parts.indexLabels.empty());

    const Op& tick = parts.timeTicks.front();
    const Op& timeLabel = parts.hourLabels.front();
    EXPECT_EQ(tick.y1, kBottom);
    EXPECT_EQ(tick.y1 - tick.y2, 100);
    EXPECT_EQ(tick.x1 - timeLabel.x1, 200);
    EXPECT_EQ(timeLabel.y1 - kBottom, 90);

    const Op& indexTick = parts.indexTicks.front();
    const Op& indexLabel = parts.indexLabels.front();
    EXPECT_EQ(indexTick.x1, kLeft);
    EXPECT_EQ(indexTick.x2 - indexTick.x1, 100);
    EXPECT_EQ(indexLabel.x1, kLeft - 600);
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
    state.NumPuntos = model::SampleCount::all();
    return state;
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
    const std::vector<Op> lines = partsOf(surface).shading;
    // Hours 1 to 1000 across the plot; indices from the data minimum 1 to the axis top 14.
    const auto x = [](double hour) { return 811 + 6897 * (hour - 1) / 999; };
    const auto y = [](double index) { return 457 + 4457 * (14 - index) / 13; };
    const Rgb expected[] = {{0, 255, 0}, {255, 255, 0}, {255, 128, 0}, {255, 0, 0}, {192, 0, 192}};
    ASSERT_EQ(lines.size(), 5u);
    for (std::size_t k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(lines[k].state.colour, expected[k]);
        EXPECT_NEAR(lines[k].x1, x(10.0 + static_cast<double>(k)), 0.01);
        EXPECT_NEAR(lines[k].y1, y(window[k]), 0.01);
        EXPECT_NEAR(lines[k].y2, y(0), 0.01);
    }
}

struct WindowRow {
    std::string name;
    float start;
    float duration;
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
    RecordingSurface surface;
    GraficaIndice(state, surface, kDesignedWindowHeight, '.');
    EXPECT_EQ(partsOf(surface).shading.size(), static_cast<std::size_t>(row.lines));
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ShadingWindow,
    testing::Values(WindowRow{"AfterTheLastSample", 1000.5f, 3, 0}, WindowRow{"BeforeTheFirstSample", -5, 4, 0},
                    WindowRow{"OneSample", 40, 0.5f, 0}, WindowRow{"FiveSamples", 40, 4, 4},
                    // The walk starts at sample 2, so sample 1 never opens the window.
                    WindowRow{"StartsAtTheFirstSample", 1, 3, 2}),
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
    state.NumPuntos = model::SampleCount::all();
    RecordingSurface surface;
    GraficaIndice(state, surface, kDesignedWindowHeight, row.separator);
    EXPECT_EQ(texts(partsOf(surface).indexLabels), row.labels);
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
        EXPECT_TRUE(GraficaIndice(*state, surface, kDesignedWindowHeight, '.').emptyRange());
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
    const auto title = std::find_if(surface.ops().begin() + static_cast<std::ptrdiff_t>(once), surface.ops().end(),
                                    [](const Op& op) { return op.kind == OpKind::Print; });
    ASSERT_NE(title, surface.ops().end());
    EXPECT_EQ(title->text, "Indice Ultravioleta");
    EXPECT_EQ(title->state.fontSize, 18);
    EXPECT_EQ(title->state.colour, (Rgb{192, 0, 0}));
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

model::FormState curve(double maximum, model::SampleCount numPuntos = model::SampleCount::all())
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
                    ExtremeRow{"NumPuntosUnset", [] { return curve(10, {}); }, true}),
    [](const auto& info) { return info.param.name; });

TEST(GraficaIndice, UnsetNumPuntosDrawsNoShadingNorCurve)
{
    model::FormState state = curve(10, {});
    RecordingSurface surface;
    GraficaIndice(state, surface, kDesignedWindowHeight, '.');
    EXPECT_EQ(surface.opsOf(OpKind::Line).size(), 4u + 16 + 14);

    state.NumPuntos = model::SampleCount::all();
    RecordingSurface sampled;
    GraficaIndice(state, sampled, kDesignedWindowHeight, '.');
    EXPECT_EQ(sampled.opsOf(OpKind::Line).size(), 4u + 998 + 999 + 16 + 14);
}

}  // namespace
}  // namespace chart
