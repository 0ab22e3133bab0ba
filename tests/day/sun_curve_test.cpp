// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sky/day_shape.h"
#include "day/sun_curve.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <span>
#include <string>

#include <gtest/gtest.h>

#include "model/curve.h"
#include "model/dose.h"
#include "model/form_state.h"
#include "support/reference_days.h"

namespace sky {
namespace {

// The places of the rows below, as typed (tzdata's for the two zones at the
// date line), and the days, with the zone's offset at noon of that day.
struct SunDay {
    Place place;
    CivilDate date;
    double utcOffset;
};
constexpr SunDay kMadrid{{40.42, -3.70}, {2026, 6, 21}, 2};
constexpr SunDay kAuckland{{-(36 + 52 / 60.0), 174 + 46 / 60.0}, {2026, 1, 15}, 13};
// UTC+14: the civil day's samples are all on the day before in UT.
constexpr SunDay kKiritimati{{1 + 52 / 60.0, -(157 + 20 / 60.0)}, {2026, 3, 20}, 14};
// Past the line on its west side, a quarter-hour offset, UT the day before too.
constexpr SunDay kChatham{{-(43 + 57 / 60.0), -(176 + 33 / 60.0)}, {2026, 1, 15}, 13.75};

DayShape shapeOf(const SunDay& day)
{
    const auto shape = dayShape(day.place, day.date, day.utcOffset);
    EXPECT_TRUE(std::holds_alternative<DayShape>(shape));
    return std::get<DayShape>(shape);
}

// The window's samples of Tiempo, with the sun's curve in IndiceUV instead of the bell.
model::FormState sunCurve(const SunDay& day, double maximum)
{
    model::FormState state;
    day::sunSampler(shapeOf(day))(maximum, state);
    state.NumPuntos = model::SampleCount::all();
    return state;
}

// Worked out apart from this program, from the same formulas step by step.
struct Sample {
    const char* name;
    int i;
    double tiempo;
    double indiceUV;
};

class MadridSunSamples : public testing::TestWithParam<Sample> {};

TEST_P(MadridSunSamples, MatchTheIndependentCalculation)
{
    const Sample& row = GetParam();
    const model::FormState state = sunCurve(kMadrid, 10);
    EXPECT_NEAR(state.Tiempo[row.i], row.tiempo, 1e-9);
    EXPECT_NEAR(state.IndiceUV[row.i], row.indiceUV, 5e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MadridSunSamples,
    testing::Values(Sample{"BeforeSunrise", 1, 6.014, 0.0},
                    Sample{"HalfPastNine", 250, 9.5, 1.865050},
                    Sample{"One", 500, 13.0, 9.049418},
                    Sample{"NextToSolarNoon", 592, 14.288, 9.999929},
                    Sample{"HalfPastFour", 750, 16.5, 7.335449},
                    Sample{"Eight", 1000, 20.0, 0.647781}),
    [](const testing::TestParamInfo<Sample>& info) { return std::string(info.param.name); });

class SunCurveDose : public testing::TestWithParam<test_support::ReferenceDay> {};

TEST_P(SunCurveDose, GivesTheReferenceCaption)
{
    const test_support::ReferenceDay& row = GetParam();
    const auto number = [](const char* text) { return std::strtod(text, nullptr); };
    const SunDay day{{number(row.latitude), number(row.longitude)}, parseDateText(row.date).value(), row.utcOffset};
    model::FormState state = sunCurve(day, number(row.maximum));
    state.HoraExposicion = static_cast<float>(number(row.start));
    state.Duracion = static_cast<float>(number(row.duration));
    state.TipoPiel = static_cast<float>(number(row.skinType));
    const model::DoseOutcome dose = model::Velmar(state, '.');
    ASSERT_TRUE(dose.label4Caption);
    EXPECT_EQ(*dose.label4Caption, row.sunCaption);
}

INSTANTIATE_TEST_SUITE_P(Reference, SunCurveDose, testing::ValuesIn(test_support::kReferenceDays),
                         [](const testing::TestParamInfo<test_support::ReferenceDay>& info) {
                             return std::string(info.param.name);
                         });

// The shape itself at clock hours, and the clock hour it peaks at (to 0.1 s,
// from a search on a 0.36 s grid), from the same independent calculation.
struct ShapeValue {
    const char* name;
    SunDay day;
    double clockHours;
    double shape;
};

class ShapeAtTheDateLine : public testing::TestWithParam<ShapeValue> {};

TEST_P(ShapeAtTheDateLine, MatchesTheIndependentCalculation)
{
    const ShapeValue& row = GetParam();
    EXPECT_NEAR(shapeAt(shapeOf(row.day), row.clockHours), row.shape, 5e-7);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShapeAtTheDateLine,
    testing::Values(ShapeValue{"AucklandMorning", kAuckland, 9.5, 0.3051780},
                    ShapeValue{"AucklandOne", kAuckland, 13.0, 0.9839000},
                    ShapeValue{"AucklandEvening", kAuckland, 20.0, 0.0064116},
                    ShapeValue{"KiritimatiMorning", kKiritimati, 9.5, 0.4002070},
                    ShapeValue{"KiritimatiOne", kKiritimati, 13.0, 0.9872738},
                    ShapeValue{"KiritimatiAfternoon", kKiritimati, 16.5, 0.2109926},
                    ShapeValue{"KiritimatiAfterSunset", kKiritimati, 20.0, 0.0},
                    ShapeValue{"ChathamMorning", kChatham, 7.25, 0.0184959},
                    ShapeValue{"ChathamBeforeNoon", kChatham, 11.111, 0.6624605},
                    ShapeValue{"ChathamAfternoon", kChatham, 15.5, 0.8162618}),
    [](const testing::TestParamInfo<ShapeValue>& info) { return std::string(info.param.name); });

struct Peak {
    const char* name;
    SunDay day;
    double clockHours;
};

class ShapePeak : public testing::TestWithParam<Peak> {};

TEST_P(ShapePeak, FallsOnTheSampleNearestSolarNoonOnTheZonesClock)
{
    const Peak& row = GetParam();
    const model::FormState state = sunCurve(row.day, 1);
    const auto highest = std::max_element(state.IndiceUV.begin() + 1, state.IndiceUV.end());
    const double peakHour = state.Tiempo[static_cast<std::size_t>(std::distance(state.IndiceUV.begin(), highest))];
    EXPECT_LE(std::abs(peakHour - row.clockHours), 0.007) << peakHour;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShapePeak,
    testing::Values(Peak{"MadridSummerTime", kMadrid, 14.2771},
                    Peak{"AucklandSummerTime", kAuckland, 13.5022},
                    Peak{"KiritimatiADayAheadOfUt", kKiritimati, 12.6162},
                    Peak{"ChathamADayAheadOfUt", kChatham, 13.6727}),
    [](const testing::TestParamInfo<Peak>& info) { return std::string(info.param.name); });

struct Refusal {
    const char* name;
    Place place;
    CivilDate date;
    char separator;
    DateStyle style;
    const char* message;
};

class NoSunriseNoShape : public testing::TestWithParam<Refusal> {};

TEST_P(NoSunriseNoShape, IsRefusedNamingThePlaceAndDate)
{
    const Refusal& row = GetParam();
    const auto shape = dayShape(row.place, row.date, 1);
    ASSERT_TRUE(std::holds_alternative<NoSunrise>(shape));
    EXPECT_EQ(describe(std::get<NoSunrise>(shape), row.separator, row.style), row.message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NoSunriseNoShape,
    testing::Values(
        Refusal{"TromsoPolarNight", {69.65, 18.96}, {2026, 12, 21}, ',', DateStyle::DayMonthYear,
                "El sol no sale el 21/12/2026 en 69,65° N, 18,96° E: no hay forma del día según el sol."},
        Refusal{"SvalbardForTheCompanion", {78.22, 15.65}, {2026, 12, 21}, '.', DateStyle::Iso,
                "El sol no sale el 2026-12-21 en 78.22° N, 15.65° E: no hay forma del día según el sol."},
        Refusal{"AntarcticWinterSouthAndWest", {-75, -70}, {2026, 6, 21}, ',', DateStyle::DayMonthYear,
                "El sol no sale el 21/06/2026 en 75,00° S, 70,00° O: no hay forma del día según el sol."}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sky
