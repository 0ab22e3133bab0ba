// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sky/air.h"

#include <algorithm>
#include <cmath>

namespace sky {
namespace {

constexpr double kReferenceNanometres = 550;
constexpr double kErythemalNanometres = 320;  // where the sunburn-weighted spectrum peaks under the atmosphere
constexpr double kHazeScaleHeight = 1500;     // metres
constexpr double kLowestCosine = 0.5;         // the fit's sun: 60° from overhead at most

}  // namespace

const AirRow& airRow(Air air)
{
    return kAirs[static_cast<std::size_t>(air)];
}

std::optional<Air> airFromToken(std::string_view token)
{
    for (const AirRow& row : kAirs) {
        if (row.token == token)
            return row.air;
    }
    return std::nullopt;
}

double aerosolFactor(const Aerosol& aerosol, double noonCosine, double altitude)
{
    if (aerosol.opticalDepth550 == 0)
        return 1;
    const double depth = aerosol.opticalDepth550 * std::exp(-altitude / kHazeScaleHeight);
    const double erythemalDepth =
        depth * std::pow(kReferenceNanometres / kErythemalNanometres, aerosol.angstromExponent);
    const double absorbing = 0.16 + 1.4 * (1 - aerosol.singleScatteringAlbedo);
    return std::exp(-erythemalDepth * absorbing * std::pow(std::max(noonCosine, kLowestCosine), -0.55));
}

double airFactor(Air air, double noonCosine, double altitude)
{
    const AirRow& row = airRow(air);
    return aerosolFactor({row.opticalDepth550, row.singleScatteringAlbedo, row.angstromExponent}, noonCosine, altitude);
}

}  // namespace sky
