// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/qt_surface.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <set>
#include <string>

#include "chart/grafica_indice.h"
#include "model/curve.h"
#include "support/default_example.h"

namespace qt {
namespace {

constexpr float kInnerWidth = 8115;
constexpr float kInnerHeight = 5715;
constexpr float kWindowHeight = 9615;

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kOrange(255, 128, 0);

// The colour at logical pixel (x, y), whatever the pixel ratio.
QColor colourAt(const QImage& image, int x, int y)
{
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
}

// Whether `colour` appears within `reach` logical pixels of (x, y): lines
// land on whole pixels, and which one is the painter's business.
bool colourNear(const QImage& image, int x, int y, const QColor& colour, int reach = 2)
{
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            if (colourAt(image, x + dx, y + dy) == colour)
                return true;
        }
    }
    return false;
}

class DefaultChartImage : public testing::TestWithParam<qreal> {
protected:
    void SetUp() override
    {
        chart::GraficaIndice(test_support::defaultExampleState(), surface, kWindowHeight, '.');
    }

    QtSurface surface{kInnerWidth, kInnerHeight, GetParam()};
};

TEST_P(DefaultChartImage, ShowsBackgroundFrameShadingAndCurve)
{
    const QImage& image = surface.image();
    ASSERT_EQ(image.size(), QSize(541, 381) * GetParam());
    EXPECT_EQ(image.devicePixelRatio(), GetParam());

    // Margins outside the plot stay white.
    EXPECT_EQ(colourAt(image, 5, 5), kWhite);
    EXPECT_EQ(colourAt(image, 535, 375), kWhite);
    EXPECT_EQ(colourAt(image, 530, 200), kWhite);
    // The frame's left edge at 811 twips, between two index ticks; nothing
    // but the frame is black there.
    EXPECT_TRUE(colourNear(image, 54, 150, kBlack));
    EXPECT_EQ(colourAt(image, 60, 150), kWhite);
    // Under the 13:00 peak the exposure window is red; at its start, orange.
    EXPECT_EQ(colourAt(image, 267, 250), kRed);
    EXPECT_EQ(colourAt(image, 222, 300), kOrange);
    // The curve at 9:00, index about 1.5, far from the shading.
    bool curveFound = false;
    for (int y = 280; y <= 300; ++y)
        curveFound = curveFound || colourAt(image, 152, y) == kBlue;
    EXPECT_TRUE(curveFound);
    // The title is dark red and somewhere on the top line.
    bool titleFound = false;
    for (int x = 190; x < 400 && !titleFound; ++x) {
        for (int y = 0; y < 30 && !titleFound; ++y)
            titleFound = colourAt(image, x, y) == QColor(192, 0, 0);
    }
    EXPECT_TRUE(titleFound);
}

TEST_P(DefaultChartImage, SurvivesRepaintUntilCleared)
{
    const QImage before = surface.image().copy();
    // What the picture box does whenever it is uncovered: copy the image out.
    for (int repaint = 0; repaint < 3; ++repaint) {
        QImage screen(surface.image().size(), QImage::Format_ARGB32_Premultiplied);
        screen.setDevicePixelRatio(GetParam());
        screen.fill(Qt::gray);
        QPainter painter(&screen);
        painter.drawImage(QPointF(0, 0), surface.image());
        painter.end();
        EXPECT_EQ(screen, before);
    }
    EXPECT_EQ(surface.image(), before);

    surface.Cls();
    QImage blank(before.size(), QImage::Format_ARGB32_Premultiplied);
    blank.fill(Qt::white);
    EXPECT_EQ(surface.image().convertToFormat(QImage::Format_ARGB32_Premultiplied), blank);
    EXPECT_EQ(surface.CurrentX(), 0);
    EXPECT_EQ(surface.CurrentY(), 0);
}

std::string ratioName(const testing::TestParamInfo<qreal>& info)
{
    const int tenths = static_cast<int>(std::lround(info.param * 10));
    // Appended piece by piece: GCC 12 warns, wrongly, of overlapping copies
    // when a literal is put in front of a temporary string.
    std::string name = "Ratio";
    name += std::to_string(tenths / 10);
    if (tenths % 10 != 0) {
        name += '_';
        name += std::to_string(tenths % 10);
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(PixelRatios, DefaultChartImage, testing::Values(1.0, 1.5, 2.0), ratioName);

// A straight rise from 0 to 4.5 with no shading keeps the curve away from the
// grid's edge rows and columns, so every pixel there is frame, tick or grid.
model::FormState riseWithoutShading()
{
    model::FormState state;
    for (int i = 1; i <= model::kSampleCount; ++i) {
        state.Tiempo[i] = 6 + 14.0 * i / model::kSampleCount;
        state.IndiceUV[i] = 4.5 * i / model::kSampleCount;
    }
    state.NumPuntos = model::SampleCount::all();
    state.HoraExposicion = 30;
    state.Duracion = 1;
    return state;
}

// The designed plot rectangle, in twips, and the grid's place in it.
constexpr double kX0 = 811, kY0 = 457, kW = 6897, kH = 4457;
double gridColumn(int k) { return kX0 + kW * k / 30; }
double gridRow(int j) { return kY0 + kH - kH * j / 6; }

class GridOnFrame : public testing::TestWithParam<qreal> {
protected:
    void SetUp() override { chart::GraficaIndice(riseWithoutShading(), surface, kWindowHeight, '.'); }

    int device(double twips) const { return static_cast<int>(twips / 15 * GetParam()); }

    // The device rows (or columns) holding `colour` along the device column
    // (or row) `at`, between `from` and `to`.
    std::set<int> rowsOf(const QColor& colour, int column, int from, int to) const
    {
        std::set<int> rows;
        for (int y = from; y <= to; ++y) {
            if (image().pixelColor(column, y) == colour)
                rows.insert(y);
        }
        return rows;
    }
    std::set<int> columnsOf(const QColor& colour, int row, int from, int to) const
    {
        std::set<int> columns;
        for (int x = from; x <= to; ++x) {
            if (image().pixelColor(x, row) == colour)
                columns.insert(x);
        }
        return columns;
    }
    // The non-white pixels in a device rectangle, as "x,y" for the message.
    std::string inkIn(int left, int top, int right, int bottom) const
    {
        std::string ink;
        for (int y = top; y <= bottom; ++y) {
            for (int x = left; x <= right; ++x) {
                if (image().pixelColor(x, y) != kWhite)
                    ink += std::to_string(x) + "," + std::to_string(y) + " ";
            }
        }
        return ink;
    }
    const QImage& image() const { return surface.image(); }

    QtSurface surface{kInnerWidth, kInnerHeight, GetParam()};
};

// Rows 0 and 6 lie on the bottom and top edges and column 30 on the right
// edge: the points must not spill past the frame. Between grid points the
// frame is black, so its pixels there say where the edge is.
TEST_P(GridOnFrame, EdgePointsSitOnTheFramePixels)
{
    const int margin = static_cast<int>(std::ceil(3 * GetParam()));
    const int between = device((gridRow(3) + gridRow(4)) / 2);
    const std::set<int> right = columnsOf(kBlack, between, device(kX0 + kW) - margin, device(kX0 + kW) + margin);
    ASSERT_FALSE(right.empty());
    const std::set<int> bottom =
        rowsOf(kBlack, device((gridColumn(16) + gridColumn(17)) / 2), device(kY0 + kH) - margin, device(kY0 + kH) + margin);
    ASSERT_FALSE(bottom.empty());
    const std::set<int> top =
        rowsOf(kBlack, device((gridColumn(16) + gridColumn(17)) / 2), device(kY0) - margin, device(kY0) + margin);
    ASSERT_FALSE(top.empty());

    for (int j = 0; j <= 6; ++j) {
        EXPECT_EQ(inkIn(*right.rbegin() + 1, device(gridRow(j)) - margin, *right.rbegin() + margin,
                        device(gridRow(j)) + margin),
                  "")
            << "right of the right edge, row " << j;
    }
    EXPECT_EQ(inkIn(device(gridColumn(3)), *bottom.rbegin() + 1, device(kX0 + kW) + margin, *bottom.rbegin() + margin), "")
        << "below the bottom edge";
    EXPECT_EQ(inkIn(device(gridColumn(1)), *top.begin() - margin, device(gridColumn(8)), *top.begin() - 1), "")
        << "above the top edge, left of the title";
    // And the points are there, on the edges: blue over the black.
    for (int j = 0; j <= 6; ++j)
        EXPECT_EQ(rowsOf(kBlue, *right.rbegin(), device(gridRow(j)) - margin, device(gridRow(j)) + margin).empty(), false) << j;
    for (int k = 3; k <= 29; ++k) {
        const std::set<int> columns = columnsOf(kBlue, *bottom.begin(), device(gridColumn(k)) - margin, device(gridColumn(k)) + margin);
        EXPECT_FALSE(columns.empty()) << k;
    }
}

// Each row of points continues the index ticks at its height, on both sides.
TEST_P(GridOnFrame, RowPointsSitOnTheirTicksRows)
{
    const int reach = static_cast<int>(std::ceil(4 * GetParam()));
    const int tickLength = device(9615.0 / 90);
    for (int j = 1; j <= 5; ++j) {
        const int from = device(gridRow(j)) - reach;
        const int to = device(gridRow(j)) + reach;
        const std::set<int> leftTick = rowsOf(kBlue, device(kX0) + tickLength / 2, from, to);
        const std::set<int> rightTick = rowsOf(kBlue, device(kX0 + kW) - tickLength / 2, from, to);
        ASSERT_FALSE(leftTick.empty()) << j;
        EXPECT_EQ(rightTick, leftTick) << j;
        // Columns where the rise stays half a row away from every row.
        for (int k : {1, 10, 23}) {
            std::set<int> point;
            for (int x = device(gridColumn(k)) - 2; x <= device(gridColumn(k)) + 2; ++x)
                point.merge(rowsOf(kBlue, x, from, to));
            EXPECT_EQ(point, leftTick) << "row " << j << ", column " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(PixelRatios, GridOnFrame, testing::Values(1.0, 1.5, 2.0), ratioName);

TEST(QtSurface, PrintPlacesTheTopLeftCorner)
{
    QtSurface surface(kInnerWidth, kInnerHeight);
    surface.setForeColor({0, 0, 0});
    surface.setFontSize(12);
    surface.setCurrentX(1500);  // 100 px
    surface.setCurrentY(1500);
    surface.Print("HHHH");
    const QImage& image = surface.image();

    int left = image.width();
    int top = image.height();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != kWhite) {
                left = std::min(left, x);
                top = std::min(top, y);
            }
        }
    }
    // The ink starts just right of and below the corner: no descent or
    // baseline offset pushes it up or left.
    EXPECT_GE(left, 100);
    EXPECT_LE(left, 103);
    EXPECT_GE(top, 100);
    EXPECT_LE(top, 106);
}

TEST(QtSurface, PenWidthIsInPixelsAndPointsAreDrawn)
{
    QtSurface surface(1500, 1500, 2);  // 100 x 100 px, 200 x 200 device px
    surface.setForeColor({0, 0, 255});
    surface.setDrawWidth(2);
    surface.Line(150, 750, 1350, 750);  // horizontal, at 50 px
    surface.setDrawWidth(1);
    surface.PSet(300, 300);  // at 20 px
    const QImage& image = surface.image();

    int thickness = 0;
    for (int y = 0; y < image.height(); ++y)
        thickness += image.pixelColor(100, y) == kBlue;
    EXPECT_EQ(thickness, 4);  // 2 px at ratio 2
    EXPECT_TRUE(colourNear(image, 20, 20, kBlue, 1));
    EXPECT_EQ(colourAt(image, 30, 30), kWhite);
}

TEST(QtSurface, KeepsTheDrawingAcrossAPixelRatioChange)
{
    QtSurface surface(kInnerWidth, kInnerHeight, 1);
    chart::GraficaIndice(test_support::defaultExampleState(), surface, kWindowHeight, '.');
    surface.setDevicePixelRatio(2);
    const QImage& image = surface.image();
    EXPECT_EQ(image.size(), QSize(1082, 762));
    EXPECT_EQ(colourAt(image, 267, 250), kRed);
    EXPECT_EQ(colourAt(image, 5, 5), kWhite);
}

TEST(QtSurface, ExtremeCurvesDrawWithoutHarm)
{
    model::FormState nearlyFlat = test_support::defaultExampleState();
    nearlyFlat.IndiceUV.fill(100);
    nearlyFlat.IndiceUV[700] = 100.000001;  // the shading reaches millions of heights down
    model::FormState huge;
    model::sampleCurve(1e30, huge);
    huge.NumPuntos = model::SampleCount::all();
    huge.HoraExposicion = 6;
    huge.Duracion = 14;
    model::FormState infinite = huge;
    infinite.IndiceUV[500] = INFINITY;

    for (const model::FormState* state : {&nearlyFlat, &huge, &infinite}) {
        QtSurface surface(kInnerWidth, kInnerHeight, 2);
        chart::GraficaIndice(*state, surface, kWindowHeight, '.');
        const QImage& image = surface.image();
        EXPECT_EQ(colourAt(image, 5, 5), kWhite);
        EXPECT_TRUE(colourNear(image, 54, 150, kBlack));
    }
}

}  // namespace
}  // namespace qt

int main(int argc, char** argv)
{
    // ctest lists the tests before it sets their environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
