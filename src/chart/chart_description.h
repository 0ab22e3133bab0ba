// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "model/form_state.h"

namespace chart {

// What the chart shows, in one Spanish sentence a screen reader can say in
// place of the picture: the hours the curve spans, its maximum and when, and
// the shaded exposure window (or that it falls outside the curve). Before the
// first "Calcular" there is no curve, and it says so.
std::string describeChart(const model::FormState& state, char decimalSeparator);

}  // namespace chart
