// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/form_state.h"

namespace chart {

// The geometry of one drawing of the chart: the data extents, the top of the
// index axis and the plot rectangle, in twips. Computed afresh on every call
// of GraficaIndice and dropped afterwards.
struct EscalaGrafica {
    double Tmin = 0;  // earliest sample time, hours: the left edge
    double Tmax = 0;  // latest sample time, hours: the right edge
    double Vmin = 0;  // smallest index (the data minimum, not zero): the bottom edge
    double Vtop = 0;  // top of the index axis: the top edge
    double x0 = 0;    // plot rectangle, whole twips
    double y0 = 0;
    double W = 0;
    double H = 0;

    // Surface position of time t and of index v.
    double x(double t) const { return x0 + W * (t - Tmin) / (Tmax - Tmin); }
    double y(double v) const { return y0 + H * (Vtop - v) / (Vtop - Vmin); }

    // Nothing can be mapped onto an axis of zero length.
    bool emptyRange() const { return Vtop == Vmin || Tmax == Tmin; }
};

// The top of the index axis for the curve's maximum: a round 6, 12 or 14 for
// the usual days, the maximum itself above 12.
double axisTop(double vmax);

// The geometry for `state` on a surface of inner size sw x sh. The extents
// cover all samples 1..kSampleCount, NumPuntos set or not.
EscalaGrafica escalaGrafica(const model::FormState& state, float sw, float sh);

}  // namespace chart
