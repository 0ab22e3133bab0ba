// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/calcular.h"
#include "sky/day_shape.h"

namespace day {

// "Calcular" with the day as the sun makes it: the same sample times as the
// bell's, each index the corrected maximum times the sun's shape at that hour.
model::DaySampler sunSampler(const sky::DayShape& shape);

}  // namespace day
