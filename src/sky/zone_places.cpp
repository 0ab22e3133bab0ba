// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sky/zone_places.h"

#include <algorithm>

#include "sky/zone_table.h"

namespace sky {

std::optional<Place> placeOfZone(std::string_view zone)
{
    const auto zones = zonePlaces();
    const auto found =
        std::find_if(zones.begin(), zones.end(), [&](const ZonePlace& row) { return row.zone == zone; });
    if (found == zones.end())
        return std::nullopt;
    return found->place;
}

}  // namespace sky
