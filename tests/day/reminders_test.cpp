// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "day/reminders.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "day/calendar.h"

// The stay's reminders and its calendar file. The expected clock times are
// the rules done by hand (start, every two hours, 15 minutes before and at
// 1 DEM); the UT instants are those clock times less the zone's offset.
namespace day {
namespace {

const StayClock kMadrid{{2026, 6, 21}, 2, "Europe/Madrid"};
const StayClock kMelbourne{{2026, 1, 15}, 11, "Australia/Melbourne"};
const ProtectionHours kMadridHours{10 + 7.0 / 60, 18 + 26.25 / 60};

struct Expected {
    const char* clock;
    const char* utc;
    const char* text;
};

struct ReminderRow {
    const char* name;
    StayFacts stay;
    StayClock clock;
    std::vector<Expected> reminders;
};

void PrintTo(const ReminderRow& row, std::ostream* out)
{
    *out << row.name;
}

constexpr const char* kSoon = "En 15 minutos llegas a 1 DEM";
constexpr const char* kAtDose = "Has llegado a 1 DEM: busca la sombra";
constexpr const char* kReapply = "Vuelve a ponerte protector";

// clang-format off
const ReminderRow kReminderRows[] = {
    {"NoSunscreenDoseInside", {11, 13, std::nullopt, 33, kMadridHours}, kMadrid, {
        {"11:00", "2026-06-21T09:00:00Z", "Al sol hasta las 13:00. Protección solar de 10:00 a 18:30."},
        {"11:18", "2026-06-21T09:18:00Z", kSoon},
        {"11:33", "2026-06-21T09:33:00Z", kAtDose}}},
    {"SunscreenDoseInside", {10, 15, 30, 200, kMadridHours}, kMadrid, {
        {"10:00", "2026-06-21T08:00:00Z", "Al sol hasta las 15:00. Ponte el protector FPS 30. Protección solar de 10:00 a 18:30."},
        {"12:00", "2026-06-21T10:00:00Z", kReapply},
        {"13:05", "2026-06-21T11:05:00Z", kSoon},
        {"13:20", "2026-06-21T11:20:00Z", kAtDose},
        {"14:00", "2026-06-21T12:00:00Z", kReapply}}},
    {"DoseAfterTheStay", {10, 15, 30, 400, kMadridHours}, kMadrid, {
        {"10:00", "2026-06-21T08:00:00Z", "Al sol hasta las 15:00. Ponte el protector FPS 30. Protección solar de 10:00 a 18:30."},
        {"12:00", "2026-06-21T10:00:00Z", kReapply},
        {"14:00", "2026-06-21T12:00:00Z", kReapply}}},
    {"DoseAtTheVeryEnd", {11, 13, std::nullopt, 120, kMadridHours}, kMadrid, {
        {"11:00", "2026-06-21T09:00:00Z", "Al sol hasta las 13:00. Protección solar de 10:00 a 18:30."},
        {"12:45", "2026-06-21T10:45:00Z", kSoon},
        {"13:00", "2026-06-21T11:00:00Z", kAtDose}}},
    {"SoonWouldBeTheStart", {11, 13, std::nullopt, 15, kMadridHours}, kMadrid, {
        {"11:00", "2026-06-21T09:00:00Z", "Al sol hasta las 13:00. Protección solar de 10:00 a 18:30."},
        {"11:15", "2026-06-21T09:15:00Z", kAtDose}}},
    {"ReapplyNotAtTheEnd", {10, 12, 50, std::nullopt, kMadridHours}, kMadrid, {
        {"10:00", "2026-06-21T08:00:00Z", "Al sol hasta las 12:00. Ponte el protector FPS 50. Protección solar de 10:00 a 18:30."}}},
    {"DayUnderThree", {11, 13, std::nullopt, std::nullopt, std::nullopt}, kMadrid, {
        {"11:00", "2026-06-21T09:00:00Z", "Al sol hasta las 13:00."}}},
    {"StartOfThirtyTwoBits", {12.7f, 12.7f + 0.3f, std::nullopt, std::nullopt, std::nullopt}, kMadrid, {
        {"12:42", "2026-06-21T10:42:00Z", "Al sol hasta las 13:00."}}},
    {"AheadOfUtcByADay", {10, 13, std::nullopt, 50, std::nullopt}, kMelbourne, {
        {"10:00", "2026-01-14T23:00:00Z", "Al sol hasta las 13:00."},
        {"10:35", "2026-01-14T23:35:00Z", kSoon},
        {"10:50", "2026-01-14T23:50:00Z", kAtDose}}},
};
// clang-format on

class StayReminderRows : public testing::TestWithParam<ReminderRow> {};

std::string clockOf(int minutes)
{
    const int hours = minutes / 60;
    return (hours < 10 ? "0" : "") + std::to_string(hours) + ":" + (minutes % 60 < 10 ? "0" : "")
           + std::to_string(minutes % 60);
}

TEST_P(StayReminderRows, FollowTheRulesInTimeOrder)
{
    const ReminderRow& row = GetParam();
    const StayReminders made = remindersFor(row.stay, row.clock);
    ASSERT_EQ(made.list.size(), row.reminders.size());
    for (std::size_t i = 0; i < made.list.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(clockOf(made.list[i].clockMinutes), row.reminders[i].clock);
        EXPECT_EQ(utcText(made.list[i].unixSeconds), row.reminders[i].utc);
        EXPECT_EQ(made.list[i].text, row.reminders[i].text);
    }
    EXPECT_EQ(utcText(made.startUnix), row.reminders.front().utc);
}

INSTANTIATE_TEST_SUITE_P(Stays, StayReminderRows, testing::ValuesIn(kReminderRows),
                         [](const auto& info) { return std::string(info.param.name); });

// --- The calendar file's own rules -------------------------------------------

std::vector<std::string> physicalLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos) {
            lines.push_back(text.substr(at) + "<no CRLF>");
            break;
        }
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

bool wholeCharacters(const std::string& line)
{
    // A line may not start inside a UTF-8 character, nor end before its last byte.
    const auto continuation = [](unsigned char c) { return (c & 0xC0) == 0x80; };
    if (!line.empty() && continuation(static_cast<unsigned char>(line.front())))
        return false;
    std::size_t need = 0;
    for (const unsigned char c : line) {
        if (need > 0) {
            if (!continuation(c))
                return false;
            --need;
        } else if (c >= 0xF0) {
            need = 3;
        } else if (c >= 0xE0) {
            need = 2;
        } else if (c >= 0xC0) {
            need = 1;
        }
    }
    return need == 0;
}

std::string unfolded(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 3, "\r\n ") == 0)
            i += 2;
        else
            out += text[i];
    }
    return out;
}

const std::string kLongDescription =
    "El 21/06/2026 en Europe/Madrid, con cielo despejado: protección solar de 10:00 a 18:30 (índice 3 o más)\n"
    "Exposición: 4,45 DEM, tipo de piel 3; ñññññññññññññññññññññññññññññññññññññññññññññ";

struct CalendarRule {
    const char* name;
    const char* content;  // a whole unfolded line the file must hold
};

void PrintTo(const CalendarRule& row, std::ostream* out)
{
    *out << row.name;
}

// clang-format off
const CalendarRule kCalendarRules[] = {
    {"Start", "DTSTART:20260621T080000Z"},
    {"End", "DTEND:20260621T130000Z"},
    {"Summary", "SUMMARY:Al sol — Indice UV"},
    {"Stamp", "DTSTAMP:20261211T101530Z"},
    {"EscapedDescription", "DESCRIPTION:El 21/06/2026 en Europe/Madrid\\, con cielo despejado: protección solar de 10:00 a 18:30 (índice 3 o más)\\nExposición: 4\\,45 DEM\\, tipo de piel 3\\; ñññññññññññññññññññññññññññññññññññññññññññññ"},
    {"FirstAlarm", "TRIGGER;VALUE=DATE-TIME:20260621T080000Z"},
    {"LastAlarm", "TRIGGER;VALUE=DATE-TIME:20260621T120000Z"},
    {"DisplayAlarm", "ACTION:DISPLAY"},
    {"AlarmText", "DESCRIPTION:Has llegado a 1 DEM: busca la sombra"},
};
// clang-format on

constexpr long long kStamp = 1796984130;  // 2026-12-11 10:15:30 UT

StayReminders sunscreenStay()
{
    return remindersFor(kReminderRows[1].stay, kReminderRows[1].clock);
}

class CalendarHolds : public testing::TestWithParam<CalendarRule> {};

TEST_P(CalendarHolds, TheLine)
{
    const std::string text = unfolded(calendarText(sunscreenStay(), kLongDescription, kStamp));
    EXPECT_NE(text.find(std::string("\r\n") + GetParam().content + "\r\n"), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(Lines, CalendarHolds, testing::ValuesIn(kCalendarRules),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Calendar, FoldsAt75OctetsWithCrlfAndWholeCharacters)
{
    const std::string text = calendarText(sunscreenStay(), kLongDescription, kStamp);
    const auto lines = physicalLines(text);
    bool folded = false;
    for (const std::string& line : lines) {
        EXPECT_LE(line.size(), 75u) << line;
        EXPECT_TRUE(wholeCharacters(line)) << line;
        folded = folded || line.starts_with(' ');
    }
    EXPECT_TRUE(folded);
    EXPECT_EQ(lines.front(), "BEGIN:VCALENDAR");
    EXPECT_EQ(lines.back(), "END:VCALENDAR");
}

// Bytes that are no UTF-8 (a run of continuation bytes) are still folded,
// not looped over.
TEST(Calendar, FoldsEvenWhatIsNoUtf8)
{
    const std::string text = calendarText(sunscreenStay(), std::string(200, '\x80'), kStamp);
    for (const std::string& line : physicalLines(text))
        EXPECT_LE(line.size(), 75u);
}

TEST(Calendar, OneAlarmPerReminder)
{
    const std::string text = calendarText(sunscreenStay(), "", kStamp);
    std::size_t alarms = 0;
    for (std::size_t at = text.find("BEGIN:VALARM"); at != std::string::npos; at = text.find("BEGIN:VALARM", at + 1))
        ++alarms;
    EXPECT_EQ(alarms, 5u);
}

std::string uidOf(const std::string& text)
{
    const auto at = text.find("\r\nUID:") + 6;
    return text.substr(at, text.find("\r\n", at) - at);
}

TEST(Calendar, TheSameStayKeepsItsUidAndAnotherGetsItsOwn)
{
    const std::string first = calendarText(sunscreenStay(), "x", kStamp);
    EXPECT_EQ(uidOf(first), uidOf(calendarText(sunscreenStay(), "x", kStamp + 3600)));
    const StayReminders other = remindersFor(kReminderRows[0].stay, kReminderRows[0].clock);
    EXPECT_NE(uidOf(first), uidOf(calendarText(other, "x", kStamp)));
}

}  // namespace
}  // namespace day
