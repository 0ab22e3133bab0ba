// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace test_support {

// The reference days of the day's shape by the sun: a place, a date and its
// zone, the window's four boxes as typed, the zone's offset at noon that day,
// and the exposure "Calcular" shows (with the point) with the sun's shape and
// with the bell, worked out apart from this program. The day layer's, the
// window's and the companion's tests read these rows, and so does the
// browser's (tests/web/web_test.py), each row's braces as a tuple: keep one
// row to a line, with literals only.
struct ReferenceDay {
    const char* name;
    const char* latitude;  // degrees, as typed
    const char* longitude;
    const char* date;  // AAAA-MM-DD
    const char* zone;
    const char* maximum;  // Text1 to Text4: the maximum, start hour, duration, skin type
    const char* start;
    const char* duration;
    const char* skinType;
    double utcOffset;         // hours, the zone's at noon of the date
    const char* sunCaption;   // Label4 with the sun's shape
    const char* bellCaption;  // Label4 with the bell
};

// clang-format off
inline constexpr std::array<ReferenceDay, 5> kReferenceDays = {{
    {"MadridAfternoon", "40.42", "-3.70", "2026-06-21", "Europe/Madrid", "10", "15", "2", "3", 2, "4.10", "1.97"},
    {"MadridMorning", "40.42", "-3.70", "2026-06-21", "Europe/Madrid", "10", "11", "2", "3", 2, "3.59", "4.45"},
    {"Melbourne", "-37.73", "145.10", "2026-01-15", "Australia/Melbourne", "12", "10", "3", "2", 11, "8.35", "8.54"},
    {"TromsoMidnightSun", "69.65", "18.96", "2026-06-21", "Europe/Oslo", "8", "9", "4", "1", 2, "12.15", "9.15"},
    {"PunoNoSummerTime", "-15.84", "-70.02", "2026-01-22", "America/Lima", "15", "12", "2", "4", -5, "5.06", "5.55"},
}};
// clang-format on

// A parameterised test's row shows by its name.
inline void PrintTo(const ReferenceDay& day, std::ostream* out)
{
    *out << day.name;
}

inline const ReferenceDay& referenceDay(std::string_view name)
{
    for (const ReferenceDay& day : kReferenceDays) {
        if (day.name == name)
            return day;
    }
    throw std::invalid_argument("no reference day " + std::string(name));
}

// A number as typed with the decimal comma.
inline std::string withComma(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c == '.')
            c = ',';
    }
    return out;
}

}  // namespace test_support
