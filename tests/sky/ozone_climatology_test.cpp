// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sky/ozone_climatology.h"

#include <gtest/gtest.h>

namespace sky {
namespace {

TEST(OzoneClimatology, HoldsTheFileRowsSouthToNorth)
{
    const auto rows = ozoneClimatology();
    ASSERT_EQ(rows.size(), 32u);
    EXPECT_EQ(rows.front().latitude, -85);
    EXPECT_EQ(rows.front().monthly[5], 223.5);  // a half, read exactly
    EXPECT_EQ(rows.back().latitude, 85);
    EXPECT_EQ(rows.back().monthly[11], 355);
    EXPECT_TRUE(isSouthToNorth(rows));
    const OzoneRow swapped[] = {rows[1], rows[0]};
    EXPECT_FALSE(isSouthToNorth(swapped));
}

// Expected values from the CSV's numbers, worked out separately.
struct Sample {
    const char* name;
    double latitude;
    int dayOfYear;  // 0: the month's own mean, `month`
    int month;
    double ozone;
};

class OzoneInterpolation : public testing::TestWithParam<Sample> {};

TEST_P(OzoneInterpolation, IsLinearBetweenCentres)
{
    const Sample& row = GetParam();
    const double ozone = row.dayOfYear == 0 ? ozoneOfMonth(ozoneClimatology(), row.latitude, row.month)
                                            : climatologicalOzone(row.latitude, row.dayOfYear);
    EXPECT_NEAR(ozone, row.ozone, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Table, OzoneInterpolation,
    testing::Values(
        Sample{"AtARowCentre", 42.5, 0, 0, 344},
        Sample{"HalfwayBetweenRows", 40, 0, 0, 329},
        Sample{"BetweenUnevenlySpacedRows", 63.75, 0, 11, 357.25},
        Sample{"BetweenRowsFiveToTheSouth", -63, 0, 6, 283},
        Sample{"BeyondTheLastRow", 89, 0, 5, 350},
        Sample{"BeyondTheFirstRow", -90, 0, 5, 223.5},
        Sample{"JustPastMidJanuary", 40, 16, 0, 329.12474332648867},
        Sample{"Midsummer", 42.5, 172, 0, 333.3100616016427},
        Sample{"NewYearBetweenDecemberAndJanuary", 42.5, 1, 0, 333.3613963039014},
        Sample{"LastDayBetweenDecemberAndJanuary", 42.5, 365, 0, 332.4579055441478},
        Sample{"LeapYearLastDay", 42.5, 366, 0, 333.18069815195076},
        Sample{"BeyondTheLastRowAcrossTheYearEnd", 89, 1, 0, 393.7320328542094},
        Sample{"BeyondTheFirstRowInJune", -89, 172, 0, 217.3803901437372}),
    [](const testing::TestParamInfo<Sample>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sky
