// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "day/answer.h"
#include "day/request.h"

namespace day {

// The estimate and the sun's day into `answer`, or the first field, in the
// table's order, that cannot be used.
std::optional<Refusal> answerThePlace(const Request& request, Answer& answer);

// The day's shape given as no shape's word, for a request that reads no place.
std::optional<Refusal> refusedShape(const Request& request);

}  // namespace day
