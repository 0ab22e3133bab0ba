// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace day {

// Clock hours (10.1167) to whole minutes after midnight, in steps of `step`
// minutes, down or up. A hair off a whole step, from the hours' binary
// fractions, counts as that step.
int minutesDown(double hours, int step = 1);
int minutesUp(double hours, int step = 1);

// Minutes after midnight as machines read a clock, "09:05"; past midnight
// it goes round.
std::string hhmm(int minutes);

}  // namespace day
