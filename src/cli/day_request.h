// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/options.h"
#include "day/request.h"

namespace cli {

// The options as the one request for the day: a field not given takes its
// default, and a refusal names the option.
day::Request requestOf(const Options& options, char separator);

}  // namespace cli
