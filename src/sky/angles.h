// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <numbers>

namespace sky {

// Degrees, as places and the sun's angles are given, to the radians of <cmath>.
inline constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

}  // namespace sky
