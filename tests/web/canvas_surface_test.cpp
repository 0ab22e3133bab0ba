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

TEST(PixelSnap, PensLandOnWholePixelsAsTheWindowDrawsThem)
{
    struct Row {
        double x, width, centre, start;
    };
    const Row rows[] = {
        // A 1-pixel pen fills the pixel right of and below the exact point.
        {10.0, 1, 10.5, 10}, {10.99, 1, 10.5, 10}, {11.0, 1, 11.5, 11}, {-0.2, 1, -0.5, -1},
        // A 2-pixel pen covers the two pixels nearest either side of the point.
        {10.4, 2, 10, 9}, {10.6, 2, 11, 10}, {54.066666, 2, 54, 53},
        // 1 logical pixel at ratio 2 is 2 device pixels; at 1.5 the band starts on a whole pixel.
        {108.13, 2, 108, 107}, {81.1, 1.5, 80.75, 80},
    };
    for (const Row& row : rows) {
        EXPECT_DOUBLE_EQ(snappedCentre(row.x, row.width), row.centre) << row.x << " width " << row.width;
        EXPECT_DOUBLE_EQ(snappedStart(row.x, row.width), row.start) << row.x << " width " << row.width;
    }
}

struct Replayed {
    std::map<int, int> count;  // by operation
    bool wellFormed = true;
    bool linesOnPixelCentres = true;  // 1-pixel pens only
    std::string texts;
    std::vector<float> textSizes;
};

// Walks the list the way the page's script does.
Replayed replay(const CanvasSurface& surface)
{
    static const std::map<int, int> kArity = {{CanvasSurface::kClear, 2}, {CanvasSurface::kPen, 4},
                                              {CanvasSurface::kLine, 4},  {CanvasSurface::kPoint, 3},
                                              {CanvasSurface::kText, 6}};
    Replayed out;
    const auto& ops = surface.commands();
    float pen = 0;
    for (std::size_t i = 0; i < ops.size();) {
        const int op = static_cast<int>(ops[i]);
        const auto arity = kArity.find(op);
        if (arity == kArity.end() || i + static_cast<std::size_t>(arity->second) >= ops.size()) {
            out.wellFormed = false;
            break;
        }
        ++out.count[op];
        if (op == CanvasSurface::kPen)
            pen = ops[i + 4];
        if (op == CanvasSurface::kLine && pen == 1) {
            for (int k = 1; k <= 4; ++k)
                out.linesOnPixelCentres = out.linesOnPixelCentres && ops[i + k] - std::floor(ops[i + k]) == 0.5f;
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
    // Frame 4, shading 142, curve 999, time ticks 16, index ticks 14.
    EXPECT_EQ(first.count.at(CanvasSurface::kLine), 4 + 142 + 999 + 16 + 14);
    EXPECT_EQ(first.count.at(CanvasSurface::kPoint), 210);
    EXPECT_EQ(first.count.at(CanvasSurface::kText), 17);
    EXPECT_TRUE(first.linesOnPixelCentres);
    EXPECT_EQ(first.texts.substr(0, 27), "Indice Ultravioleta|6:00|8:");
    EXPECT_NE(first.texts.find("|Tiempo (Hr)|0,0|2,0|"), std::string::npos) << first.texts;
    // A pen is recorded when it changes, not before every line.
    EXPECT_LT(first.count.at(CanvasSurface::kPen), 12);

    // Drawn again at ratio 2: the same operations, twice the pixels, a cleared list.
    surface.setDevicePixelRatio(2);
    chart::GraficaIndice(test_support::defaultExampleState(), surface, 9615, ',');
    const Replayed second = replay(surface);
    EXPECT_EQ(second.count, first.count);
    EXPECT_EQ(surface.commands()[1], 1082);
    EXPECT_EQ(second.textSizes.front(), 48);  // 18 points at 96 dpi, doubled
    EXPECT_EQ(second.texts, first.texts);
}

}  // namespace
}  // namespace web
