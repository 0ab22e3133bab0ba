// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "zones/zone_places.h"

#include <algorithm>

#include "zones/zone_table.h"

namespace zones {

using sky::Place;

std::optional<Place> placeOfZone(std::string_view zone)
{
    const auto zones = zonePlaces();
    const auto found =
        std::find_if(zones.begin(), zones.end(), [&](const ZonePlace& row) { return row.zone == zone; });
    if (found == zones.end())
        return std::nullopt;
    return found->place;
}

std::string defaultPlaceText(std::optional<std::string_view> zone)
{
    if (!zone)
        return "Sin lugar por defecto: no se conoce la zona horaria; escriba la latitud y la longitud";
    if (!placeOfZone(*zone))
        return "Sin lugar por defecto: la zona horaria " + std::string(*zone)
               + " no tiene lugar; escriba la latitud y la longitud";
    return "Lugar por defecto: zona horaria " + std::string(*zone);
}

}  // namespace zones
