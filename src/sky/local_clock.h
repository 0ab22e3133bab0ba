// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "sky/civil_date.h"

namespace sky {

// The clock time, in whole minutes after local midnight, of the moment
// `utHours` (-48 to 48) after 0:00 UT of the date, in the C library's local
// time zone (TZ honoured, read again on every call). The seconds are dropped,
// as the "h:mm" pattern drops them. Nothing when the C library cannot say (a
// time_t too narrow for the date). For native front ends: the page asks the
// browser.
std::optional<int> localClockMinutes(const CivilDate& date, double utHours);

// Today's date in the local time zone.
CivilDate localToday();

}  // namespace sky
