// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sky/zone_places.h"

namespace sky {

// The tzdata name of the zone the C library's local time uses, from the
// value of TZ when it is set (":Europe/Madrid", "Europe/Madrid" or a file
// under a zoneinfo folder), or else from where /etc/localtime links to. A TZ
// that is set decides alone, as it does for the clock, even when it names
// no zone ("CET-1CEST", or empty for UTC).
std::optional<std::string> zoneFromSettings(std::optional<std::string_view> tz,
                                            std::optional<std::string_view> localtimeLink);

// The same from this process's TZ and this system's /etc/localtime.
std::optional<std::string> systemZone();

// The place the estimate starts from, when the system's zone is one tzdata
// places, and the zone's name to say where it comes from.
struct DefaultPlace {
    std::string zone;
    Place place;
};
std::optional<DefaultPlace> systemDefaultPlace();

}  // namespace sky
