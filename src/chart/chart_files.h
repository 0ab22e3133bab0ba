// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "chart/chart_size.h"
#include "model/form_state.h"
#include "runtime/text_file.h"

namespace chart {

// The window's chart of `state` as an SVG document, drawn by the same chart
// code, with the texts as texts.
std::string chartSvg(const model::FormState& state, char decimalSeparator);

// `chartSvg` saved at `path`, whole or not at all.
runtime::SaveOutcome saveChartSvg(const model::FormState& state, char decimalSeparator, const std::string& path,
                                  runtime::FileCalls& calls);

}  // namespace chart
