// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "day/answer.h"
#include "day/request.h"

namespace day {

// When to protect: on the stay's own curve when the sun's day is in force
// for it, otherwise on the sun's day scaled to the estimate as shown, at the
// estimate's place, date and zone (read from the request even when nothing
// else asks for the estimate, and left out when they cannot be read).
void answerTheProtection(const Request& request, Answer& answer);

// The stay's reminders, on the sun's day's date when it is in force, today
// otherwise, on the zone's clock (UT where no zone is known); none for a
// stay that does not start within the day or lasts more than one.
void answerTheReminders(const Request& request, Answer& answer);

}  // namespace day
