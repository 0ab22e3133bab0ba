// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "model/form_state.h"
#include "runtime/text_file.h"

namespace cli {

// The window's chart of `state`, drawn by the same chart code, saved as a PNG
// at `scale` times the picture box's 541 x 381 pixels, whole or not at all.
runtime::SaveOutcome savePng(const model::FormState& state, const std::string& file, char decimalSeparator, int scale,
                             runtime::FileCalls& calls);

// The same chart as SVG, with the texts as texts.
runtime::SaveOutcome saveSvg(const model::FormState& state, const std::string& file, char decimalSeparator,
                             runtime::FileCalls& calls);

}  // namespace cli
