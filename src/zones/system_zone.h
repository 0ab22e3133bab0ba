// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "zones/time_zone.h"
#include "zones/zone_places.h"

namespace zones {

// The zone name a value of TZ gives: ":Europe/Madrid", "Europe/Madrid" or a
// file under a zoneinfo folder (its "posix/" and "right/" copies too).
// Nothing for an empty TZ or a file elsewhere; whether tzdata has the zone
// is for findZone to say.
std::optional<std::string> zoneNamedByTz(std::string_view tz);

// The system's zone: the one TZ names when it is set to one of tzdata's
// zones, or else the one the system is set to (/etc/localtime), as the time
// zone library finds it. Nothing when neither names a zone. Read again on
// every call, so that a change of TZ while the program runs counts.
std::optional<TimeZone> systemTimeZone();

// Its name.
std::optional<std::string> systemZone();

// The place the estimate starts from, when the system's zone is one tzdata
// places, and the zone's name to say where it comes from.
struct DefaultPlace {
    std::string zone;
    sky::Place place;
};
std::optional<DefaultPlace> systemDefaultPlace();

}  // namespace zones
