// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "day/answer.h"
#include "day/reminders.h"

namespace day {

inline constexpr std::string_view kCalendarSummary = "Al sol — Indice UV";

// The stay as an iCalendar file (RFC 5545) that a calendar rings with no
// connection and without this program: one event from the stay's start to
// its end, in UT, with `description` (lines joined by '\n'), and one display
// alarm at each reminder's instant. Lines end in CRLF and fold at 75 octets,
// never inside a character. The same stay always gets the same UID; only
// DTSTAMP, the moment the file is made (`stampUnix`), differs between two
// files of it.
std::string calendarText(const StayReminders& stay, std::string_view description, long long stampUnix);

// The answer's stay as that file, its description the protection, the
// exposure and the protected line; empty when the answer has no reminders.
std::string calendarText(const Answer& answer, long long stampUnix);

// The calendar's file name offered for a stay: "indice-uv-2026-06-21.ics".
std::string calendarFileName(const StayReminders& stay);

}  // namespace day
