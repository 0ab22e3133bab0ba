// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace sky {

// A day of the Gregorian calendar, as people write it.
struct CivilDate {
    int year = 2000;
    int month = 1;  // 1 to 12
    int day = 1;    // 1 to the month's length

    auto operator<=>(const CivilDate&) const = default;
};

// The days the estimate accepts: its approximate solar coordinates are good
// within these two centuries.
inline constexpr CivilDate kFirstDate{1901, 1, 1};
inline constexpr CivilDate kLastDate{2099, 12, 31};

bool isLeapYear(int year);

// Whether the day exists: 2026-02-30 does not, 2024-02-29 does.
bool isCalendarDate(const CivilDate& date);

// 1 for 1 January, 365 or 366 for 31 December.
int dayOfYear(const CivilDate& date);

// Days from 1970-01-01 (negative before it).
long long daysSinceUnixEpoch(const CivilDate& date);

// How a date is written: "AAAA-MM-DD" (ISO 8601) on the command line and in
// the page's date input, "DD/MM/AAAA" as Spanish readers write it in the
// window's date editor.
enum class DateStyle { Iso, DayMonthYear };

// The style's pattern as a message names it: "AAAA-MM-DD", "DD/MM/AAAA".
std::string_view patternOf(DateStyle style);

// The date in the style, e.g. "2026-06-21" or "21/06/2026".
std::string dateText(const CivilDate& date, DateStyle style = DateStyle::Iso);

// Reads a date in the style, blanks around it allowed: four digits of year
// and two each of month and day. The day need not exist; isCalendarDate says
// whether it does.
std::optional<CivilDate> parseDateText(std::string_view text, DateStyle style = DateStyle::Iso);

}  // namespace sky
