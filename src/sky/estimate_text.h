// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sky/clear_sky.h"
#include "sky/place.h"

namespace sky {

// The estimate's value as shown and as "Usar" writes it into "Indice Máximo":
// "#0.0" in the user's decimal separator ("10,1").
std::string shownIndexText(const SkyEstimate& estimate, char decimalSeparator);

// Degrees of latitude or longitude as the fields offer and the companion
// reports a place: to the hundredth ("-3,68"), near enough for the sun, and
// tzdata's places are whole minutes of arc anyway.
std::string degreesText(double degrees, char decimalSeparator);

// A place as people read it: "40,42° N, 3,70° O".
std::string placeText(const Place& place, char decimalSeparator);

// What the window's title adds while the sun's shape is in force:
// "el día según el sol: 40,42° N, 3,70° O, 21/06/2026".
std::string sunDayText(const Place& place, const CivilDate& date, char decimalSeparator);

// The estimate at a glance, for the page's line under "Indice Máximo": the
// day, the place and the sky, then the value as "Usar" writes it. Today is
// "Hoy" and the zone's own place, `zonePlace` (to the hundredth of a degree,
// as the fields offer it), is the zone's name; a date unknown in the zone is never "Hoy":
//   Hoy en Europe/Madrid, con cielo despejado: 8,4
//   El 21/06/2026 en 43,26° N, 2,93° O, con cielo nuboso: 6,8
std::string estimateLineText(const SkyEstimate& estimate, const SkyInputs& inputs, std::optional<CivilDate> today,
                             std::string_view zone, std::optional<Place> zonePlace, char decimalSeparator);

// That line's words before the colon: "Hoy en Europe/Madrid, con cielo
// despejado", what other lines of the estimate's day begin with.
std::string estimateSubjectText(const SkyEstimate& estimate, const SkyInputs& inputs, std::optional<CivilDate> today,
                                std::string_view zone, std::optional<Place> zonePlace, char decimalSeparator);

// Minutes after midnight as "h:mm" ("14:16", "9:05").
std::string clockText(int minutes);

// The result as the window and the page show it, three lines joined by '\n':
//   Índice UV máximo con cielo despejado: 10,1
//   Mediodía solar a las 14:16; ozono 327 DU; el sol a 17,0° del cénit.
//   Las nubes, la calima y la contaminación lo reducen.
// `localNoonMinutes` is the clock time of solar noon in the user's zone
// (localClockMinutes); without it the time is given in UT. When the sun does
// not rise the second line says so instead of giving an angle.
std::string estimateText(const SkyEstimate& estimate, std::optional<int> localNoonMinutes, char decimalSeparator);

// The second and third of those lines, for a front end that words the first
// its own way.
std::string sunAndOzoneText(const SkyEstimate& estimate, std::optional<int> localNoonMinutes, char decimalSeparator);
// What moves the clear sky's index either way.
inline constexpr std::string_view kClearSkyCaveat =
    "La calima y la contaminación lo bajan; la nieve, la arena, el agua y las nubes sueltas pueden subirlo un rato.";
// Under part of a cloudy sky the index is a mean: sunlit cloud edges raise it
// above the clear sky's for minutes at a time.
inline constexpr std::string_view kCloudyCaveat =
    "Es un valor medio: entre nubes dispersas el índice puede subir por encima durante unos minutos.";

// The sky and the air the estimate assumes, the air only when it is not
// clean: "con cielo despejado", "con cielo nuboso y aire turbio".
std::string assumptionText(const SkyEstimate& estimate);

// The caveat for the estimate's sky.
std::string_view caveatFor(SkyCover cover);

}  // namespace sky
