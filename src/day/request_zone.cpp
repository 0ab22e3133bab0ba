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
        // The browser has looked the zone up for the request's own date.
        const std::string name(runtime::trimBlanks(typed.value_or("")));
        const double offset = *request.noonOffset;
        if (name.empty() || !std::isfinite(offset))
            return ZoneRefused{name};
        const std::optional<sky::CivilDate> today = request.today;
        return std::optional(RequestZone{name, [offset](const sky::CivilDate&) { return offset; },
                                         [today] { return today.value_or(todayWithoutZone()); }});
    }
    if (typed)
        return namedZone(runtime::trimBlanks(*typed));
    return std::variant<std::optional<RequestZone>, ZoneRefused>(systemZone());
}

}  // namespace day
