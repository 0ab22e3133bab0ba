// The web page's chart surface: where its lines and points land on device
// pixels, and the operation list the page replays, with the real chart.
#include "web/canvas_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "chart/grafica_indice.h"
#include "support/default_example.h"
#include "web/pixel_snap.h"

namespace web {
namespace {

TEST(PixelSnap, ChartUnitsLandOnWholeDevicePixels)
{
    using namespace device_pixels;
    struct Row {
        float twips;
        double ratio;
        int pixel;
    };
    // The pixel that holds the coordinate, at ratios 1, 1.5 and 2.
    const Row rows[] = {{457, 1, 30}, {449.9f, 1, 29}, {450, 1, 30}, {457, 2, 60}, {457, 1.5, 45},
                        {-1, 1, -1}, {1e30f, 1, kFarPixel}, {-1e30f, 2, -kFarPixel}};
    for (const Row& row : rows)
        EXPECT_EQ(pixelOf(row.twips, row.ratio), row.pixel) << row.twips << " at " << row.ratio;
    EXPECT_FALSE(pixelOf(NAN, 1));

    EXPECT_EQ(penWidth(1, 1), 1);
    EXPECT_EQ(penWidth(2, 1.5), 3);
    EXPECT_EQ(penWidth(1, 1.25), 1);
    EXPECT_EQ(penWidth(0, 2), 1);
    // Both ends covered, an even pen's extra pixel before the line.
    EXPECT_EQ(penRun(30, 30, 1), (PixelRun{30, 1}));
    EXPECT_EQ(penRun(60, 60, 2), (PixelRun{59, 2}));
    EXPECT_EQ(penRun(80, 54, 3), (PixelRun{53, 29}));
}

struct Replayed {
    std::map<int, int> count;  // by operation
    bool wellFormed = true;
    bool onWholePixels = true;  // rectangles on pixel edges, slanted lines between pixel centres
    std::string texts;
    std::vector<float> textSizes;
};

// Walks the list the way the page's script does.
Replayed replay(const CanvasSurface& surface)
{
    static const std::map<int, int> kArity = {{CanvasSurface::kClear, 2}, {CanvasSurface::kPen, 4},
                                              {CanvasSurface::kLine, 4},  {CanvasSurface::kRect, 4},
                                              {CanvasSurface::kText, 6}};
    Replayed out;
    const auto& ops = surface.commands();
    for (std::size_t i = 0; i < ops.size();) {
        const int op = static_cast<int>(ops[i]);
        const auto arity = kArity.find(op);
        if (arity == kArity.end() || i + static_cast<std::size_t>(arity->second) >= ops.size()) {
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
        i += 1 + static_cast<std::size_t>(arity->second);
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
    EXPECT_EQ(second.count.at(CanvasSurface::kText), 17);
    EXPECT_EQ(second.count.at(CanvasSurface::kLine) + second.count.at(CanvasSurface::kRect),
              first.count.at(CanvasSurface::kLine) + first.count.at(CanvasSurface::kRect));
    EXPECT_TRUE(second.onWholePixels);
    EXPECT_EQ(surface.commands()[1], 1082);
    EXPECT_EQ(second.textSizes.front(), 48);  // 18 points at 96 dpi, doubled
    EXPECT_EQ(second.texts, first.texts);
}

}  // namespace
}  // namespace web
