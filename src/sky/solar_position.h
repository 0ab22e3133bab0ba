// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sky/civil_date.h"

namespace sky {

// Where the Sun is, by the U.S. Naval Observatory's approximate solar
// coordinates: good to about 0.01 degrees within two centuries of 2000.
struct SunPosition {
    double declination = 0;     // degrees, north positive
    double distance = 1;        // Sun to Earth, astronomical units
    double equationOfTime = 0;  // hours, apparent minus mean solar time, -12 to 12
};

// The Sun at the instant with Julian date `julianDate` (UT).
SunPosition sunAt(double julianDate);

// The Julian date of `hours` (UT, any value) after 0:00 UT of the date.
double julianDate(const CivilDate& date, double hours);

// The Sun when it crosses the meridian of `longitude` (degrees, east
// positive) on the date: the moment in hours after 0:00 UT of the date (it may
// fall just before or after that day at the date line) and the Sun then.
struct SolarNoon {
    double utHours = 12;
    SunPosition sun;
};
SolarNoon solarNoon(const CivilDate& date, double longitude);

}  // namespace sky
