// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Properties of the layout table itself, before any widget exists.
#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>
#include <gtest/gtest.h>
#include <set>

#include "layout/layout.h"
#include "model/dose.h"

namespace {

using layout::Kind;
using layout::kControls;

TEST(LayoutTable, HasEveryControlOnceByKind)
{
    std::set<std::string_view> names;
    std::map<Kind, int> perKind;
    for (const auto& row : kControls) {
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
        ++perKind[row.kind];
    }
    EXPECT_EQ(perKind[Kind::PictureBox], 3);
    EXPECT_EQ(perKind[Kind::Label], 13);
    EXPECT_EQ(perKind[Kind::TextBox], 7);
    EXPECT_EQ(perKind[Kind::VScrollBar], 4);
    EXPECT_EQ(perKind[Kind::CommandButton], 3);
    EXPECT_EQ(perKind[Kind::Line], 8);
}

TEST(LayoutTable, TabIndicesRunFromZeroWithoutGapsAndLinesHaveNone)
{
    std::vector<int> indices;
    for (const auto& row : kControls) {
        if (row.kind == Kind::Line) {
            EXPECT_EQ(row.tabIndex, layout::kNoTabIndex) << row.name;
        } else {
            indices.push_back(row.tabIndex);
        }
    }
    std::sort(indices.begin(), indices.end());
    for (std::size_t i = 0; i < indices.size(); ++i)
        EXPECT_EQ(indices[i], static_cast<int>(i));
    EXPECT_EQ(indices.size(), 30u);
}

TEST(LayoutTable, StackingListsNameEachControlOnceInItsLayer)
{
    std::set<std::string_view> seen;
    for (const auto name : layout::kWindowedStacking) {
        const auto* row = layout::find(name);
        ASSERT_NE(row, nullptr) << name;
        EXPECT_TRUE(layout::isWindowed(row->kind)) << name;
        EXPECT_TRUE(seen.insert(name).second) << name;
    }
    for (const auto name : layout::kDecorStacking) {
        const auto* row = layout::find(name);
        ASSERT_NE(row, nullptr) << name;
        EXPECT_FALSE(layout::isWindowed(row->kind)) << name;
        EXPECT_TRUE(seen.insert(name).second) << name;
    }
    EXPECT_EQ(seen.size(), kControls.size());
}

// The window draws lines as strips, which only works for horizontal and vertical ones.
TEST(LayoutTable, LinesAreHorizontalOrVertical)
{
    for (const auto& row : kControls) {
        if (row.kind == Kind::Line) {
            EXPECT_TRUE(row.ends.x1 == row.ends.x2 || row.ends.y1 == row.ends.y2) << row.name;
        }
    }
}

TEST(LayoutTable, EveryControlLiesInsideTheClientArea)
{
    for (const auto& row : kControls) {
        if (row.kind == Kind::Line) {
            EXPECT_LE(std::max(row.ends.x1, row.ends.x2), layout::kClientWidthTwips) << row.name;
            EXPECT_LE(std::max(row.ends.y1, row.ends.y2), layout::kClientHeightTwips) << row.name;
        } else {
            EXPECT_LE(row.rect.left + row.rect.width, layout::kClientWidthTwips) << row.name;
            EXPECT_LE(row.rect.top + row.rect.height, layout::kClientHeightTwips) << row.name;
        }
    }
}

// Each of the four main inputs has a bar beside it, on its right at the same
// height, whose top end is the high value and whose start is the box's text.
TEST(LayoutTable, EachBarStandsBesideTheBoxItSteps)
{
    std::set<std::string_view> stepped;
    for (const auto& row : kControls) {
        if (row.kind != Kind::VScrollBar)
            continue;
        const auto* box = layout::find(row.spinner.box);
        ASSERT_NE(box, nullptr) << row.name;
        EXPECT_EQ(row.rect.top, box->rect.top) << row.name;
        EXPECT_LE(std::abs(layout::pixels(row.rect.left) - layout::pixels(box->rect.left + box->rect.width)), 1)
            << row.name;
        EXPECT_GT(row.spinner.min, row.spinner.max) << row.name << ": the up arrow must raise the value";
        // Form_Load then writes into the box the very text it was designed with.
        EXPECT_EQ(std::to_string(layout::startValue(row)), box->text) << row.name;
        stepped.insert(row.spinner.box);
    }
    EXPECT_EQ(stepped, (std::set<std::string_view>{"Text1", "Text2", "Text3", "Text4"}));
    EXPECT_EQ(layout::startValue(*layout::find("Text1")), -1) << "only a bar has a start value";
}

// The skin-type bar offers every skin type the dose knows, and no other.
TEST(LayoutTable, TheSkinTypeBarSpansTheKnownSkinTypes)
{
    const auto bar = std::find_if(kControls.begin(), kControls.end(),
                                  [](const auto& row) { return row.spinner.box == "Text4"; });
    ASSERT_NE(bar, kControls.end());
    const int low = std::min(bar->spinner.min, bar->spinner.max);
    const int high = std::max(bar->spinner.min, bar->spinner.max);
    for (int value = low - 1; value <= high + 1; ++value) {
        EXPECT_EQ(model::skinTypeDivisor(static_cast<float>(value)).has_value(), low <= value && value <= high)
            << value;
    }
}

TEST(LayoutTable, OnlyCalcularIsTheDefaultButton)
{
    for (const auto& row : kControls)
        EXPECT_EQ(row.isDefault, row.name == "Command1") << row.name;
}

}  // namespace
