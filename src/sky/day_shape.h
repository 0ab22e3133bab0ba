// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <span>
#include <string>
#include <variant>

#include "sky/civil_date.h"
#include "sky/place.h"

namespace sky {

// The day's curve as the sun draws it at a place: at clock hour t the index
// is the day's maximum times (μ / μ_noon)^2.42, μ the cosine of the sun's
// zenith angle at that instant and μ_noon the one the clear-sky estimate
// takes at solar noon, so that the curve peaks at the estimate's maximum
// (a few thousandths off it at the date line, where the estimate's noon, on
// the date in UT, is the next day's on the zone's clock). 0 while the sun is
// below the horizon. Pure, and no time zone library: the front end gives the
// zone's offset for the day.
struct DayShape {
    Place place;
    CivilDate date;
    double utcOffset = 0;   // hours the zone's clock is ahead of UT that day
    double noonCosine = 1;  // μ_noon, above 0

    // The sun's part of μ at an instant: μ = sinTerm + cosTerm × cos(hour angle).
    struct Sun {
        double sinTerm = 0;         // sin(latitude) × sin(declination)
        double cosTerm = 0;         // cos(latitude) × cos(declination)
        double equationOfTime = 0;  // hours
    };
    // At each whole hour of the zone's clock from -1:00 to 25:00, for the
    // hours of the day in between.
    static constexpr int kFirstHour = -1;
    std::array<Sun, 27> sunByHour{};
    double sinLatitude = 0;
    double cosLatitude = 1;
};

// A day the sun does not rise at the place: there is no shape to give.
struct NoSunrise {
    Place place;
    CivilDate date;
};

// The shape for the place and the civil date, `utcOffset` the zone's offset
// in force at 12:00 on the clock that day (Europe/Madrid in summer: 2).
std::variant<DayShape, NoSunrise> dayShape(const Place& place, const CivilDate& date, double utcOffset);

// The shape at `clockHours` after 0:00 on the zone's clock of the date; any
// hour, the instant may fall on the day before or after in UT.
double shapeAt(const DayShape& shape, double clockHours);

// index[i] = maximum × shapeAt(hours[i]) for each pair: the samples of Tiempo
// and IndiceUV (from their first sample, index 0 being unused there).
void sampleDayShape(const DayShape& shape, double maximum, std::span<const double> hours, std::span<double> index);

// "El sol no sale el 21/12/2026 en 78,22° N, 15,65° E: no hay forma del día
// según el sol.", the date in the style the user types it.
std::string describe(const NoSunrise& refusal, char decimalSeparator, DateStyle style);

}  // namespace sky
