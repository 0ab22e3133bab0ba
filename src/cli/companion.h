// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "cli/options.h"

namespace cli {

// What one run of the companion prints and returns.
struct RunResult {
    int exitStatus = 0;
    std::string out;
    std::string err;
};

inline constexpr int kExitOk = 0;
inline constexpr int kExitFileFailed = 1;
inline constexpr int kExitBadInput = 2;

// The whole run: converts the inputs with `localeSeparator` (or a point when
// asked), computes through the same model as the window's "Calcular", writes
// the files asked for and reports. Nothing is written when an input is bad.
RunResult run(const Options& options, char localeSeparator);

}  // namespace cli
