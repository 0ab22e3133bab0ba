// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sky/clear_sky.h"

#include <cmath>
#include <variant>

#include "runtime/number_format.h"
#include "runtime/number_text.h"
#include "sky/angles.h"
#include "sky/ozone_climatology.h"
#include "sky/solar_position.h"
#include "uv/altitude.h"

namespace sky {
namespace {

// The formula's constants: the index of an overhead Sun through 300 DU of
// ozone at the mean Sun-Earth distance, and how it falls off.
constexpr double kOverheadIndex = 12.5;
constexpr double kReferenceOzone = 300.0;
constexpr double kOzoneExponent = -1.23;
// +5 % per kilometre of altitude; a fresh snow cover (albedo 0.8) adds 22 %.
constexpr double kSnowFactor = 1.22;

// The value the shown text stands for: "Usar" writes that text, so the
// number must be the text's and not a rounding of its own, which could go the
// other way at a half.
double shownValue(double index)
{
    const auto read = runtime::textToDouble(runtime::formatNumber(index, runtime::NumberPattern::OneDecimal, '.'), '.');
    // Only a value no valid input gives (infinite) has no such text.
    const double* shown = std::get_if<double>(&read);
    return shown ? *shown : index;
}

}  // namespace

SkyEstimate estimateClearSky(const SkyInputs& inputs)
{
    const SolarNoon noon = solarNoon(inputs.date, inputs.longitude);
    SkyEstimate estimate;
    estimate.solarNoonUt = noon.utHours;
    estimate.cover = inputs.cover;
    estimate.air = inputs.air;
    estimate.zenithAngle = std::abs(inputs.latitude - noon.sun.declination);
    estimate.ozone = inputs.ozone.value_or(climatologicalOzone(inputs.latitude, dayOfYear(inputs.date)));
    if (!estimate.sunRises())
        return estimate;

    const double mu0 = std::cos(estimate.zenithAngle * kRadiansPerDegree);
    estimate.airFactor = airFactor(inputs.air, mu0, inputs.altitude);
    const double distance = noon.sun.distance;
    estimate.uvIndex = kOverheadIndex * std::pow(mu0, kZenithExponent)
                       * std::pow(estimate.ozone / kReferenceOzone, kOzoneExponent)
                       * (1.0 / (distance * distance))
                       * (1.0 + uv::kAltitudeGainPer1000m * inputs.altitude / 1000.0)
                       * (inputs.snow ? kSnowFactor : 1.0)
                       * estimate.airFactor
                       * coverFactor(inputs.cover);
    estimate.shownIndex = shownValue(estimate.uvIndex);
    return estimate;
}

}  // namespace sky
