// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "sky/civil_date.h"
#include "zones/time_zone.h"

namespace zones {

// The clock time, in whole minutes after local midnight, of the moment
// `utHours` (-48 to 48) after 0:00 UT of the date, in the zone. The seconds
// are dropped, as the "h:mm" pattern drops them. Nothing for hours beyond
// that, which are no time of that day. For native front ends: the page asks
// the browser.
std::optional<int> localClockMinutes(const sky::CivilDate& date, double utHours, const TimeZone& zone);

// The same in the system's zone (systemTimeZone, looked up again on every
// call), or in UT when the system names none, as the C library's clock is.
std::optional<int> localClockMinutes(const sky::CivilDate& date, double utHours);

// The date on the zone's clock at `unixSeconds` (UT, since 1970).
sky::CivilDate localDate(const TimeZone& zone, long long unixSeconds);

// Today's date in the zone, and in the system's zone (UT when it names none).
sky::CivilDate localToday(const TimeZone& zone);
sky::CivilDate localToday();

}  // namespace zones
