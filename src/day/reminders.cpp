// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "day/reminders.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "day/clock.h"
#include "runtime/number_format.h"
#include "sky/estimate_text.h"

namespace day {
namespace {

constexpr int kReapplyMinutes = 120;
constexpr int kSoonMinutes = 15;

long long unixOf(const StayClock& clock, int minutes)
{
    const std::chrono::sys_days day =
        std::chrono::year{clock.date.year} / std::chrono::month{static_cast<unsigned>(clock.date.month)}
        / std::chrono::day{static_cast<unsigned>(clock.date.day)};
    const long long midnight = std::chrono::duration_cast<std::chrono::seconds>(day.time_since_epoch()).count();
    return midnight + minutes * 60LL - std::llround(clock.utcOffset * 3600);
}

std::string startText(const StayFacts& stay, int endMinutes)
{
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) at -O3 on "x" + a string.
    std::string text("Al sol hasta las ");
    text.append(sky::clockText(endMinutes)).append(".");
    if (stay.fps)
        text.append(" Ponte el protector FPS ").append(runtime::integerToText(*stay.fps)).append(".");
    if (stay.protection)
        text.append(" ").append(protectionReminderText(stay.protection));
    return text;
}

}  // namespace

StayReminders remindersFor(const StayFacts& stay, const StayClock& clock)
{
    StayReminders made;
    made.clock = clock;
    made.startMinutes = minutesDown(stay.start);
    made.endMinutes = minutesDown(stay.end);
    made.startUnix = unixOf(clock, made.startMinutes);
    made.endUnix = unixOf(clock, made.endMinutes);
    const int start = made.startMinutes;
    const int end = made.endMinutes;
    const auto add = [&](int minutes, std::string text) {
        made.list.push_back({minutes, unixOf(clock, minutes), std::move(text)});
    };

    add(start, startText(stay, end));
    if (stay.fps) {
        for (int at = start + kReapplyMinutes; at < end; at += kReapplyMinutes)
            add(at, kReapplyReminder);
    }
    if (stay.minutesToOneDose) {
        const int dose = start + *stay.minutesToOneDose;
        if (dose - kSoonMinutes > start && dose - kSoonMinutes < end)
            add(dose - kSoonMinutes, kSoonReminder);
        if (dose <= end)
            add(dose, kOneDoseReminder);
    }
    std::stable_sort(made.list.begin(), made.list.end(),
                     [](const Reminder& a, const Reminder& b) { return a.clockMinutes < b.clockMinutes; });
    return made;
}

std::string utcText(long long unixSeconds)
{
    const std::chrono::sys_seconds instant{std::chrono::seconds{unixSeconds}};
    const std::chrono::sys_days day = std::chrono::floor<std::chrono::days>(instant);
    const std::chrono::year_month_day ymd{day};
    const std::chrono::hh_mm_ss time{instant - day};
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02lld:%02lld:%02lldZ", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                  static_cast<long long>(time.hours().count()), static_cast<long long>(time.minutes().count()),
                  static_cast<long long>(time.seconds().count()));
    return text;
}

}  // namespace day
