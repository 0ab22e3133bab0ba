// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "zones/time_zone.h"

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "zones/local_clock.h"

namespace zones {
namespace {

using sky::CivilDate;

TimeZone zone(const char* name)
{
    auto found = findZone(name);
    if (const auto* refused = std::get_if<NotAZone>(&found))
        ADD_FAILURE() << "no zone " << refused->text;
    return std::get<TimeZone>(std::move(found));
}

// The offsets as Python's zoneinfo reads the same tzdata, by its own code.
struct NoonOffset {
    const char* name;
    const char* zone;
    CivilDate date;
    double hours;
};

class OffsetAtNoon : public testing::TestWithParam<NoonOffset> {};

TEST_P(OffsetAtNoon, IsTheZonesThatDay)
{
    const NoonOffset& row = GetParam();
    EXPECT_EQ(utcOffsetAtNoon(zone(row.zone), row.date), row.hours);
}

INSTANTIATE_TEST_SUITE_P(
    Table, OffsetAtNoon,
    testing::Values(NoonOffset{"MadridSummer", "Europe/Madrid", {2026, 6, 21}, 2},
                    NoonOffset{"MadridWinter", "Europe/Madrid", {2026, 12, 21}, 1},
                    NoonOffset{"LimaNoSummerTime", "America/Lima", {2026, 1, 22}, -5},
                    NoonOffset{"KiritimatiFourteenAhead", "Pacific/Kiritimati", {2026, 6, 21}, 14},
                    NoonOffset{"AucklandSummerInJanuary", "Pacific/Auckland", {2026, 1, 15}, 13},
                    NoonOffset{"AucklandWinterInJuly", "Pacific/Auckland", {2026, 7, 15}, 12},
                    NoonOffset{"ChathamQuarterHour", "Pacific/Chatham", {2026, 1, 15}, 13.75},
                    NoonOffset{"KolkataHalfHour", "Asia/Kolkata", {2026, 6, 21}, 5.5},
                    // After the files' last listed change, by the rule they end with.
                    NoonOffset{"MadridSummerAfter2037", "Europe/Madrid", {2050, 7, 1}, 2},
                    NoonOffset{"AucklandSummerAfter2037", "Pacific/Auckland", {2060, 1, 15}, 13},
                    NoonOffset{"LordHoweHalfHourSummerAfter2037", "Australia/Lord_Howe", {2050, 1, 15}, 11},
                    NoonOffset{"LordHoweWinterAfter2037", "Australia/Lord_Howe", {2050, 7, 15}, 10.5},
                    // Samoa skipped 30 December 2011 from UTC-10 to UTC+14: the
                    // clock never showed that noon, and read +14 after it.
                    NoonOffset{"SamoaSkippedDay", "Pacific/Apia", {2011, 12, 30}, 14},
                    NoonOffset{"SamoaDayBefore", "Pacific/Apia", {2011, 12, 29}, -10},
                    // The days the clocks change: noon's offset, not midnight's.
                    NoonOffset{"MadridDaySummerStarts", "Europe/Madrid", {2026, 3, 29}, 2},
                    NoonOffset{"MadridDaySummerEnds", "Europe/Madrid", {2026, 10, 25}, 1},
                    NoonOffset{"SydneyDaySummerStarts", "Australia/Sydney", {2026, 10, 4}, 11},
                    NoonOffset{"SydneyDaySummerEnds", "Australia/Sydney", {2026, 4, 5}, 10},
                    NoonOffset{"MadridDaySummerStartsAfter2037", "Europe/Madrid", {2050, 3, 27}, 2},
                    NoonOffset{"SydneyDaySummerStartsAfter2037", "Australia/Sydney", {2050, 10, 2}, 11}),
    [](const testing::TestParamInfo<NoonOffset>& info) { return std::string(info.param.name); });

// Europe's clocks change at 1:00 UT on the last Sundays of March and October.
struct ClockOffset {
    const char* name;
    CivilDate date;
    long long clockSeconds;
    long long offset;
};

class OffsetAtClock : public testing::TestWithParam<ClockOffset> {};

TEST_P(OffsetAtClock, TakesTheFirstOfTwoAndTheLaterOverAGap)
{
    const ClockOffset& row = GetParam();
    EXPECT_EQ(zone("Europe/Madrid").offsetAtClock(row.date, row.clockSeconds), row.offset);
}

INSTANTIATE_TEST_SUITE_P(
    Table, OffsetAtClock,
    testing::Values(ClockOffset{"ShownTwiceInTheFilesYears", {2026, 10, 25}, 2 * 3600 + 1800, 7200},
                    ClockOffset{"AfterShownTwice", {2026, 10, 25}, 3 * 3600, 3600},
                    ClockOffset{"SkippedInTheFilesYears", {2026, 3, 29}, 2 * 3600 + 1800, 7200},
                    ClockOffset{"BeforeTheGap", {2026, 3, 29}, 1 * 3600 + 1800, 3600},
                    ClockOffset{"ShownTwiceByTheRule", {2050, 10, 30}, 2 * 3600 + 1800, 7200},
                    ClockOffset{"SkippedByTheRule", {2050, 3, 27}, 2 * 3600 + 1800, 7200}),
    [](const testing::TestParamInfo<ClockOffset>& info) { return std::string(info.param.name); });

struct ZoneClock {
    const char* name;
    const char* zone;
    CivilDate date;
    double utHours;
    int minutes;
};

class ClockInAZone : public testing::TestWithParam<ZoneClock> {};

TEST_P(ClockInAZone, ShowsTheZonesTime)
{
    const ZoneClock& row = GetParam();
    EXPECT_EQ(localClockMinutes(row.date, row.utHours, zone(row.zone)), row.minutes);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ClockInAZone,
    testing::Values(ZoneClock{"AucklandTheDayAfter", "Pacific/Auckland", {2026, 1, 12}, 23.5, 12 * 60 + 30},
                    ZoneClock{"KiritimatiTheDayAfter", "Pacific/Kiritimati", {2026, 3, 19}, 22.5, 12 * 60 + 30},
                    ZoneClock{"MadridLastDayAccepted", "Europe/Madrid", {2099, 7, 1}, 12, 14 * 60},
                    ZoneClock{"MadridBeforeSpringForward2050", "Europe/Madrid", {2050, 3, 27}, 59 / 60.0, 1 * 60 + 59},
                    ZoneClock{"MadridSpringForward2050", "Europe/Madrid", {2050, 3, 27}, 1, 3 * 60},
                    ZoneClock{"MadridBeforeFallBack2050", "Europe/Madrid", {2050, 10, 30}, 59 / 60.0, 2 * 60 + 59},
                    ZoneClock{"MadridFallBack2050", "Europe/Madrid", {2050, 10, 30}, 1, 2 * 60},
                    ZoneClock{"LimaTheEveningBefore", "America/Lima", {2026, 1, 1}, 3, 22 * 60}),
    [](const testing::TestParamInfo<ZoneClock>& info) { return std::string(info.param.name); });

struct ZoneDate {
    const char* name;
    const char* zone;
    long long unixSeconds;
    CivilDate date;
};

class DateInAZone : public testing::TestWithParam<ZoneDate> {};

TEST_P(DateInAZone, IsTheZonesDay)
{
    const ZoneDate& row = GetParam();
    EXPECT_EQ(localDate(zone(row.zone), row.unixSeconds), row.date);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DateInAZone,
    // The instants: 2026-03-19 10:30 and 9:59:59 UT, 2026-01-01 3:00 and 5:00 UT, 2099-12-31 23:30 UT.
    testing::Values(ZoneDate{"KiritimatiAlreadyTomorrow", "Pacific/Kiritimati", 1773916200, {2026, 3, 20}},
                    ZoneDate{"KiritimatiStillToday", "Pacific/Kiritimati", 1773914399, {2026, 3, 19}},
                    ZoneDate{"LimaStillLastYear", "America/Lima", 1767236400, {2025, 12, 31}},
                    ZoneDate{"LimaNewYear", "America/Lima", 1767243600, {2026, 1, 1}},
                    ZoneDate{"MadridPastTheLastDay", "Europe/Madrid", 4102443000, {2100, 1, 1}}),
    [](const testing::TestParamInfo<ZoneDate>& info) { return std::string(info.param.name); });

// The zones furthest ahead and behind are 26 hours apart: their dates are
// one or two days apart, whenever the test runs.
TEST(LocalToday, FollowsTheZone)
{
    const long long ahead = daysSinceUnixEpoch(localToday(zone("Etc/GMT-14")));
    const long long behind = daysSinceUnixEpoch(localToday(zone("Etc/GMT+12")));
    EXPECT_GE(ahead - behind, 1);
    EXPECT_LE(ahead - behind, 2);
}

class ZoneRefused : public testing::TestWithParam<const char*> {};

TEST_P(ZoneRefused, GivesTheTextBack)
{
    const auto found = findZone(GetParam());
    ASSERT_TRUE(std::holds_alternative<NotAZone>(found));
    EXPECT_EQ(std::get<NotAZone>(found).text, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Table, ZoneRefused,
                         testing::Values("Europe/Atlantis", "", "Europe/Madri", "europe/madrid", "Europe/Madrid ",
                                         "CET-1CEST", "/usr/share/zoneinfo/Europe/Madrid", "../zoneinfo/Europe/Madrid",
                                         "zone1970.tab", "Europe"));

// Every zone and link of the system's tzdata, by the names its compiled
// source lists, but "Factory": the placeholder for a system whose zone is not
// set yet, which the time zone library leaves out.
std::vector<std::string> tzdataNames()
{
    std::ifstream source("/usr/share/zoneinfo/tzdata.zi");
    std::vector<std::string> names;
    for (std::string line; std::getline(source, line);) {
        std::istringstream fields(line);
        std::string kind, first, second;
        fields >> kind >> first >> second;
        if (kind == "Z" && first != "Factory")
            names.push_back(first);
        else if (kind == "L")
            names.push_back(second);
    }
    return names;
}

long long unixNoon(const CivilDate& date)
{
    return daysSinceUnixEpoch(date) * 86400 + 12 * 3600;
}

// 2030 lies within the changes the files list (to 2037), 2050 past them for
// all but a few zones, where the rule each file ends with gives the clock:
// every rule must be read, and must keep the zone's clock of 1 July. Only the
// zones whose tzdata lists changes beyond 2050 differ. Palestine's rules
// predict summer time suspended over Ramadan, on 1 July 2050 still (21 May
// to 2 July), so its zones read +2 where 2030 had +3 (as Python's zoneinfo
// reads the same files). Morocco's, listed to 2087 for Ramadan too, are back
// on +01 by 1 July in both years (Ramadan ends on 26 June 2050, and in 2030
// falls in January and December), so they need no exception.
TEST(EveryTzdataZone, IsFoundAndKeepsItsClockPastTheListedChanges)
{
    const std::map<std::string, long long> offsetsIn2050 = {{"Asia/Gaza", 7200}, {"Asia/Hebron", 7200}};
    const std::vector<std::string> names = tzdataNames();
    ASSERT_GT(names.size(), 400U);
    for (const std::string& name : names) {
        const auto found = findZone(name);
        const auto* zone = std::get_if<TimeZone>(&found);
        if (!zone) {
            ADD_FAILURE() << "no zone " << name;
            continue;
        }
        EXPECT_TRUE(zone->hasClosingRule()) << name;
        const auto exception = offsetsIn2050.find(name);
        const long long expected =
            exception != offsetsIn2050.end() ? exception->second : zone->offsetAt(unixNoon({2030, 7, 1}));
        EXPECT_EQ(zone->offsetAt(unixNoon({2050, 7, 1})), expected) << name;
    }
}

TEST(FindZone, KeepsTheNameItWasFoundBy)
{
    // "UTC" is one of tzdata's links to Etc/UTC; the user's name is the one shown.
    EXPECT_EQ(zone("UTC").name(), "UTC");
    EXPECT_EQ(zone("Europe/Madrid").name(), "Europe/Madrid");
}

}  // namespace
}  // namespace zones
