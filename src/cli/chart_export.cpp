// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/chart_export.h"

#include "chart/chart_files.h"
#include "chart/grafica_indice.h"
#include "qt/png_file.h"
#include "qt/qt_surface.h"

namespace cli {
namespace {

std::string reasonOf(const runtime::SaveOutcome& outcome)
{
    return outcome.saved ? std::string() : outcome.reason;
}

}  // namespace

std::string savePng(const model::FormState& state, const std::string& file, char decimalSeparator, int scale)
{
    qt::QtSurface surface(chart::kChartWidthTwips, chart::kChartHeightTwips, scale);
    chart::GraficaIndice(state, surface, chart::kFormScaleHeight, decimalSeparator);
    return reasonOf(qt::savePng(surface.image(), file));
}

std::string saveSvg(const model::FormState& state, const std::string& file, char decimalSeparator)
{
    return reasonOf(chart::saveChartSvg(state, decimalSeparator, file));
}

}  // namespace cli
