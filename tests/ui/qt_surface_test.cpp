// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt_surface.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <string>

#include "chart/grafica_indice.h"
#include "model/curve.h"
#include "support/default_example.h"

namespace ui {
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

INSTANTIATE_TEST_SUITE_P(PixelRatios, DefaultChartImage, testing::Values(1.0, 2.0),
                         [](const auto& info) { return "Ratio" + std::to_string(static_cast<int>(info.param)); });

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
    huge.NumPuntos = model::kSampleCount;
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
}  // namespace ui

int main(int argc, char** argv)
{
    // ctest lists the tests before it sets their environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
