// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>
#include <string>
#include <variant>

#include "day/request.h"
#include "sky/civil_date.h"

namespace day {

// The zone a request's hours are in, and what its clock says of a day.
struct RequestZone {
    std::string name;
    std::function<double(const sky::CivilDate&)> offsetAtNoon;  // hours ahead of UT at 12:00 of the date
    std::function<sky::CivilDate()> today;
};

// A zone named, but not one: its name as typed (trimmed), perhaps empty.
struct ZoneRefused {
    std::string name;
};

// The request's zone: the browser's when the page gave its offset, else the
// one named, else the system's; none when no zone is named and the system
// has none.
std::variant<std::optional<RequestZone>, ZoneRefused> zoneOf(const Request& request);

// Today where no zone is known: the system's clock, or UT.
sky::CivilDate todayWithoutZone();

}  // namespace day
