// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/chart_files.h"

#include "chart/grafica_indice.h"
#include "chart/svg_surface.h"

namespace chart {

std::string chartSvg(const model::FormState& state, char decimalSeparator)
{
    SvgSurface surface(kChartWidthTwips, kChartHeightTwips);
    GraficaIndice(state, surface, kFormScaleHeight, decimalSeparator);
    return surface.document();
}

runtime::SaveOutcome saveChartSvg(const model::FormState& state, char decimalSeparator, const std::string& path,
                                  runtime::FileCalls& calls)
{
    return runtime::saveTextFile(path, chartSvg(state, decimalSeparator), calls);
}

}  // namespace chart
