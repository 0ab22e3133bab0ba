// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's build has no zones of its own: the browser gives the zone's
// offset with every request, and a request without one knows no zone.
#include "day/zone_library.h"

#include <chrono>

namespace day {

std::variant<std::optional<RequestZone>, ZoneRefused> namedZone(std::string_view name)
{
    return ZoneRefused{std::string(name)};
}

std::optional<RequestZone> systemZone()
{
    return std::nullopt;
}

sky::CivilDate todayWithoutZone()
{
    const auto days = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    const std::chrono::year_month_day date{days};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day()))};
}

}  // namespace day
