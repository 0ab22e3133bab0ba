// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "chart/escala_grafica.h"
#include "model/form_state.h"
#include "runtime/drawing_surface.h"

namespace chart {

// Draws the day's UV index chart from `state` onto `Indice`, clearing it first:
// title, frame, the exposure window shaded in the UV category colours, the
// curve, both axes with ticks and labels, and the dotted grid.
// `formScaleHeight` is the window's inner height in twips, which sets the tick
// length; `decimalSeparator` is used in the index labels. Returns the scale it
// drew with, for reading positions on the drawing back as hours and indices.
EscalaGrafica GraficaIndice(const model::FormState& state, runtime::DrawingSurface& Indice, float formScaleHeight,
                            char decimalSeparator);

}  // namespace chart
