// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One altitude rule: estimating at H metres gives what estimating at sea
// level and carrying the maximum up H metres in the window gives.
#include <gtest/gtest.h>

#include "model/curve.h"
#include "sky/clear_sky.h"

namespace day {
namespace {

struct Height {
    const char* name;
    sky::SkyInputs place;  // at sea level
    double metres;
};

class AltitudeRule : public testing::TestWithParam<Height> {};

TEST_P(AltitudeRule, EstimateUpThereEqualsTheWindowsCarryOver)
{
    const Height& row = GetParam();
    sky::SkyInputs high = row.place;
    high.altitude = row.metres;
    const double atSeaLevel = sky::estimateClearSky(row.place).uvIndex;
    const double carried = model::correctedMaximum(static_cast<float>(atSeaLevel), 0, static_cast<float>(row.metres));
    // The window reads its maximum as a 32-bit float: the same to 1 part in 10^7.
    EXPECT_NEAR(sky::estimateClearSky(high).uvIndex / carried, 1, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AltitudeRule,
    testing::Values(Height{"MadridAt690m", {40.45, -3.70, {2026, 6, 21}, 0, {}, false}, 690},
                    // A high-altitude station in the Alps at 3845 m, in July.
                    Height{"AlpineStationAt3845m", {45.88, 6.89, {2026, 7, 15}, 0, {}, false}, 3845}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace day
