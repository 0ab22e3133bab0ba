// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/chart_export.h"

#include "chart/chart_files.h"
#include "chart/grafica_indice.h"
#include "qt/png_file.h"
#include "qt/qt_surface.h"

namespace cli {

runtime::SaveOutcome savePng(const model::FormState& state, const std::string& file, char decimalSeparator, int scale,
                             runtime::FileCalls& calls)
{
    qt::QtSurface surface(chart::kChartWidthTwips, chart::kChartHeightTwips, scale);
    chart::GraficaIndice(state, surface, chart::kFormScaleHeight, decimalSeparator);
    return qt::savePng(surface.image(), file, calls);
}

runtime::SaveOutcome saveSvg(const model::FormState& state, const std::string& file, char decimalSeparator,
                             runtime::FileCalls& calls)
{
    return chart::saveChartSvg(state, decimalSeparator, file, calls);
}

}  // namespace cli
