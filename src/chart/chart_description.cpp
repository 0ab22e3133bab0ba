// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/chart_description.h"

#include "runtime/number_format.h"

namespace chart {
namespace {

std::string clockTime(double hours)
{
    return runtime::formatHourMinute(hours / 24.0);
}

}  // namespace

std::string describeChart(const model::FormState& state, char decimalSeparator)
{
    if (!state.NumPuntos)
        return "Sin cálculo todavía";
    const int last = state.NumPuntos.count();

    int peak = 1;
    bool shaded = false;
    for (int i = 1; i <= last; ++i) {
        if (state.IndiceUV[i] > state.IndiceUV[peak])
            peak = i;
        shaded = shaded || model::insideExposureWindow(state, state.Tiempo[i]);
    }

    const std::string window = "de " + clockTime(state.HoraExposicion) + " a "
        + clockTime(model::exposureWindowEnd(state));
    return "Curva del índice UV de " + clockTime(state.Tiempo[1]) + " a " + clockTime(state.Tiempo[last])
        + ", máximo " + runtime::formatNumber(state.IndiceUV[peak], runtime::NumberPattern::OneDecimal, decimalSeparator)
        + " a las " + clockTime(state.Tiempo[peak]) + "; "
        + (shaded ? "exposición " + window + " sombreada" : "la exposición " + window + " queda fuera de la curva");
}

}  // namespace chart
