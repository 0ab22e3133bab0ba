// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "zones/posix_rule.h"

#include <string>

#include <gtest/gtest.h>

#include "sky/civil_date.h"

namespace zones {
namespace {


// The rules of tzdata's files, and the changes of offset they make after
// 2037: each a second before and at the change, the instants and offsets from
// Python's zoneinfo, which reads the same rules by its own code.
struct RuleInstant {
    const char* name;
    const char* rule;
    long long unixSeconds;
    long long offset;
};

class PosixRuleOffset : public testing::TestWithParam<RuleInstant> {};

TEST_P(PosixRuleOffset, MatchesTzdataReadIndependently)
{
    const RuleInstant& row = GetParam();
    const auto rule = parsePosixRule(row.rule);
    ASSERT_TRUE(rule.has_value());
    EXPECT_EQ(offsetAt(*rule, row.unixSeconds), row.offset);
}

constexpr const char* kMadrid = "CET-1CEST,M3.5.0,M10.5.0/3";
constexpr const char* kAuckland = "NZST-12NZDT,M9.5.0,M4.1.0/3";
constexpr const char* kNuuk = "<-02>2<-01>,M3.5.0/-1,M10.5.0/0";
constexpr const char* kJerusalem = "IST-2IDT,M3.4.4/26,M10.5.0";
constexpr const char* kDublin = "IST-1GMT0,M10.5.0,M3.5.0/1";
constexpr const char* kLordHowe = "<+1030>-10:30<+11>-11,M10.1.0,M4.1.0";
constexpr const char* kChatham = "<+1245>-12:45<+1345>,M9.5.0/2:45,M4.1.0/3:45";
constexpr const char* kHavana = "CST5CDT,M3.2.0/0,M11.1.0/1";

INSTANTIATE_TEST_SUITE_P(
    Table, PosixRuleOffset,
    testing::Values(
        RuleInstant{"MadridBeforeSummer2050", kMadrid, 2531955599, 3600},
        RuleInstant{"MadridSummerStarts", kMadrid, 2531955600, 7200},
        RuleInstant{"MadridSummerLastSecond", kMadrid, 2550704399, 7200},
        RuleInstant{"MadridSummerEnds", kMadrid, 2550704400, 3600},
        RuleInstant{"AucklandSummerOverTheNewYear", kAuckland, 3163931999, 46800},
        RuleInstant{"AucklandWinterStarts", kAuckland, 3163932000, 43200},
        RuleInstant{"AucklandWinterLastSecond", kAuckland, 3179051999, 43200},
        RuleInstant{"AucklandSummerStarts", kAuckland, 3179052000, 46800},
        RuleInstant{"NuukChangeAtMinusOneHour", kNuuk, 2847661199, -7200},
        RuleInstant{"NuukSummer", kNuuk, 2847661200, -3600},
        RuleInstant{"JerusalemChangeAtTwentySixHours", kJerusalem, 2847484799, 7200},
        RuleInstant{"JerusalemSummer", kJerusalem, 2847484800, 10800},
        RuleInstant{"DublinWinterIsTheRulesSecondOffset", kDublin, 2847661199, 0},
        RuleInstant{"DublinSummerIsItsStandard", kDublin, 2847661200, 3600},
        RuleInstant{"DublinSummerLastSecond", kDublin, 2866409999, 3600},
        RuleInstant{"DublinWinterAgain", kDublin, 2866410000, 0},
        RuleInstant{"LordHoweHalfHourSummer", kLordHowe, 2532524399, 39600},
        RuleInstant{"LordHoweWinter", kLordHowe, 2532524400, 37800},
        RuleInstant{"LordHoweWinterLastSecond", kLordHowe, 2548250999, 37800},
        RuleInstant{"LordHoweSummerAgain", kLordHowe, 2548251000, 39600},
        RuleInstant{"ChathamSummerTakesAnHourByDefault", kChatham, 3479637599, 49500},
        RuleInstant{"ChathamWinter", kChatham, 3479637600, 45900},
        RuleInstant{"HavanaBeforeMidnightChange", kHavana, 2846465999, -18000},
        RuleInstant{"HavanaSummer", kHavana, 2846466000, -14400},
        RuleInstant{"KiritimatiNoSummer", "<+14>-14", 3000000000, 50400},
        RuleInstant{"KolkataHalfHour", "IST-5:30", 3000000000, 19800}),
    [](const testing::TestParamInfo<RuleInstant>& info) { return std::string(info.param.name); });

struct Unread {
    const char* name;
    const char* rule;
};

class PosixRuleRefused : public testing::TestWithParam<Unread> {};

TEST_P(PosixRuleRefused, IsNotRead)
{
    EXPECT_FALSE(parsePosixRule(GetParam().rule).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Table, PosixRuleRefused,
    testing::Values(Unread{"Empty", ""},
                    Unread{"NoOffset", "CET"},
                    Unread{"ShortName", "CE-1"},
                    Unread{"UnclosedName", "<+14-14"},
                    Unread{"SummerWithoutChanges", "CET-1CEST"},
                    Unread{"OneChange", "CET-1CEST,M3.5.0"},
                    Unread{"JulianDaysAreNotTzdatas", "CET-1CEST,J60,J300"},
                    Unread{"MonthThirteen", "CET-1CEST,M13.5.0,M10.5.0"},
                    Unread{"WeekSix", "CET-1CEST,M3.6.0,M10.5.0"},
                    Unread{"WeekdaySeven", "CET-1CEST,M3.5.7,M10.5.0"},
                    Unread{"BeyondAWeekOfHours", "CET-1CEST,M3.5.0/168,M10.5.0"},
                    Unread{"SixtyMinutes", "CET-1:60CEST,M3.5.0,M10.5.0"},
                    Unread{"TrailingText", "CET-1CEST,M3.5.0,M10.5.0/3x"}),
    [](const testing::TestParamInfo<Unread>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zones
