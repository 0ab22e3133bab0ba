// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "day/protection.h"
#include "sky/civil_date.h"

namespace day {

// One reminder: when, on the zone's clock and as an instant, and what it says.
struct Reminder {
    int clockMinutes = 0;      // after 0:00 of the stay's date on the zone's clock; past 24 h, the next day
    long long unixSeconds = 0;  // the instant, UT
    std::string text;
};

// Where a stay's minutes go on the calendar: its date on the zone's clock,
// which is that many hours ahead of UT (the offset at noon, as the sun's
// day takes it for the whole day).
struct StayClock {
    sky::CivilDate date;
    double utcOffset = 0;
    std::string zone;
};

// What the reminders are worked out from.
struct StayFacts {
    double start = 0;  // hours on the zone's clock
    double end = 0;
    std::optional<int> fps;
    std::optional<int> minutesToOneDose;  // from the start: the protected ones with sunscreen
    std::optional<ProtectionHours> protection;
};

// A stay and its reminders, in time order.
struct StayReminders {
    StayClock clock;
    int startMinutes = 0;  // on the zone's clock
    int endMinutes = 0;
    long long startUnix = 0;
    long long endUnix = 0;
    std::vector<Reminder> list;
};

// At the start, what the stay is; with sunscreen, every two hours strictly
// inside it, to put more on; 15 minutes before 1 DEM when that falls
// strictly inside it; at 1 DEM when it comes no later than the end.
StayReminders remindersFor(const StayFacts& stay, const StayClock& clock);

// The instant as RFC 3339 in UT: "2026-06-21T09:00:00Z".
std::string utcText(long long unixSeconds);

// The reminders' texts.
inline constexpr const char* kReapplyReminder = "Vuelve a ponerte protector";
inline constexpr const char* kSoonReminder = "En 15 minutos llegas a 1 DEM";
inline constexpr const char* kOneDoseReminder = "Has llegado a 1 DEM: busca la sombra";

}  // namespace day
