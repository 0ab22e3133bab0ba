// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's colours: WCAG's contrast, the captions darkened for a phone and
// for a user who asks for more contrast, the scheme behind the window's
// system colours.
#include "web/page_colours.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "layout/layout.h"

namespace web {
namespace {

struct ContrastRow {
    std::string name;
    std::uint32_t a;
    std::uint32_t b;
    double ratio;  // as WCAG's own examples and the usual checkers give it
};

class Contrast : public testing::TestWithParam<ContrastRow> {};

TEST_P(Contrast, IsWcagRatio)
{
    const ContrastRow& row = GetParam();
    EXPECT_NEAR(contrastRatio(row.a, row.b), row.ratio, 0.005);
    EXPECT_DOUBLE_EQ(contrastRatio(row.a, row.b), contrastRatio(row.b, row.a));
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, Contrast,
    testing::Values(ContrastRow{"BlackOnWhite", 0x000000, 0xFFFFFF, 21.0},
                    ContrastRow{"SameColour", 0x3B78D8, 0x3B78D8, 1.0},
                    // The lightest grey that passes AA on white, and the next that does not.
                    ContrastRow{"Grey767676OnWhite", 0x767676, 0xFFFFFF, 4.54},
                    ContrastRow{"Grey777777OnWhite", 0x777777, 0xFFFFFF, 4.48},
                    ContrastRow{"RedOnWhite", 0xFF0000, 0xFFFFFF, 4.00},
                    ContrastRow{"BlueOnWhite", 0x0000FF, 0xFFFFFF, 8.59},
                    ContrastRow{"GreenOnWhite", 0x00FF00, 0xFFFFFF, 1.37}),
    [](const testing::TestParamInfo<ContrastRow>& info) { return info.param.name; });

int channel(std::uint32_t rgb, int shift)
{
    return static_cast<int>((rgb >> shift) & 0xFF);
}

struct DarkenRow {
    std::string name;
    std::uint32_t colour;
    std::uint32_t background;
};

class Darkened : public testing::TestWithParam<DarkenRow> {};

// Reaches AA, keeps the hue (every channel scaled alike, within rounding),
// and is the lightest such colour: one step lighter falls short.
TEST_P(Darkened, ReachesTheLevelWithItsHueAndNoDarker)
{
    const DarkenRow& row = GetParam();
    const std::uint32_t darker = darkenedForContrast(row.colour, row.background, kTextContrast);
    EXPECT_GE(contrastRatio(darker, row.background), kTextContrast);
    const int brightest = std::max({channel(row.colour, 16), channel(row.colour, 8), channel(row.colour, 0)});
    const double factor = std::max({channel(darker, 16), channel(darker, 8), channel(darker, 0)}) /
                          static_cast<double>(brightest);
    for (const int shift : {16, 8, 0})
        EXPECT_NEAR(channel(darker, shift), channel(row.colour, shift) * factor, 0.5) << "channel " << shift;
    if (contrastRatio(row.colour, row.background) >= kTextContrast) {
        EXPECT_EQ(darker, row.colour) << "a colour that reads well is kept";
        return;
    }
    EXPECT_LT(factor, 1.0);
    const auto lighter = [&](int shift) {
        return static_cast<std::uint32_t>(std::lround(channel(row.colour, shift) * (factor + 1.0 / 255.0)));
    };
    EXPECT_LT(contrastRatio((lighter(16) << 16) | (lighter(8) << 8) | lighter(0), row.background), kTextContrast);
}

INSTANTIATE_TEST_SUITE_P(
    Colours, Darkened,
    testing::Values(DarkenRow{"WindowRedCaptionOnButtonFace", 0xFF0000, 0xF0F0F0},
                    DarkenRow{"OrangeOnWhite", 0xFF8000, 0xFFFFFF},
                    DarkenRow{"PaleGreyOnButtonFace", 0xC0C0C0, 0xF0F0F0},
                    DarkenRow{"DarkRedAlreadyReads", 0x800000, 0xF0F0F0},
                    DarkenRow{"WindowBlueAlreadyReads", 0x0000C0, 0xF0F0F0}),
    [](const testing::TestParamInfo<DarkenRow>& info) { return info.param.name; });

// Every caption of the window, darkened where the page darkens it, reads at
// AA against its own background, and one that read well keeps its colour.
TEST(PageColours, EveryCaptionOfTheWindowReadsOnAPhone)
{
    using System = layout::Colour::System;
    int darkened = 0;
    for (const layout::Control& row : layout::kControls) {
        if (row.kind != layout::Kind::Label)
            continue;
        const std::uint32_t text = rgbOf(row.foreground, System::WindowText);
        const std::uint32_t background = rgbOf(row.background, System::ButtonFace);
        const std::uint32_t shown = darkenedForContrast(text, background, kTextContrast);
        EXPECT_GE(contrastRatio(shown, background), kTextContrast) << row.name;
        darkened += shown != text;
    }
    // The red captions of the four inputs and of the result.
    EXPECT_EQ(darkened, 5);
}

TEST(PageColours, SystemColoursResolveThroughTheScheme)
{
    using layout::Colour;
    EXPECT_EQ(rgbOf(Colour::fixed(0x123456), Colour::System::ButtonFace), 0x123456u);
    EXPECT_EQ(rgbOf(Colour{}, Colour::System::ButtonFace), 0xF0F0F0u);
    EXPECT_EQ(rgbOf(Colour{}, Colour::System::WindowText), 0x000000u);
    EXPECT_EQ(rgbOf(Colour::scheme(Colour::System::Window), Colour::System::WindowText), 0xFFFFFFu);
    EXPECT_EQ(rgbOf(Colour::scheme(Colour::System::ActiveBorder), Colour::System::WindowText), 0xA0A0A0u);
}

}  // namespace
}  // namespace web
