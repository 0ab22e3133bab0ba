// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "model/form_state.h"

namespace cli {

// The window's chart of `state`, drawn by the same chart code, saved as a PNG
// at `scale` times the picture box's 541 x 381 pixels. Returns a Spanish
// reason on failure, or an empty text.
std::string savePng(const model::FormState& state, const std::string& file, char decimalSeparator, int scale);

// The same chart as SVG, with the texts as texts.
std::string saveSvg(const model::FormState& state, const std::string& file, char decimalSeparator);

}  // namespace cli
