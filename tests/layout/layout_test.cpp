// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Properties of the layout table itself, before any widget exists.
#include <algorithm>
#include <map>
#include <vector>
#include <gtest/gtest.h>
#include <set>

#include "layout/layout.h"

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

TEST(LayoutTable, OnlyCalcularIsTheDefaultButton)
{
    for (const auto& row : kControls)
        EXPECT_EQ(row.isDefault, row.name == "Command1") << row.name;
}

}  // namespace
