// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "day/request_zone.h"

#include <cmath>

#include "day/zone_library.h"
#include "runtime/number_text.h"

namespace day {

std::variant<std::optional<RequestZone>, ZoneRefused> zoneOf(const Request& request)
{
    const std::optional<std::string>& typed = request.field(layout::SkyField::Zona);
    if (request.noonOffset) {
        // The browser has looked the zone up for the request's own date, and
        // perhaps for today.
        const std::string name(runtime::trimBlanks(typed.value_or("")));
        const double offset = *request.noonOffset;
        if (name.empty() || !std::isfinite(offset))
            return ZoneRefused{name};
        const std::optional<sky::CivilDate> today = request.today;
        const double todayOffset = request.todayNoonOffset.value_or(offset);
        const auto offsetAtNoon = [offset, todayOffset, today](const sky::CivilDate& date) {
            return today && date == *today && std::isfinite(todayOffset) ? todayOffset : offset;
        };
        return std::optional(
            RequestZone{name, offsetAtNoon, [today] { return today.value_or(todayWithoutZone()); }});
    }
    if (typed)
        return namedZone(runtime::trimBlanks(*typed));
    return std::variant<std::optional<RequestZone>, ZoneRefused>(systemZone());
}

}  // namespace day
