// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "sky/civil_date.h"
#include "zones/posix_rule.h"

namespace date {
class time_zone;
}

namespace zones {

// A text that names no zone of the system's tzdata, as typed: the caller
// says so in its message on the field "Zona horaria".
struct NotAZone {
    std::string text;
};

class TimeZone;

// The zone of the system's tzdata by its name ("Europe/Madrid", "UTC"),
// through the time zone library. For native front ends: the page has the
// browser's zones.
std::variant<TimeZone, NotAZone> findZone(std::string_view name);

// One of tzdata's zones, and its offset from UT at any instant of the
// program's dates.
class TimeZone {
public:
    // The name it was found by.
    const std::string& name() const { return name_; }

    // Whether the rule the zone's file ends with was read: without it, the
    // offset after the file's last listed change stays the one that change set.
    bool hasClosingRule() const { return rule_.has_value(); }

    // Seconds the zone's clock is ahead of UT at `unixSeconds` (UT, since 1970).
    long long offsetAt(long long unixSeconds) const;

    // The same, in force when the zone's clock shows `clockSeconds` after
    // 0:00 of the date: for a time it shows twice, the first; for one it
    // skips, the offset after the jump.
    long long offsetAtClock(const sky::CivilDate& date, long long clockSeconds) const;

private:
    friend std::variant<TimeZone, NotAZone> findZone(std::string_view name);
    TimeZone(std::string name, const date::time_zone* zone, std::optional<PosixRule> rule);

    std::string name_;
    const date::time_zone* zone_;
    std::optional<PosixRule> rule_;  // for the instants after the file's last change
};

// The zone's offset at 12:00 on its clock of the date, in hours: the one the
// day's shape takes for the whole day (Europe/Madrid, 2026-06-21: 2).
double utcOffsetAtNoon(const TimeZone& zone, const sky::CivilDate& date);

}  // namespace zones
