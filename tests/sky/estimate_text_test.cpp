// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sky/estimate_text.h"

#include <gtest/gtest.h>

namespace sky {
namespace {

const SkyInputs kMadrid{40.45, -3.70, {2026, 6, 21}, 690, {}, false};
const SkyInputs kTromso{69.65, 18.96, {2026, 12, 21}, 0, {}, false};

struct Shown {
    const char* name;
    SkyInputs inputs;
    std::optional<int> localNoonMinutes;
    char separator;
    const char* text;
    const char* indexText;
};

class EstimateText : public testing::TestWithParam<Shown> {};

TEST_P(EstimateText, ReadsAsShown)
{
    const Shown& row = GetParam();
    const SkyEstimate estimate = estimateClearSky(row.inputs);
    EXPECT_EQ(estimateText(estimate, row.localNoonMinutes, row.separator), row.text);
    EXPECT_EQ(shownIndexText(estimate, row.separator), row.indexText);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EstimateText,
    testing::Values(
        Shown{"MadridInSummerTime", kMadrid, 14 * 60 + 16, ',',
              "Índice UV máximo con cielo despejado: 10,3\n"
              "Mediodía solar a las 14:16; ozono 327 DU; el sol a 17,0° del cénit.\n"
              "La calima y la contaminación lo bajan; la nieve, la arena, el agua y las nubes sueltas pueden subirlo un rato.",
              "10,3"},
        Shown{"PointLocale", kMadrid, 14 * 60 + 16, '.',
              "Índice UV máximo con cielo despejado: 10.3\n"
              "Mediodía solar a las 14:16; ozono 327 DU; el sol a 17.0° del cénit.\n"
              "La calima y la contaminación lo bajan; la nieve, la arena, el agua y las nubes sueltas pueden subirlo un rato.",
              "10.3"},
        Shown{"NoLocalClockGivesUniversalTime", kMadrid, std::nullopt, ',',
              "Índice UV máximo con cielo despejado: 10,3\n"
              "Mediodía solar a las 12:16 UT; ozono 327 DU; el sol a 17,0° del cénit.\n"
              "La calima y la contaminación lo bajan; la nieve, la arena, el agua y las nubes sueltas pueden subirlo un rato.",
              "10,3"},
        Shown{"OzoneRoundedUpAndHourWithoutLeadingZero", {-15.84, -70.02, {2026, 1, 22}, 3830, 255.5, false}, 9 * 60 + 5,
              ',',
              "Índice UV máximo con cielo despejado: 20,5\n"
              "Mediodía solar a las 9:05; ozono 256 DU; el sol a 3,7° del cénit.\n"
              "La calima y la contaminación lo bajan; la nieve, la arena, el agua y las nubes sueltas pueden subirlo un rato.",
              "20,5"},
        Shown{"SunDoesNotRise", kTromso, 11 * 60 + 42, ',',
              "Índice UV máximo con cielo despejado: 0,0\n"
              "Ese día el sol no sale en ese lugar; ozono 365 DU.\n"
              "La calima y la contaminación lo bajan; la nieve, la arena, el agua y las nubes sueltas pueden subirlo un rato.",
              "0,0"}),
    [](const testing::TestParamInfo<Shown>& info) { return std::string(info.param.name); });

// The line at a glance: "Hoy" for today, the zone's name at its own place (to
// the hundredth, as the fields offer it), else the date and the degrees.
struct Glance {
    const char* name;
    SkyInputs inputs;
    std::optional<CivilDate> today;
    const char* zone;
    std::optional<Place> zonePlace;  // tzdata's place of the zone
    const char* lead;
};

class EstimateLine : public testing::TestWithParam<Glance> {};

TEST_P(EstimateLine, SaysTheDayThePlaceAndTheSky)
{
    const Glance& row = GetParam();
    const SkyEstimate estimate = estimateClearSky(row.inputs);
    EXPECT_EQ(estimateLineText(estimate, row.inputs, row.today, row.zone, row.zonePlace, ','),
              std::string(row.lead) + shownIndexText(estimate, ','));
}

// Madrid's place in tzdata is 40°24' N, 3°41' W.
const Place kMadridsPlace{40.40, -(3 + 41 / 60.0)};
const SkyInputs kZonesMadrid{kMadridsPlace.latitude, kMadridsPlace.longitude, {2026, 6, 21}, 0, {}, false};
const SkyInputs kBilbaoCloudy{43.26, -2.93, {2026, 6, 21}, 0, {}, false, SkyCover::MostlyCloudy};

INSTANTIATE_TEST_SUITE_P(
    Table, EstimateLine,
    testing::Values(
        Glance{"TodayAtTheZonesPlace", kZonesMadrid, CivilDate{2026, 6, 21}, "Europe/Madrid", kMadridsPlace,
               "Hoy en Europe/Madrid, con cielo despejado: "},
        Glance{"AnotherDay", kZonesMadrid, CivilDate{2026, 6, 20}, "Europe/Madrid", kMadridsPlace,
               "El 21/06/2026 en Europe/Madrid, con cielo despejado: "},
        Glance{"AnotherPlaceAndSky", kBilbaoCloudy, CivilDate{2026, 6, 21}, "Europe/Madrid", kMadridsPlace,
               "Hoy en 43,26° N, 2,93° O, con cielo nuboso: "},
        Glance{"TodayUnknown", kZonesMadrid, std::nullopt, "Europe/Madrid", kMadridsPlace,
               "El 21/06/2026 en Europe/Madrid, con cielo despejado: "},
        Glance{"ZoneWithoutAPlace", kZonesMadrid, CivilDate{2026, 6, 21}, "UTC", std::nullopt,
               "Hoy en 40,40° N, 3,68° O, con cielo despejado: "}),
    [](const testing::TestParamInfo<Glance>& info) { return std::string(info.param.name); });

TEST(DegreesText, IsToTheHundredthInTheSeparator)
{
    EXPECT_EQ(degreesText(40.4, ','), "40,40");
    EXPECT_EQ(degreesText(-3.6833333, ','), "-3,68");
    EXPECT_EQ(degreesText(-58.375, '.'), "-58.38");  // halves away from zero, as "#0.00" does
    EXPECT_EQ(degreesText(0, '.'), "0.00");
}

TEST(ClockText, IsHourAndTwoDigitMinutes)
{
    EXPECT_EQ(clockText(14 * 60 + 16), "14:16");
    EXPECT_EQ(clockText(9 * 60 + 5), "9:05");
    EXPECT_EQ(clockText(0), "0:00");
    EXPECT_EQ(clockText(23 * 60 + 59), "23:59");
}

}  // namespace
}  // namespace sky
