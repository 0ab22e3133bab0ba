// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "day/zone_library.h"

#include <memory>

#include "zones/local_clock.h"
#include "zones/system_zone.h"
#include "zones/time_zone.h"

namespace day {
namespace {

RequestZone requestZone(zones::TimeZone found)
{
    const auto zone = std::make_shared<const zones::TimeZone>(std::move(found));
    return RequestZone{zone->name(), [zone](const sky::CivilDate& date) { return zones::utcOffsetAtNoon(*zone, date); },
                       [zone] { return zones::localToday(*zone); }};
}

}  // namespace

std::variant<std::optional<RequestZone>, ZoneRefused> namedZone(std::string_view name)
{
    auto found = zones::findZone(name);
    if (const auto* refused = std::get_if<zones::NotAZone>(&found))
        return ZoneRefused{refused->text};
    return std::optional(requestZone(std::move(std::get<zones::TimeZone>(found))));
}

std::optional<RequestZone> systemZone()
{
    auto found = zones::systemTimeZone();
    if (!found)
        return std::nullopt;
    return requestZone(std::move(*found));
}

sky::CivilDate todayWithoutZone()
{
    return zones::localToday();
}

}  // namespace day
