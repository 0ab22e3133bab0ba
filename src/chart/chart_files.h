// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "model/form_state.h"
#include "runtime/text_file.h"

namespace chart {

// The picture box the window draws the chart in, and the window's inner
// height that sets the tick length: a chart drawn away from the window with
// these is the window's own.
inline constexpr float kChartWidthTwips = 8115;
inline constexpr float kChartHeightTwips = 5715;
inline constexpr float kFormScaleHeight = 9615;

// The window's chart of `state` as an SVG document, drawn by the same chart
// code, with the texts as texts.
std::string chartSvg(const model::FormState& state, char decimalSeparator);

// `chartSvg` saved at `path`, whole or not at all.
runtime::SaveOutcome saveChartSvg(const model::FormState& state, char decimalSeparator, const std::string& path,
                                  runtime::FileCalls& calls);

}  // namespace chart
