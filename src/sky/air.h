// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace sky {

// The air the estimate assumes: its aerosol, by optical depth at 550 nm,
// single-scattering albedo and Ångström exponent.
enum class Air { Clean, Normal, Turbid };

struct AirRow {
    Air air;
    std::string_view token;    // the companion's word for it, and the texts'
    std::string_view caption;  // the forms' choice
    double opticalDepth550;
    double singleScatteringAlbedo;
    double angstromExponent;
};

inline constexpr std::array<AirRow, 3> kAirs = {{
    {Air::Clean, "limpio", "limpio (mar abierto, montaña)", 0, 1, 0},
    {Air::Normal, "normal", "normal", 0.12, 0.92, 1.2},
    {Air::Turbid, "turbio", "turbio (calima, contaminación)", 0.25, 0.90, 1.3},
}};

// Clean air is the default: right in clean air, and on the safe side elsewhere.
inline constexpr Air kDefaultAir = Air::Clean;

const AirRow& airRow(Air air);

std::optional<Air> airFromToken(std::string_view token);

// The share of the aerosol-free UV index that gets through the air at noon,
// `noonCosine` the cosine of the sun's zenith angle, `altitude` in metres:
// f = exp(−τ · (550/320)^α · (0.16 + 1.4 (1 − ω)) · max(μ₀, 0.5)^−0.55),
// τ = τ550 · exp(−H / 1500 m), as haze lives in the lowest kilometres. A
// fit to a radiative-transfer model (NCAR's TUV 5.4) for optical depths up
// to 0.5 and the sun within 60° of overhead, good to 0.5 % RMS. Clean air: 1.
double airFactor(Air air, double noonCosine, double altitude);

// The same for any aerosol: its optical depth at 550 nm at sea level, its
// single-scattering albedo and its Ångström exponent.
struct Aerosol {
    double opticalDepth550 = 0;
    double singleScatteringAlbedo = 1;
    double angstromExponent = 0;
};
double aerosolFactor(const Aerosol& aerosol, double noonCosine, double altitude);

}  // namespace sky
