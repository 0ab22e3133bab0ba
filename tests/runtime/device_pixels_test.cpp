// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/device_pixels.h"

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace runtime::device_pixels {
namespace {

struct Snap {
    const char* name;
    float twips;
    double ratio;
    std::optional<int> pixel;
};

class PixelOf : public testing::TestWithParam<Snap> {};

TEST_P(PixelOf, IsTheFloorOfTheDevicePosition)
{
    EXPECT_EQ(pixelOf(GetParam().twips, GetParam().ratio), GetParam().pixel);
}

// The chart's right edge is at 7708 twips, its bottom edge at 4914, its left
// edge at 811, on the window's picture box.
INSTANTIATE_TEST_SUITE_P(
    Table, PixelOf,
    testing::Values(Snap{"Origin", 0, 1, 0}, Snap{"JustShortOfTheNextPixel", 14.99f, 1, 0},
                    Snap{"OnAPixelEdge", 15, 1, 1}, Snap{"LeftEdgeAtOne", 811, 1, 54},
                    Snap{"RightEdgeAtOne", 7708, 1, 513}, Snap{"BottomEdgeAtOne", 4914, 1, 327},
                    Snap{"RightEdgeAtOneAndAHalf", 7708, 1.5, 770}, Snap{"BottomEdgeAtOneAndAHalf", 4914, 1.5, 491},
                    Snap{"HalfPixelAtOneAndAHalf", 5, 1.5, 0}, Snap{"RightEdgeAtTwo", 7708, 2, 1027},
                    Snap{"HalfALogicalPixelAtTwo", 7.5f, 2, 1}, Snap{"NegativeRoundsDown", -1, 1, -1},
                    Snap{"FarBelowIsHeld", -1e30f, 2, -kFarPixel}, Snap{"FarAboveIsHeld", 1e30f, 1, kFarPixel},
                    Snap{"InfinityIsHeld", std::numeric_limits<float>::infinity(), 1.5, kFarPixel},
                    Snap{"NanLandsNowhere", std::numeric_limits<float>::quiet_NaN(), 1, std::nullopt}),
    [](const testing::TestParamInfo<Snap>& info) { return std::string(info.param.name); });

TEST(DevicePixels, PenWidthIsTheNearestWholeNumberOfDevicePixelsAndAtLeastOne)
{
    EXPECT_EQ(penWidth(1, 1), 1);
    EXPECT_EQ(penWidth(2, 1), 2);
    EXPECT_EQ(penWidth(1, 1.5), 2);
    EXPECT_EQ(penWidth(2, 1.5), 3);
    EXPECT_EQ(penWidth(2, 2), 4);
    EXPECT_EQ(penWidth(1, 1.25), 1);
    EXPECT_EQ(penWidth(0, 1), 1);
    EXPECT_EQ(penWidth(1, 0.4), 1);
}

TEST(DevicePixels, APenRunIsCentredCoversBothEndsAndAPointSitsOnItsLine)
{
    EXPECT_EQ(penRun(10, 10, 1), (PixelRun{10, 1}));
    EXPECT_EQ(penRun(10, 10, 2), (PixelRun{9, 2}));
    EXPECT_EQ(penRun(10, 10, 3), (PixelRun{9, 3}));
    EXPECT_EQ(penRun(10, 10, 4), (PixelRun{8, 4}));
    EXPECT_EQ(penRun(10, 5, 1), (PixelRun{5, 6}));
    EXPECT_EQ(penRun(5, 10, 2), (PixelRun{4, 7}));
    EXPECT_EQ(penRun(3, 3, 0), (PixelRun{3, 1}));
    // A point drawn at either end of a line, with the same pen, covers
    // pixels of the line only.
    for (int width = 1; width <= 4; ++width) {
        const PixelRun line = penRun(20, 40, width);
        for (int end : {20, 40}) {
            const PixelRun point = penRun(end, end, width);
            EXPECT_GE(point.first, line.first) << width;
            EXPECT_LE(point.first + point.count, line.first + line.count) << width;
        }
    }
}

}  // namespace
}  // namespace runtime::device_pixels
