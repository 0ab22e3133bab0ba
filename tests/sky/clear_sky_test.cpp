// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sky/clear_sky.h"

#include <gtest/gtest.h>

namespace sky {
namespace {

// Places and dates worked out by an independent calculation of the same steps
// (with 5 % per 1000 m of altitude), the indices then carried from that rule
// to the window's 8.1 % per 1000 m: times (1 + 0.081 H/km) / (1 + 0.05 H/km).
struct Reference {
    const char* name;
    SkyInputs inputs;
    double zenithAngle;  // degrees
    double ozone;        // DU
    double uvIndex;
    double shownIndex;
    double solarNoonUt;  // hours
};

class ClearSkyReference : public testing::TestWithParam<Reference> {};

TEST_P(ClearSkyReference, MatchesTheIndependentCalculation)
{
    const Reference& row = GetParam();
    const SkyEstimate estimate = estimateClearSky(row.inputs);
    EXPECT_NEAR(estimate.zenithAngle, row.zenithAngle, 1e-4);
    EXPECT_NEAR(estimate.ozone, row.ozone, 1e-3);
    EXPECT_NEAR(estimate.uvIndex, row.uvIndex, 1e-4);
    EXPECT_EQ(estimate.shownIndex, row.shownIndex);
    EXPECT_NEAR(estimate.solarNoonUt, row.solarNoonUt, 1e-6);
    EXPECT_EQ(estimate.sunRises(), row.zenithAngle < 90);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ClearSkyReference,
    testing::Values(
        Reference{"MadridMidsummer", {40.45, -3.70, {2026, 6, 21}, 690, {}, false},
                  17.0146, 327.436, 10.2977, 10.3, 12.277149},
        Reference{"PunoHighAndTropical", {-15.84, -70.02, {2026, 1, 22}, 3830, {}, false},
                  3.7189, 255.190, 20.5255, 20.5, 16.861647},
        Reference{"BuenosAiresSouthernSummer", {-34.60, -58.38, {2026, 1, 12}, 25, {}, false},
                  13.0351, 273.740, 13.6064, 13.6, 16.031490},
        Reference{"TromsoPolarNightIsZero", {69.65, 18.96, {2026, 12, 21}, 0, {}, false},
                  93.0847, 364.639, 0, 0, 10.703275},
        Reference{"EquinoxOverheadWithSnowAndGivenOzone", {0, 0, {2026, 3, 20}, 0, 300.0, true},
                  0.0419, 300, 15.3777, 15.4, 12.124402},
        // The last day of a leap year, the first and last days accepted, and
        // the date line, where noon falls on the day before in UT.
        Reference{"SydneyLeapYearLastDay", {-33.87, 151.21, {2024, 12, 31}, 0, {}, false},
                  10.801995, 277.897973, 13.602251, 13.6, 1.969549},
        Reference{"QuitoFirstDayAccepted", {-0.18, -78.47, {1901, 1, 1}, 2850, {}, false},
                  22.845837, 248.747097, 16.442464, 16.4, 17.292190},
        Reference{"UshuaiaLastDayAcceptedWithSnow", {-54.8, -68.3, {2099, 12, 31}, 0, {}, true},
                  31.772711, 308.637659, 10.281905, 10.3, 16.603853},
        Reference{"DateLineEast", {10, 180, {2026, 11, 3}, 0, {}, false},
                  24.988367, 257.726386, 12.066946, 12.1, -0.274125},
        Reference{"DateLineWest", {10, -180, {2026, 11, 3}, 0, {}, false},
                  25.299474, 257.726386, 11.998909, 12.0, 23.725911}),
    [](const testing::TestParamInfo<Reference>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sky
