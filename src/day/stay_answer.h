// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "day/answer.h"
#include "day/request.h"

namespace day {

// "Calcular" for the request's stay, on the sun's day when `answer` has one,
// with the estimate's maximum when the stay takes it; then the dose, the time
// to 1 DEM and the sunscreen. The first box that is no number, else a
// sunscreen that is none, is refused; the latter leaves the stay answered.
std::optional<Refusal> answerTheStay(const Request& request, Answer& answer);

}  // namespace day
