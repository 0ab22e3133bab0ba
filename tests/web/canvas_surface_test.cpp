// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The web page's chart surface: the operation list the page replays, on
// whole device pixels, with the real chart.
#include "web/canvas_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "chart/grafica_indice.h"
#include "support/default_example.h"

namespace web {
namespace {

struct Replayed {
    std::map<int, int> count;  // by operation
    bool wellFormed = true;
    bool onWholePixels = true;  // rectangles on pixel edges, slanted lines between pixel centres
    std::string texts;
    std::vector<float> textSizes;
};

// Walks the list the way the page's script does, stepping over each
// operation's numbers by the count the page is given.
Replayed replay(const CanvasSurface& surface)
{
    Replayed out;
    const auto& ops = surface.commands();
    for (std::size_t i = 0; i < ops.size();) {
        const int op = static_cast<int>(ops[i]);
        const int operands = CanvasSurface::operandCount(static_cast<CanvasSurface::Op>(op));
        if (operands == 0 || i + static_cast<std::size_t>(operands) >= ops.size()) {
            out.wellFormed = false;
            break;
        }
        ++out.count[op];
        for (int k = 1; k <= 4 && (op == CanvasSurface::kLine || op == CanvasSurface::kRect); ++k) {
            const float fraction = ops[i + k] - std::floor(ops[i + k]);
            out.onWholePixels = out.onWholePixels && fraction == (op == CanvasSurface::kLine ? 0.5f : 0.0f);
        }
        if (op == CanvasSurface::kText) {
            out.texts += surface.texts().substr(static_cast<std::size_t>(ops[i + 5]), static_cast<std::size_t>(ops[i + 6]));
            out.texts += '|';
            out.textSizes.push_back(ops[i + 3]);
        }
        i += 1 + static_cast<std::size_t>(operands);
    }
    return out;
}

TEST(CanvasSurface, RecordsTheWholeChartForThePage)
{
    CanvasSurface surface(8115, 5715, 1);
    chart::GraficaIndice(test_support::defaultExampleState(), surface, 9615, ',');
    const Replayed first = replay(surface);
    ASSERT_TRUE(first.wellFormed);
    EXPECT_EQ(surface.commands()[1], 541);  // the canvas, in device pixels
    EXPECT_EQ(surface.commands()[2], 381);
    EXPECT_EQ(first.count.at(CanvasSurface::kClear), 1);
    // Frame 4, shading 142, curve 999, time ticks 16, index ticks 14, grid 210:
    // the slanted parts of the curve as lines, everything else as pixel rectangles.
    EXPECT_EQ(first.count.at(CanvasSurface::kLine) + first.count.at(CanvasSurface::kRect),
              4 + 142 + 999 + 16 + 14 + 210);
    // 1000 samples over 460 pixels: most steps stay in one pixel column or row.
    EXPECT_GT(first.count.at(CanvasSurface::kLine), 100);
    EXPECT_EQ(first.count.at(CanvasSurface::kText), 17);
    EXPECT_TRUE(first.onWholePixels);
    EXPECT_EQ(first.texts.substr(0, 27), "Indice Ultravioleta|6:00|8:");
    EXPECT_NE(first.texts.find("|Tiempo (Hr)|0,0|2,0|"), std::string::npos) << first.texts;
    // A pen is recorded when it changes, not before every line.
    EXPECT_LT(first.count.at(CanvasSurface::kPen), 12);

    // Drawn again at ratio 2: the same operations, twice the pixels, a cleared list.
    surface.setDevicePixelRatio(2);
    chart::GraficaIndice(test_support::defaultExampleState(), surface, 9615, ',');
    const Replayed second = replay(surface);
    ASSERT_TRUE(second.wellFormed);
    EXPECT_EQ(second.count.at(CanvasSurface::kText), 17);
    EXPECT_EQ(second.count.at(CanvasSurface::kLine) + second.count.at(CanvasSurface::kRect),
              first.count.at(CanvasSurface::kLine) + first.count.at(CanvasSurface::kRect));
    EXPECT_TRUE(second.onWholePixels);
    EXPECT_EQ(surface.commands()[1], 1082);
    EXPECT_EQ(second.textSizes.front(), 48);  // 18 points at 96 dpi, doubled
    EXPECT_EQ(second.texts, first.texts);
}

// The canvas's pixels for a ratio of canvas pixels to the chart's own: the
// chart's 541 x 381 times the ratio, rounded as the browser rounds a shown
// size; a ratio that is not whole (a zoomed page, a phone's 2.625, a chart
// shown narrower than in the window) neither gains nor loses a pixel.
struct CanvasSizeRow {
    std::string name;
    double ratio;
    float width;
    float height;
};

class CanvasSize : public testing::TestWithParam<CanvasSizeRow> {};

TEST_P(CanvasSize, IsTheChartTimesTheRatioRounded)
{
    const CanvasSizeRow& row = GetParam();
    CanvasSurface surface(8115, 5715, row.ratio);
    chart::GraficaIndice(test_support::defaultExampleState(), surface, 9615, ',');
    EXPECT_EQ(surface.commands()[0], CanvasSurface::kClear);
    EXPECT_EQ(surface.commands()[1], row.width);
    EXPECT_EQ(surface.commands()[2], row.height);
    EXPECT_TRUE(replay(surface).onWholePixels);
}

INSTANTIATE_TEST_SUITE_P(
    Ratios, CanvasSize,
    testing::Values(CanvasSizeRow{"One", 1, 541, 381}, CanvasSizeRow{"Zoomed125", 1.25, 676, 476},
                    CanvasSizeRow{"Zoomed150", 1.5, 812, 572}, CanvasSizeRow{"Phone2625", 2.625, 1420, 1000},
                    CanvasSizeRow{"Three", 3, 1623, 1143},
                    // A 360-pixel phone at ratio 3: the chart 312 pixels wide on the page.
                    CanvasSizeRow{"PhoneColumn", 3.0 * 312 / 541, 936, 659}),
    [](const testing::TestParamInfo<CanvasSizeRow>& info) { return info.param.name; });

}  // namespace
}  // namespace web
