// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "day/protection.h"

#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "day/ask.h"
#include "support/scoped_tz.h"

// When to protect, against crossings worked out apart from this program: the
// reference days' interpolated crossings of index 3 to a tenth of a minute
// (from an independent evaluation of the sun's day and the estimate), and
// hand-made curves whose crossings are plain arithmetic.
namespace day {
namespace {

using layout::SkyField;

// --- The day's protection, as the answer gives it ----------------------------

struct ProtectionRow {
    const char* name;
    const char* latitude;
    const char* longitude;
    const char* date;
    const char* zone;
    const char* shape;    // "sol", or nullptr for the bell
    const char* maximum;  // typed into "Indice Máximo"
    ProtectionCurve curve;
    double curveMaximum;
    double from;  // minutes after midnight, -1: no protection
    double to;
};

void PrintTo(const ProtectionRow& row, std::ostream* out)
{
    *out << row.name;
}

// clang-format off
const ProtectionRow kProtectionRows[] = {
    {"MadridJuneSun", "40.42", "-3.70", "2026-06-21", "Europe/Madrid", "sol", "10", ProtectionCurve::Sun, 10, 10 * 60 + 7.0, 18 * 60 + 26.3},
    {"MadridJuneBell", "40.42", "-3.70", "2026-06-21", "Europe/Madrid", nullptr, "4", ProtectionCurve::Estimate, 9.8, 10 * 60 + 8.8, 18 * 60 + 24.4},
    {"MadridDecemberSun", "40.42", "-3.70", "2026-12-21", "Europe/Madrid", "sol", "3.5", ProtectionCurve::Sun, 3.5, 12 * 60 + 8.7, 14 * 60 + 17.1},
    {"MadridDecemberBell", "40.42", "-3.70", "2026-12-21", "Europe/Madrid", nullptr, "10", ProtectionCurve::Estimate, 1.7, -1, -1},
    {"MelbourneSun", "-37.73", "145.10", "2026-01-15", "Australia/Melbourne", "sol", "12", ProtectionCurve::Sun, 12, 9 * 60 + 11.5, 17 * 60 + 46.1},
    {"MelbourneBell", "-37.73", "145.10", "2026-01-15", "Australia/Melbourne", nullptr, "12", ProtectionCurve::Estimate, 12.9, 9 * 60 + 6.0, 17 * 60 + 51.5},
};
// clang-format on

class DayProtection : public testing::TestWithParam<ProtectionRow> {};

Request stayRequest(const ProtectionRow& row)
{
    Request request;
    request.field(SkyField::Latitud) = row.latitude;
    request.field(SkyField::Longitud) = row.longitude;
    request.field(SkyField::Fecha) = row.date;
    request.field(SkyField::Zona) = row.zone;
    if (row.shape)
        request.field(SkyField::Forma) = row.shape;
    request.stay = Stay{{row.maximum, "11", "2", "3", "0", "0"}, false, std::nullopt, std::nullopt};
    return request;
}

TEST_P(DayProtection, CrossesThreeWhereAnIndependentCalculationDoes)
{
    const ProtectionRow& row = GetParam();
    const Answer answer = day::answer(stayRequest(row));
    ASSERT_FALSE(answer.refusal) << answer.refusal->message;
    ASSERT_TRUE(answer.protection);
    EXPECT_EQ(answer.protection->curve, row.curve);
    EXPECT_NEAR(answer.protection->maximum, row.curveMaximum, 1e-9);
    if (row.from < 0) {
        EXPECT_FALSE(answer.protection->hours);
        return;
    }
    ASSERT_TRUE(answer.protection->hours);
    // The table's tenths of a minute; near a low peak the curve is so flat
    // that the samples' straight lines and the independent evaluation part
    // by a few seconds.
    EXPECT_NEAR(answer.protection->hours->from * 60, row.from, 0.1);
    EXPECT_NEAR(answer.protection->hours->to * 60, row.to, 0.1);
}

INSTANTIATE_TEST_SUITE_P(ReferenceDays, DayProtection, testing::ValuesIn(kProtectionRows),
                         [](const auto& info) { return std::string(info.param.name); });

// --- The line, for each curve and for a day under 3 --------------------------

struct LineRow {
    const char* name;
    ProtectionRow day;
    const char* line;
};

void PrintTo(const LineRow& row, std::ostream* out)
{
    *out << row.name;
}

// clang-format off
const LineRow kLineRows[] = {
    {"SunDayOfAnotherDay", kProtectionRows[0], "Protección solar de 10:00 a 18:30 (índice 3 o más)"},
    {"EstimateNamesItsDay", kProtectionRows[1], "El 21/06/2026 en 40.42° N, 3.70° O, con cielo despejado: protección solar de 10:00 a 18:30 (índice 3 o más)"},
    {"EstimateUnderThree", kProtectionRows[3], "El 21/12/2026 en 40.42° N, 3.70° O, con cielo despejado, no hace falta protección: el índice no llega a 3."},
    {"SunDayOfMelbourne", kProtectionRows[4], "Protección solar de 9:10 a 17:50 (índice 3 o más)"},
};
// clang-format on

class ProtectionLine : public testing::TestWithParam<LineRow> {};

TEST_P(ProtectionLine, SaysWhichCurveItFollows)
{
    const Answer answer = day::answer(stayRequest(GetParam().day));
    ASSERT_TRUE(answer.protection);
    EXPECT_EQ(answer.protection->line, GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Lines, ProtectionLine, testing::ValuesIn(kLineRows),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Where no place is known -------------------------------------------------

TEST(DayProtectionPlace, NoneWhereTheZoneHasNoPlaceAndNoneIsTyped)
{
    test_support::ScopedTz tz("UTC");
    Request request;
    request.field(SkyField::Zona) = "UTC";
    request.stay = Stay{{"10", "11", "2", "3", "0", "0"}, false, std::nullopt, std::nullopt};
    const Answer answer = day::answer(request);
    ASSERT_FALSE(answer.refusal);
    EXPECT_FALSE(answer.protection);
    ASSERT_TRUE(answer.reminders);  // the stay still has its clock, UT's
    EXPECT_EQ(answer.reminders->clock.zone, "UTC");
}

TEST(DayProtectionPlace, TheZonesOwnPlaceTodayIsNamedByTheZone)
{
    Request request;
    request.field(SkyField::Zona) = "Europe/Madrid";
    request.stay = Stay{{"10", "11", "2", "3", "0", "0"}, false, std::nullopt, std::nullopt};
    const Answer answer = day::answer(request);
    ASSERT_TRUE(answer.protection);
    EXPECT_EQ(answer.protection->curve, ProtectionCurve::Estimate);
    EXPECT_TRUE(answer.protection->line.starts_with("Hoy en Europe/Madrid, con cielo despejado"))
        << answer.protection->line;
}

// --- Stays a calendar cannot hold ---------------------------------------------

struct OddStayRow {
    const char* name;
    const char* start;
    const char* duration;
    bool reminded;
};

void PrintTo(const OddStayRow& row, std::ostream* out)
{
    *out << row.name;
}

// clang-format off
const OddStayRow kOddStays[] = {
    {"Midnight", "0", "2", true},
    {"AWholeDay", "0", "24", true},
    {"LateInTheDay", "23.9", "0.1", true},
    {"NoTimeAtAll", "11", "0", true},
    {"StartsTomorrow", "24", "2", false},
    {"StartsYesterday", "-1", "2", false},
    {"EndsBeforeItStarts", "11", "-2", false},
    {"LongerThanADay", "11", "24.5", false},
    {"FarBeyondAnyClock", "3e38", "3e38", false},
};
// clang-format on

class OddStays : public testing::TestWithParam<OddStayRow> {};

TEST_P(OddStays, GetRemindersOnlyWithinADay)
{
    Request request;
    request.field(SkyField::Zona) = "Europe/Madrid";
    request.stay = Stay{{"10", GetParam().start, GetParam().duration, "3", "0", "0"}, false, std::nullopt, std::nullopt};
    const Answer answer = day::answer(request);
    ASSERT_FALSE(answer.refusal) << answer.refusal->message;
    EXPECT_EQ(answer.reminders.has_value(), GetParam().reminded);
}

INSTANTIATE_TEST_SUITE_P(Boxes, OddStays, testing::ValuesIn(kOddStays),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Crossings on hand-made curves -------------------------------------------

struct CrossingRow {
    const char* name;
    std::vector<double> times;
    std::vector<double> indices;
    double from;  // -1: none
    double to;
};

void PrintTo(const CrossingRow& row, std::ostream* out)
{
    *out << row.name;
}

// clang-format off
const CrossingRow kCrossingRows[] = {
    // 1 → 5 over an hour crosses 3 halfway; 5 → 2 crosses a third of the way.
    {"Interpolated", {8, 9, 10, 11}, {1, 5, 5, 2}, 8.5, 10 + 2.0 / 3},
    {"ExactlyThreeCounts", {8, 9, 10}, {3, 4, 3}, 8, 10},
    {"OverAtTheFirstSample", {6, 7, 8}, {4, 5, 1}, 6, 7.5},
    {"OverAtTheLastSample", {18, 19, 20}, {1, 2, 3.5}, 19 + 2.0 / 3, 20},
    {"OverAllDay", {6, 13, 20}, {3.2, 9, 3.1}, 6, 20},
    {"NeverThree", {6, 13, 20}, {0, 2.99, 0}, -1, -1},
};
// clang-format on

class Crossings : public testing::TestWithParam<CrossingRow> {};

TEST_P(Crossings, FindTheIntervalAtThreeOrMore)
{
    const CrossingRow& row = GetParam();
    const auto hours = protectionHours(row.times, row.indices);
    if (row.from < 0) {
        EXPECT_FALSE(hours);
        return;
    }
    ASSERT_TRUE(hours);
    EXPECT_NEAR(hours->from, row.from, 1e-12);
    EXPECT_NEAR(hours->to, row.to, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(HandMade, Crossings, testing::ValuesIn(kCrossingRows),
                         [](const auto& info) { return std::string(info.param.name); });

// A polar day: the sun's curve is over 3 at the first sample already (6:00
// plus a thousandth of the 14 hours), so protection starts there and ends at
// the last, 20:00.
TEST(DayProtectionPolar, StartsAtTheFirstSampleWhenAlreadyOverThree)
{
    ProtectionRow tromso{"Tromso", "69.65", "18.96", "2026-06-21", "Europe/Oslo", "sol", "30",
                         ProtectionCurve::Sun, 30, 0, 0};
    const Answer answer = day::answer(stayRequest(tromso));
    ASSERT_TRUE(answer.protection && answer.protection->hours);
    EXPECT_DOUBLE_EQ(answer.protection->hours->from, 6 + 14 / 1000.0);
    EXPECT_DOUBLE_EQ(answer.protection->hours->to, 20.0);
}

// --- The shown rounding ------------------------------------------------------

struct RoundingRow {
    double hours;
    const char* down;
    const char* up;
};

void PrintTo(const RoundingRow& row, std::ostream* out)
{
    *out << row.hours << " h";
}

// clang-format off
const RoundingRow kRoundingRows[] = {
    {10 + 7.0 / 60, "10:00", "10:10"},
    {18 + 26.25 / 60, "18:20", "18:30"},
    {18.5, "18:30", "18:30"},
    {9 + 11.5 / 60, "9:10", "9:20"},
    {12 + 59.9 / 60, "12:50", "13:00"},
};
// clang-format on

class TenMinutes : public testing::TestWithParam<RoundingRow> {};

TEST_P(TenMinutes, StartDownAndEndUp)
{
    EXPECT_EQ(tenMinutesDown(GetParam().hours), GetParam().down);
    EXPECT_EQ(tenMinutesUp(GetParam().hours), GetParam().up);
}

INSTANTIATE_TEST_SUITE_P(Clock, TenMinutes, testing::ValuesIn(kRoundingRows));

}  // namespace
}  // namespace day
