// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdlib>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "zones/local_clock.h"
#include "zones/system_zone.h"
#include "zones/zone_places.h"
#include "support/scoped_tz.h"

namespace zones {
namespace {

using sky::CivilDate;
using sky::Place;

using test_support::ScopedTz;

struct ZoneRow {
    const char* name;
    const char* zone;
    std::optional<Place> place;
};

class ZonePlace : public testing::TestWithParam<ZoneRow> {};

TEST_P(ZonePlace, ComesFromTzdata)
{
    const ZoneRow& row = GetParam();
    const auto place = placeOfZone(row.zone);
    ASSERT_EQ(place.has_value(), row.place.has_value());
    if (place) {
        EXPECT_DOUBLE_EQ(place->latitude, row.place->latitude);
        EXPECT_DOUBLE_EQ(place->longitude, row.place->longitude);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ZonePlace,
    testing::Values(
        ZoneRow{"Madrid", "Europe/Madrid", Place{40 + 24 / 60.0, -(3 + 41 / 60.0)}},
        ZoneRow{"MexicoCity", "America/Mexico_City", Place{19 + 24 / 60.0, -(99 + 9 / 60.0)}},
        ZoneRow{"BuenosAiresSouthAndWest", "America/Argentina/Buenos_Aires", Place{-(34 + 36 / 60.0), -(58 + 27 / 60.0)}},
        ZoneRow{"NotAPlaceButAnOffset", "Etc/UTC", std::nullopt},
        ZoneRow{"NoSuchZone", "Europe/Atlantis", std::nullopt},
        ZoneRow{"OnlyTheWholeName", "Europe/Madri", std::nullopt},
        ZoneRow{"Empty", "", std::nullopt}),
    [](const testing::TestParamInfo<ZoneRow>& info) { return std::string(info.param.name); });

struct Coordinates {
    const char* name;
    const char* text;
    std::optional<Place> place;
};

class Iso6709 : public testing::TestWithParam<Coordinates> {};

TEST_P(Iso6709, ReadsDegreesMinutesAndSeconds)
{
    const Coordinates& row = GetParam();
    const auto place = parseIso6709(row.text);
    ASSERT_EQ(place.has_value(), row.place.has_value());
    if (place) {
        EXPECT_DOUBLE_EQ(place->latitude, row.place->latitude);
        EXPECT_DOUBLE_EQ(place->longitude, row.place->longitude);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Iso6709,
    testing::Values(
        Coordinates{"DegreesAndMinutes", "+4024-00341", Place{40.4, -(3 + 41 / 60.0)}},
        Coordinates{"WithSeconds", "-720041+0023206", Place{-(72 + 41 / 3600.0), 2 + 32 / 60.0 + 6 / 3600.0}},
        Coordinates{"TheCorners", "-9000+18000", Place{-90, 180}},
        Coordinates{"NoSign", "4024-00341", std::nullopt},
        Coordinates{"NoLongitude", "+4024", std::nullopt},
        Coordinates{"SixtyMinutes", "+4060-00341", std::nullopt},
        Coordinates{"BeyondThePole", "+9001+00000", std::nullopt},
        Coordinates{"ShortLongitude", "+4024-0341", std::nullopt},
        Coordinates{"TrailingText", "+4024-00341x", std::nullopt}),
    [](const testing::TestParamInfo<Coordinates>& info) { return std::string(info.param.name); });

struct TzValue {
    const char* name;
    std::string_view tz;
    std::optional<std::string> zone;
};

class ZoneNamedByTz : public testing::TestWithParam<TzValue> {};

TEST_P(ZoneNamedByTz, NamesTheZone)
{
    const TzValue& row = GetParam();
    EXPECT_EQ(zoneNamedByTz(row.tz), row.zone);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ZoneNamedByTz,
    testing::Values(TzValue{"Name", "Europe/Madrid", "Europe/Madrid"},
                    TzValue{"WithColon", ":America/Mexico_City", "America/Mexico_City"},
                    TzValue{"PathByItsTail", ":/usr/share/zoneinfo/Europe/Madrid", "Europe/Madrid"},
                    TzValue{"PosixCopy", "/usr/share/zoneinfo/posix/Europe/Madrid", "Europe/Madrid"},
                    TzValue{"RelativePath", "../usr/share/zoneinfo/America/Argentina/Buenos_Aires",
                            "America/Argentina/Buenos_Aires"},
                    TzValue{"PathElsewhere", "/home/ana/mi-zona", std::nullopt},
                    TzValue{"TheFolder", "/usr/share/zoneinfo/", std::nullopt},
                    // A rule is a name to findZone, which has no such zone.
                    TzValue{"RuleIsNotAZoneOfTheTable", "CET-1CEST", "CET-1CEST"},
                    TzValue{"Empty", "", std::nullopt}),
    [](const testing::TestParamInfo<TzValue>& info) { return std::string(info.param.name); });

TEST(SystemZone, FollowsTz)
{
    {
        const ScopedTz tz(":Europe/Madrid");
        EXPECT_EQ(systemZone(), "Europe/Madrid");
        const auto place = systemDefaultPlace();
        ASSERT_TRUE(place.has_value());
        EXPECT_EQ(place->zone, "Europe/Madrid");
        EXPECT_DOUBLE_EQ(place->place.latitude, 40.4);
    }
    {
        const ScopedTz tz("UTC");
        EXPECT_EQ(systemZone(), "UTC");
        EXPECT_FALSE(systemDefaultPlace().has_value());
    }
}

// The zone the system is set to, whatever it is on the machine running the
// tests, is the one a TZ that names no zone leaves.
TEST(SystemZone, ATzThatNamesNoZoneIsPassedOver)
{
    std::optional<std::string> configured;
    {
        const ScopedTz unset(nullptr);
        configured = systemZone();
    }
    for (const char* tz : {"CET-1CEST", "", "Europe/Atlantis", "/home/ana/mi-zona"}) {
        const ScopedTz set(tz);
        EXPECT_EQ(systemZone(), configured) << tz;
    }
}

struct Clock {
    const char* name;
    const char* tz;
    CivilDate date;
    double utHours;
    std::optional<int> minutes;
};

class LocalClock : public testing::TestWithParam<Clock> {};

TEST_P(LocalClock, ShowsTheZonesTime)
{
    const Clock& row = GetParam();
    const ScopedTz tz(row.tz);
    EXPECT_EQ(localClockMinutes(row.date, row.utHours), row.minutes);
}

const Clock kClocks[] = {
    // Madrid's solar noon on midsummer day, 12:16:37.7 UT, under summer time.
    Clock{"MadridSummerTime", ":Europe/Madrid", {2026, 6, 21}, 12.277149, 14 * 60 + 16},
    Clock{"MadridWinterTime", ":Europe/Madrid", {2026, 12, 21}, 11.999, 12 * 60 + 59},
    Clock{"MexicoCityNoSummerTime", ":America/Mexico_City", {2026, 6, 21}, 18.5, 12 * 60 + 30},
    Clock{"BeforeTheDateInUt", "UTC", {2026, 11, 3}, -0.274125, 23 * 60 + 43},
    Clock{"SecondsDropped", "UTC", {2026, 11, 3}, 12 + 59.99 / 60, 12 * 60 + 59},
    Clock{"TheDayAfterInAuckland", ":Pacific/Auckland", {2026, 1, 12}, 23.5, 12 * 60 + 30},
    Clock{"FarFutureDate", ":Europe/Madrid", {2099, 7, 1}, 12, 14 * 60},
    Clock{"NoTimeOfDayFarFromTheDate", "UTC", {2026, 1, 1}, 1e300, std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Table, LocalClock, testing::ValuesIn(kClocks),
                         [](const testing::TestParamInfo<Clock>& info) { return std::string(info.param.name); });

// Each row above runs in a process of its own under ctest, where the C
// library reads TZ the first time anyway; the user changes zone while the
// program runs. All the rows, one after the other, in one process.
TEST(LocalClock, FollowsTzChangedWhileRunning)
{
    for (const Clock& row : kClocks) {
        const ScopedTz tz(row.tz);
        EXPECT_EQ(localClockMinutes(row.date, row.utHours), row.minutes) << row.name;
    }
}

TEST(DefaultPlaceText, NamesTheZoneOrAsksForThePlace)
{
    EXPECT_EQ(defaultPlaceText("Europe/Madrid"), "Lugar por defecto: zona horaria Europe/Madrid");
    EXPECT_EQ(defaultPlaceText("UTC"),
              "Sin lugar por defecto: la zona horaria UTC no tiene lugar; escriba la latitud y la longitud");
    EXPECT_EQ(defaultPlaceText(std::nullopt),
              "Sin lugar por defecto: no se conoce la zona horaria; escriba la latitud y la longitud");
}

}  // namespace
}  // namespace zones
