// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string_view>

#include "zones/zone_places.h"

namespace zones {

struct ZonePlace {
    std::string_view zone;  // "Europe/Madrid"
    sky::Place place;
};

// Every zone of tzdata's zone1970.tab with its principal place, generated from
// the file at build time, in the file's order.
std::span<const ZonePlace> zonePlaces();

}  // namespace zones
