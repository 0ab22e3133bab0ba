// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The day's answer with the page's zone library, which has no zones of its
// own: a request the browser gave no offset knows no zone.
#include "day/ask.h"

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace day {
namespace {

using layout::SkyField;
using runtime::Holder;

struct NoZoneRow {
    const char* name;
    std::vector<std::pair<SkyField, const char*>> fields;
    bool estimate;
    std::optional<double> noonOffset;
    SkyField refused;
    const char* boxMessage;
    const char* optionMessage;
};

void PrintTo(const NoZoneRow& row, std::ostream* out)
{
    *out << row.name;
}

class PageWithoutAZone : public testing::TestWithParam<NoZoneRow> {};

TEST_P(PageWithoutAZone, RefusesWhatTheZoneShouldGive)
{
    const NoZoneRow& row = GetParam();
    for (const auto& [naming, message] :
         {std::pair{Holder::Box, row.boxMessage}, std::pair{Holder::Option, row.optionMessage}}) {
        SCOPED_TRACE(naming == Holder::Box ? "the forms" : "the companion");
        Request request;
        for (const auto& [field, text] : row.fields)
            request.field(field) = text;
        request.estimate = row.estimate;
        request.noonOffset = row.noonOffset;
        request.naming = naming;
        const Answer answered = answer(request);
        ASSERT_TRUE(answered.refusal);
        EXPECT_TRUE(answered.refusal->subject == Subject(row.refused)) << answered.refusal->message;
        EXPECT_EQ(answered.refusal->message, message);
        EXPECT_FALSE(answered.estimate);
        EXPECT_FALSE(answered.sunDay);
    }
}

constexpr double kNoZoneForTheName = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Table, PageWithoutAZone,
    testing::Values(
        NoZoneRow{"SunsDay",
                  {{SkyField::Latitud, "40.42"},
                   {SkyField::Longitud, "-3.70"},
                   {SkyField::Fecha, "2026-06-21"},
                   {SkyField::Forma, "sol"}},
                  false,
                  std::nullopt,
                  SkyField::Zona,
                  "La casilla «Zona horaria» está vacía.",
                  "--curva sol: indique --zona (no se conoce la zona horaria del sistema)."},
        NoZoneRow{"PlaceForTheEstimate", {{SkyField::Fecha, "2026-06-21"}}, true, std::nullopt, SkyField::Latitud,
                  "La casilla «Latitud» está vacía.",
                  "--estimar: indique --latitud y --longitud (no se conoce la zona horaria)."},
        NoZoneRow{"PlaceForTheSunsDay", {{SkyField::Forma, "sol"}}, false, std::nullopt, SkyField::Latitud,
                  "La casilla «Latitud» está vacía.",
                  "--curva sol: indique --latitud y --longitud (no se conoce la zona horaria)."},
        // Only the browser knows zones by name.
        NoZoneRow{"ZoneNamedWithoutTheBrowser",
                  {{SkyField::Latitud, "40.42"},
                   {SkyField::Longitud, "-3.70"},
                   {SkyField::Fecha, "2026-06-21"},
                   {SkyField::Zona, "Europe/Madrid"}},
                  true,
                  std::nullopt,
                  SkyField::Zona,
                  "«Zona horaria»: «Europe/Madrid» no es una zona horaria.",
                  "--zona: «Europe/Madrid» no es una zona horaria."},
        NoZoneRow{"ZoneTheBrowserDoesNotKnow",
                  {{SkyField::Latitud, "40.42"},
                   {SkyField::Longitud, "-3.70"},
                   {SkyField::Fecha, "2026-06-21"},
                   {SkyField::Zona, " Marte/Olimpo "}},
                  true,
                  kNoZoneForTheName,
                  SkyField::Zona,
                  "«Zona horaria»: «Marte/Olimpo» no es una zona horaria.",
                  "--zona: «Marte/Olimpo» no es una zona horaria."}),
    [](const testing::TestParamInfo<NoZoneRow>& info) { return std::string(info.param.name); });

// Without a zone, solar noon is given in UT: 12:16:37 at Madrid on 21 June
// 2026 by NOAA's equation of time; 327.35 DU of the climatology; the sun
// 16.98° from the zenith.
TEST(PageWithoutAZone, GivesNoonInUt)
{
    Request request;
    request.field(SkyField::Latitud) = "40.42";
    request.field(SkyField::Longitud) = "-3.70";
    request.field(SkyField::Fecha) = "2026-06-21";
    request.estimate = true;
    const Answer answered = answer(request);
    ASSERT_FALSE(answered.refusal) << answered.refusal->message;
    ASSERT_TRUE(answered.estimate);
    EXPECT_FALSE(answered.zone);
    EXPECT_FALSE(answered.estimate->noonMinutes);
    EXPECT_EQ(answered.estimate->zoneHint, "");
    const std::string& text = answered.estimate->text;
    EXPECT_NE(text.find("\nMediodía solar a las 12:16 UT; ozono 327 DU; el sol a 17.0° del cénit.\n"),
              std::string::npos)
        << text;
}

// The stay's reminders on the page's clock: the sun's day's date at its
// offset, or today at today's (Madrid: UT+2 in June, UT+1 in December), so a
// stay from 11:00 starts at 9:00 or 10:00 UT.
struct PageClockRow {
    const char* name;
    const char* shape;  // nullptr: the bell
    std::optional<double> todayOffset;
    const char* startUtc;
};

void PrintTo(const PageClockRow& row, std::ostream* out)
{
    *out << row.name;
}

class PageReminderClock : public testing::TestWithParam<PageClockRow> {};

TEST_P(PageReminderClock, IsTheDaysOwn)
{
    Request request;
    request.field(SkyField::Latitud) = "40.42";
    request.field(SkyField::Longitud) = "-3.70";
    request.field(SkyField::Fecha) = "2026-06-21";
    request.field(SkyField::Zona) = "Europe/Madrid";
    if (GetParam().shape)
        request.field(SkyField::Forma) = GetParam().shape;
    request.noonOffset = 2;
    request.today = sky::CivilDate{2026, 12, 11};
    request.todayNoonOffset = GetParam().todayOffset;
    request.stay = Stay{{"10", "11", "2", "3", "0", "0"}, false, std::nullopt, std::nullopt};
    const Answer answered = answer(request);
    ASSERT_FALSE(answered.refusal) << answered.refusal->message;
    ASSERT_TRUE(answered.reminders);
    EXPECT_EQ(utcText(answered.reminders->startUnix), GetParam().startUtc);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PageReminderClock,
    testing::Values(PageClockRow{"BellTodayOnTodaysClock", nullptr, 1, "2026-12-11T10:00:00Z"},
                    PageClockRow{"SunsDayOnItsOwnDate", "sol", 1, "2026-06-21T09:00:00Z"},
                    PageClockRow{"TodaysOffsetUnknownTakesTheDates", nullptr, std::nan(""), "2026-12-11T09:00:00Z"},
                    PageClockRow{"NoTodaysOffsetTakesTheDates", nullptr, std::nullopt, "2026-12-11T09:00:00Z"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace day
