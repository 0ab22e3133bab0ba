// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/escala_grafica.h"

#include <cmath>

namespace chart {

double axisTop(double vmax)
{
    if (vmax <= 5)
        return 6;
    if (vmax <= 10)
        return 12;
    if (vmax <= 12)
        return 14;
    return vmax;
}

EscalaGrafica escalaGrafica(const model::FormState& state, float sw, float sh)
{
    EscalaGrafica e;
    // Starting values far outside any real day, so the first sample replaces
    // them. The comparisons are strict: a NaN sample never becomes an extent.
    e.Tmin = 1000;
    e.Tmax = -10000;
    e.Vmin = 10000;
    double vmax = -10000;
    for (int i = 1; i <= model::kSampleCount; ++i) {
        const double t = state.Tiempo[i];
        const double v = state.IndiceUV[i];
        if (t > e.Tmax)
            e.Tmax = t;
        if (v > vmax)
            vmax = v;
        if (v < e.Vmin)
            e.Vmin = v;
        if (t < e.Tmin)
            e.Tmin = t;
    }
    e.Vtop = axisTop(vmax);

    // Margins: index labels on the left, the title on top, the time labels
    // and the axis title below.
    e.x0 = std::floor(static_cast<double>(sw) * 0.1);
    e.y0 = std::floor(static_cast<double>(sh) * 0.08);
    e.W = std::floor(static_cast<double>(sw) * 0.85);
    e.H = std::floor(static_cast<double>(sh) * 0.78);
    return e;
}

}  // namespace chart
