// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sky/solar_position.h"

#include <cmath>

#include "sky/angles.h"

namespace sky {
namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kUnixEpochJulianDate = 2440587.5;

double sinDegrees(double degrees)
{
    return std::sin(degrees * kRadiansPerDegree);
}

double cosDegrees(double degrees)
{
    return std::cos(degrees * kRadiansPerDegree);
}

// Into 0 to 360 degrees; exact, and it keeps the radians small.
double reduced(double degrees)
{
    const double angle = std::fmod(degrees, 360.0);
    return angle < 0 ? angle + 360.0 : angle;
}

}  // namespace

double julianDate(const CivilDate& date, double hours)
{
    return kUnixEpochJulianDate + static_cast<double>(daysSinceUnixEpoch(date)) + hours / 24.0;
}

SunPosition sunAt(double julianDate)
{
    const double d = julianDate - kJ2000;
    const double g = reduced(357.529 + 0.98560028 * d);  // mean anomaly
    const double q = reduced(280.459 + 0.98564736 * d);  // mean longitude
    const double eclipticLongitude = q + 1.915 * sinDegrees(g) + 0.020 * sinDegrees(2 * g);
    const double obliquity = 23.439 - 0.00000036 * d;

    const double sinLongitude = sinDegrees(eclipticLongitude);
    const double rightAscension =
        std::atan2(cosDegrees(obliquity) * sinLongitude, cosDegrees(eclipticLongitude)) / kRadiansPerDegree;
    SunPosition sun;
    sun.declination = std::asin(sinDegrees(obliquity) * sinLongitude) / kRadiansPerDegree;
    sun.distance = 1.00014 - 0.01671 * cosDegrees(g) - 0.00014 * cosDegrees(2 * g);
    // q and the right ascension may sit on either side of 0/360 degrees; the
    // equation of time is the small difference, so bring it into -12..12 h.
    double equation = std::fmod((q - rightAscension) / 15.0, 24.0);
    if (equation >= 12)
        equation -= 24;
    else if (equation < -12)
        equation += 24;
    sun.equationOfTime = equation;
    return sun;
}

SolarNoon solarNoon(const CivilDate& date, double longitude)
{
    // Mean noon first, for the equation of time; then the Sun again at the
    // apparent noon it gives, where the zenith angle is taken.
    const double meanNoon = 12.0 - longitude / 15.0;
    const double equation = sunAt(julianDate(date, meanNoon)).equationOfTime;
    SolarNoon noon;
    noon.utHours = meanNoon - equation;
    noon.sun = sunAt(julianDate(date, noon.utHours));
    return noon;
}

}  // namespace sky
