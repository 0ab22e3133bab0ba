// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace uv {

// How much the UV index grows with altitude: 8.1 % per 1000 m, the rule the
// window carries a maximum to another locality with, and the one the
// clear-sky estimate uses, so that estimating at H metres gives what
// estimating at sea level and carrying it up H metres gives. Measured
// clear-sky gains are 7 to 11 % per 1000 m.
inline constexpr double kAltitudeGainPer1000m = 0.081;

}  // namespace uv
