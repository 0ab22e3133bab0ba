// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/escala_grafica.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "chart/uv_categories.h"
#include "model/curve.h"

namespace chart {
namespace {

struct AxisTopRow {
    std::string name;
    double vmax;
    double vtop;
};

void PrintTo(const AxisTopRow& row, std::ostream* os)
{
    *os << row.name;
}

class AxisTop : public testing::TestWithParam<AxisTopRow> {};

TEST_P(AxisTop, FollowsTheMaximum)
{
    EXPECT_EQ(axisTop(GetParam().vmax), GetParam().vtop);
}

INSTANTIATE_TEST_SUITE_P(Bounds, AxisTop,
                         testing::Values(AxisTopRow{"Five", 5, 6}, AxisTopRow{"JustAboveFive", 5.01, 12},
                                         AxisTopRow{"Ten", 10, 12}, AxisTopRow{"JustAboveTen", 10.01, 14},
                                         AxisTopRow{"Twelve", 12, 14},
                                         AxisTopRow{"AboveTwelveUnrounded", 12.5, 12.5},
                                         AxisTopRow{"Zero", 0, 6}, AxisTopRow{"Negative", -3, 6}),
                         [](const auto& info) { return info.param.name; });

struct RectangleRow {
    std::string name;
    float sw, sh;
    double x0, y0, w, h;
};

void PrintTo(const RectangleRow& row, std::ostream* os)
{
    *os << row.name;
}

class PlotRectangle : public testing::TestWithParam<RectangleRow> {};

TEST_P(PlotRectangle, IsFlooredFromTheSurfaceSize)
{
    const RectangleRow& row = GetParam();
    model::FormState state;
    model::sampleCurve(10, state);
    const EscalaGrafica e = escalaGrafica(state, row.sw, row.sh);
    EXPECT_EQ(e.x0, row.x0);
    EXPECT_EQ(e.y0, row.y0);
    EXPECT_EQ(e.W, row.w);
    EXPECT_EQ(e.H, row.h);
}

INSTANTIATE_TEST_SUITE_P(Surfaces, PlotRectangle,
                         testing::Values(
                             // 8100 x 0.85 is exactly 6885 in doubles: no off-by-one from the floor.
                             RectangleRow{"Round", 8100, 5700, 810, 456, 6885, 4446},
                             RectangleRow{"Designed", 8115, 5715, 811, 457, 6897, 4457}),
                         [](const auto& info) { return info.param.name; });

TEST(EscalaGrafica, ExtentsCoverAllSamplesAndMapOntoTheEdges)
{
    model::FormState state;
    model::sampleCurve(10, state);
    state.Tiempo[1000] = 21;
    state.IndiceUV[999] = -0.5;
    state.IndiceUV[998] = 11;

    const EscalaGrafica e = escalaGrafica(state, 8115, 5715);
    EXPECT_EQ(e.Tmin, state.Tiempo[1]);
    EXPECT_EQ(e.Tmax, 21);
    EXPECT_EQ(e.Vmin, -0.5);
    EXPECT_EQ(e.Vtop, 14);

    EXPECT_EQ(e.x(e.Tmin), e.x0);
    EXPECT_EQ(e.x(e.Tmax), e.x0 + e.W);
    EXPECT_EQ(e.y(e.Vtop), e.y0);
    EXPECT_EQ(e.y(e.Vmin), e.y0 + e.H);
    EXPECT_FALSE(e.emptyRange());
}

TEST(EscalaGrafica, DataMinimumNotZeroIsTheBottom)
{
    model::FormState state;
    model::sampleCurve(10, state);
    const EscalaGrafica e = escalaGrafica(state, 8115, 5715);
    EXPECT_GT(e.Vmin, 0);
    EXPECT_LT(e.Vmin, 0.01);
    EXPECT_EQ(e.Vtop, 12);
    // Index 0 lies just below the bottom edge.
    EXPECT_GT(e.y(0), e.y0 + e.H);
    EXPECT_LT(e.y(0), e.y0 + e.H + 2);
}

struct CategoryRow {
    std::string name;
    double index;
    runtime::Rgb colour;
    std::string_view user;  // the name the readout gives it
};

void PrintTo(const CategoryRow& row, std::ostream* os)
{
    *os << row.name;
}

class Category : public testing::TestWithParam<CategoryRow> {};

TEST_P(Category, BoundBelongsToTheLowerCategory)
{
    EXPECT_EQ(categoryColour(GetParam().index), GetParam().colour);
    EXPECT_EQ(categoryName(GetParam().index), GetParam().user);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, Category,
    testing::Values(CategoryRow{"Negative", -1, {0, 255, 0}, "Bajo"}, CategoryRow{"Green", 2.5, {0, 255, 0}, "Bajo"},
                    CategoryRow{"Yellow", 2.5000001, {255, 255, 0}, "Moderado"},
                    CategoryRow{"YellowTop", 5.5, {255, 255, 0}, "Moderado"},
                    CategoryRow{"OrangeBottom", 5.51, {255, 128, 0}, "Alto"},
                    CategoryRow{"Orange", 7.5, {255, 128, 0}, "Alto"},
                    CategoryRow{"RedBottom", 7.51, {255, 0, 0}, "Muy alto"},
                    CategoryRow{"Red", 10.5, {255, 0, 0}, "Muy alto"},
                    CategoryRow{"Purple", 10.51, {192, 0, 192}, "Extremo"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace chart
