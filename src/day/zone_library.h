// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>
#include <variant>

#include "day/request_zone.h"

namespace day {

// The zones the program knows of itself: natively the system's tzdata
// through the time zone library; the page has none of its own and asks
// the browser (Request::noonOffset).
std::variant<std::optional<RequestZone>, ZoneRefused> namedZone(std::string_view name);
std::optional<RequestZone> systemZone();

}  // namespace day
