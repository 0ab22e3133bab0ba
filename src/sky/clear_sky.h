// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "sky/air.h"
#include "sky/civil_date.h"
#include "sky/sky_cover.h"

namespace sky {

// What the clear-sky estimate of the day's maximum UV index starts from.
// Every value within the limits readSkyInputs checks (sky/sky_inputs.h).
// Madronich's law: the clear-sky index goes as the cosine of the sun's zenith
// angle to this power, at noon for the estimate and at each instant for the
// day's shape.
inline constexpr double kZenithExponent = 2.42;

struct SkyInputs {
    double latitude = 0;           // degrees, north positive, -90 to 90
    double longitude = 0;          // degrees, east positive, -180 to 180
    CivilDate date;                // 1901-01-01 to 2099-12-31
    double altitude = 0;           // metres, -500 to 9000
    std::optional<double> ozone;   // Dobson units, 100 to 600; none: the climatology's
    bool snow = false;             // snow on the ground
    SkyCover cover = kDefaultSkyCover;  // the share of the clear-sky index that gets through
    Air air = kDefaultAir;              // the aerosol it assumes
};

struct SkyEstimate {
    double uvIndex = 0;      // the estimate, unrounded; 0 when the sun does not rise
    double shownIndex = 0;   // rounded to one decimal, as shown and as "Usar" writes it
    double zenithAngle = 0;  // degrees, the Sun's at solar noon; 90 or more: it does not rise
    double ozone = 0;        // Dobson units, given or from the climatology
    SkyCover cover = kDefaultSkyCover;  // the sky the index is for
    Air air = kDefaultAir;              // the air it is for
    double airFactor = 1;    // the share of the aerosol-free index the air lets through
    double solarNoonUt = 0;  // hours after 0:00 UT of the date (may fall outside 0 to 24)

    bool sunRises() const { return zenithAngle < 90; }
};

// The day's maximum UV index under a cloudless sky: the Sun's zenith angle at
// solar noon, the total ozone, the Sun's distance, the altitude, snow and the
// air, by Madronich's (2007) clear-sky formula, with the window's own altitude
// rule, the TEMIS service's snow factor and an aerosol factor fitted to TUV.
SkyEstimate estimateClearSky(const SkyInputs& inputs);

}  // namespace sky
