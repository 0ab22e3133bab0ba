// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sky/day_shape.h"

#include <algorithm>
#include <cmath>

#include "sky/angles.h"
#include "sky/clear_sky.h"
#include "sky/estimate_text.h"
#include "sky/solar_position.h"

namespace sky {
namespace {


DayShape::Sun sunAtUt(const DayShape& shape, double ut)
{
    const SunPosition sun = sunAt(julianDate(shape.date, ut));
    const double declination = sun.declination * kRadiansPerDegree;
    return {shape.sinLatitude * std::sin(declination), shape.cosLatitude * std::cos(declination), sun.equationOfTime};
}

// The sun's position takes a dozen sines and arcs, more than the rest of a
// sample; it moves smoothly, so it is taken at the clock's whole hours once
// and interpolated between them, cubically through the four nearest hours.
// The shape comes out within 1e-9 of taking the sun at each instant, far
// inside the formulas' own 0.01 degrees, and 1000 samples cost 27 positions.
DayShape::Sun interpolatedSun(const DayShape& shape, double clockHours)
{
    const double hour = std::floor(clockHours);
    const double s = clockHours - hour;
    // Lagrange's weights for the hours before, at, after and two after.
    const double w0 = -s * (s - 1) * (s - 2) / 6;
    const double w1 = (s + 1) * (s - 1) * (s - 2) / 2;
    const double w2 = -(s + 1) * s * (s - 2) / 2;
    const double w3 = (s + 1) * s * (s - 1) / 6;
    const auto before = static_cast<std::size_t>(hour - 1 - DayShape::kFirstHour);
    const DayShape::Sun& a = shape.sunByHour[before];
    const DayShape::Sun& b = shape.sunByHour[before + 1];
    const DayShape::Sun& c = shape.sunByHour[before + 2];
    const DayShape::Sun& d = shape.sunByHour[before + 3];
    return {w0 * a.sinTerm + w1 * b.sinTerm + w2 * c.sinTerm + w3 * d.sinTerm,
            w0 * a.cosTerm + w1 * b.cosTerm + w2 * c.cosTerm + w3 * d.cosTerm,
            w0 * a.equationOfTime + w1 * b.equationOfTime + w2 * c.equationOfTime + w3 * d.equationOfTime};
}

// The hours the table serves: from 0:00 to just before 24:00.
bool tabulated(double clockHours)
{
    return clockHours >= 0 && clockHours < 24;
}

}  // namespace

std::variant<DayShape, NoSunrise> dayShape(const Place& place, const CivilDate& date, double utcOffset)
{
    // The noon the estimate's maximum stands for, taken by the estimate
    // itself so that the two cannot drift apart.
    SkyInputs inputs;
    inputs.latitude = place.latitude;
    inputs.longitude = place.longitude;
    inputs.date = date;
    const SkyEstimate noon = estimateClearSky(inputs);
    if (!noon.sunRises())
        return NoSunrise{place, date};
    DayShape shape;
    shape.place = place;
    shape.date = date;
    shape.utcOffset = utcOffset;
    shape.noonCosine = std::cos(noon.zenithAngle * kRadiansPerDegree);
    shape.sinLatitude = std::sin(place.latitude * kRadiansPerDegree);
    shape.cosLatitude = std::cos(place.latitude * kRadiansPerDegree);
    for (std::size_t i = 0; i < shape.sunByHour.size(); ++i) {
        const double clockHour = DayShape::kFirstHour + static_cast<double>(i);
        shape.sunByHour[i] = sunAtUt(shape, clockHour - utcOffset);
    }
    return shape;
}

double shapeAt(const DayShape& shape, double clockHours)
{
    const double ut = clockHours - shape.utcOffset;
    const DayShape::Sun sun = tabulated(clockHours) ? interpolatedSun(shape, clockHours) : sunAtUt(shape, ut);
    const double hourAngle = 15.0 * (ut + shape.place.longitude / 15.0 + sun.equationOfTime - 12.0);
    const double mu = sun.sinTerm + sun.cosTerm * std::cos(hourAngle * kRadiansPerDegree);
    if (!(mu > 0))
        return 0;
    return std::pow(mu / shape.noonCosine, kZenithExponent);
}

void sampleDayShape(const DayShape& shape, double maximum, std::span<const double> hours, std::span<double> index)
{
    const std::size_t count = std::min(hours.size(), index.size());
    for (std::size_t i = 0; i < count; ++i)
        index[i] = maximum * shapeAt(shape, hours[i]);
}

std::string describe(const NoSunrise& refusal, char decimalSeparator, DateStyle style)
{
    return "El sol no sale el " + dateText(refusal.date, style) + " en "
           + placeText(refusal.place, decimalSeparator) + ": no hay forma del día según el sol.";
}

}  // namespace sky
