// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "zones/zone_places.h"
#include "zones/zone_table.h"

namespace zones {

// The distance between two places along the Earth's surface, in kilometres,
// on a sphere of the Earth's mean radius: within half a percent of the
// ellipsoid's, plenty to tell which zone's place is nearer.
double distanceKilometres(const sky::Place& from, const sky::Place& to);

// The zone of tzdata's table whose place is nearest, to suggest when the
// place typed lies far from the zone's own. Nearest is not always right: a
// place near a border may be nearer another country's capital than its own.
const ZonePlace& nearestZone(const sky::Place& place);

// A zone is a suggestion, never a silent change: when the place lies far
// from the chosen zone's own, the nearest zone named for the user to choose
// ("La zona horaria más cercana a este lugar es Europe/Lisbon."); nothing
// when the zone is near enough or already the nearest.
std::string nearerZoneText(const sky::Place& place, std::string_view zone);

}  // namespace zones
