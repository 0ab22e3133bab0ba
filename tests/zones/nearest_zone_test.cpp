// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "zones/nearest_zone.h"

#include <numbers>
#include <string>

#include <gtest/gtest.h>

namespace zones {
namespace {

using sky::Place;

constexpr double kRadius = 6371.0088;

struct Distance {
    const char* name;
    Place from;
    Place to;
    double kilometres;
    double tolerance;
};

class GreatCircle : public testing::TestWithParam<Distance> {};

TEST_P(GreatCircle, MeasuresAlongTheSurface)
{
    const Distance& row = GetParam();
    EXPECT_NEAR(distanceKilometres(row.from, row.to), row.kilometres, row.tolerance);
    EXPECT_NEAR(distanceKilometres(row.to, row.from), row.kilometres, row.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GreatCircle,
    testing::Values(Distance{"SamePlace", {40.42, -3.70}, {40.42, -3.70}, 0, 1e-9},
                    Distance{"QuarterOfTheEquator", {0, 0}, {0, 90}, std::numbers::pi * kRadius / 2, 1e-6},
                    Distance{"PoleToPole", {90, 0}, {-90, 0}, std::numbers::pi * kRadius, 1e-6},
                    // By hand with Python's math, the same haversine.
                    Distance{"MadridToParis", {40.42, -3.70}, {48.85, 2.35}, 1051.716307, 1e-5},
                    Distance{"AcrossTheAntimeridian", {-17, -179.9}, {-(18 + 8 / 60.0), 178 + 25 / 60.0}, 218.458259,
                             1e-5}),
    [](const testing::TestParamInfo<Distance>& info) { return std::string(info.param.name); });

struct Nearest {
    const char* name;
    Place place;
    const char* zone;
};

class NearestZone : public testing::TestWithParam<Nearest> {};

TEST_P(NearestZone, IsTheZoneWhosePlaceIsNearest)
{
    EXPECT_EQ(nearestZone(GetParam().place).zone, GetParam().zone);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NearestZone,
    testing::Values(Nearest{"Madrid", {40.42, -3.70}, "Europe/Madrid"},
                    Nearest{"Paris", {48.85, 2.35}, "Europe/Paris"},
                    Nearest{"KiritimatiItself", {1 + 52 / 60.0, -(157 + 20 / 60.0)}, "Pacific/Kiritimati"},
                    // West of the line, Suva 218 km away on its east.
                    Nearest{"AcrossTheAntimeridian", {-17, -179.9}, "Pacific/Fiji"},
                    // Puno is in Peru, but La Paz (213 km) is much nearer than Lima (868 km).
                    Nearest{"PunoByTheBorder", {-15.84, -70.02}, "America/La_Paz"},
                    // Andorra la Vella 135 km, Madrid 504 km.
                    Nearest{"BarcelonaByAndorra", {41.39, 2.17}, "Europe/Andorra"}),
    [](const testing::TestParamInfo<Nearest>& info) { return std::string(info.param.name); });

// The suggestion beside the zone: only when the place lies over 800 km from
// the zone's own place and another zone's is nearer.
struct Suggestion {
    const char* name;
    Place place;
    const char* zone;
    const char* text;
};

class NearerZone : public testing::TestWithParam<Suggestion> {};

TEST_P(NearerZone, IsSuggestedOnlyFarFromTheZonesPlace)
{
    EXPECT_EQ(nearerZoneText(GetParam().place, GetParam().zone), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NearerZone,
    testing::Values(Suggestion{"AtTheZonesPlace", {40.42, -3.70}, "Europe/Madrid", ""},
                    // Barcelona's nearest zone place is Andorra la Vella's (135 km), but
                    // Madrid's is 504 km away, within 800 km: no suggestion.
                    Suggestion{"NearerAnotherZoneButNearEnough", {41.39, 2.17}, "Europe/Madrid", ""},
                    Suggestion{"ParisWithMadridsClock", {48.85, 2.35}, "Europe/Madrid",
                               "La zona horaria más cercana a este lugar es Europe/Paris."},
                    // A zone tzdata does not place is always far.
                    Suggestion{"UtcHasNoPlace", {40.42, -3.70}, "UTC",
                               "La zona horaria más cercana a este lugar es Europe/Madrid."}),
    [](const testing::TestParamInfo<Suggestion>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zones
