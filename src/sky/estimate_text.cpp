// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sky/estimate_text.h"

#include <cmath>

#include "runtime/number_format.h"

namespace sky {

std::string shownIndexText(const SkyEstimate& estimate, char decimalSeparator)
{
    return runtime::formatNumber(estimate.shownIndex, runtime::NumberPattern::AxisLabel, decimalSeparator);
}

std::string degreesText(double degrees, char decimalSeparator)
{
    return runtime::formatNumber(degrees, runtime::NumberPattern::TwoDecimals, decimalSeparator);
}

std::string clockText(int minutes)
{
    // Whole minutes as a fraction of a day are exact enough for "h:mm",
    // which counts a hair below a minute as that minute.
    return runtime::formatHourMinute(minutes / 1440.0);
}

std::string sunAndOzoneText(const SkyEstimate& estimate, std::optional<int> localNoonMinutes, char decimalSeparator)
{
    const std::string ozone = "ozono " + runtime::integerToText(std::llround(estimate.ozone)) + " DU";
    if (!estimate.sunRises())
        return "Ese día el sol no sale en ese lugar; " + ozone + ".";
    const std::string noon = localNoonMinutes ? clockText(*localNoonMinutes)
                                              : runtime::formatHourMinute(estimate.solarNoonUt / 24.0) + " UT";
    return "Mediodía solar a las " + noon + "; " + ozone + "; el sol a "
           + runtime::formatNumber(estimate.zenithAngle, runtime::NumberPattern::AxisLabel, decimalSeparator)
           + "° del cénit.";
}

namespace {

std::string coordinateText(double degrees, char positive, char negative, char decimalSeparator)
{
    return degreesText(std::abs(degrees), decimalSeparator) + "° " + (degrees < 0 ? negative : positive);
}

}  // namespace

std::string placeText(const Place& place, char decimalSeparator)
{
    return coordinateText(place.latitude, 'N', 'S', decimalSeparator) + ", "
           + coordinateText(place.longitude, 'E', 'O', decimalSeparator);
}

std::string sunDayText(const Place& place, const CivilDate& date, char decimalSeparator)
{
    return "el día según el sol: " + placeText(place, decimalSeparator) + ", "
           + dateText(date, DateStyle::DayMonthYear);
}

std::string estimateSubjectText(const SkyEstimate& estimate, const SkyInputs& inputs, std::optional<CivilDate> today,
                                std::string_view zone, std::optional<Place> zonePlace, char decimalSeparator)
{
    const auto sameDegrees = [&](double a, double b) {
        return degreesText(a, decimalSeparator) == degreesText(b, decimalSeparator);
    };
    const Place place{inputs.latitude, inputs.longitude};
    const bool atTheZonesPlace = zonePlace && sameDegrees(place.latitude, zonePlace->latitude)
                                 && sameDegrees(place.longitude, zonePlace->longitude);
    const std::string day = today && inputs.date == *today ? "Hoy" : "El " + dateText(inputs.date, DateStyle::DayMonthYear);
    const std::string where = atTheZonesPlace ? std::string(zone) : placeText(place, decimalSeparator);
    return day + " en " + where + ", " + assumptionText(estimate);
}

std::string estimateLineText(const SkyEstimate& estimate, const SkyInputs& inputs, std::optional<CivilDate> today,
                             std::string_view zone, std::optional<Place> zonePlace, char decimalSeparator)
{
    return estimateSubjectText(estimate, inputs, today, zone, zonePlace, decimalSeparator) + ": "
           + shownIndexText(estimate, decimalSeparator);
}

std::string assumptionText(const SkyEstimate& estimate)
{
    std::string text = withSkyText(estimate.cover);
    if (estimate.air != Air::Clean)
        text += " y aire " + std::string(airRow(estimate.air).token);
    return text;
}

std::string_view caveatFor(SkyCover cover)
{
    return cover == SkyCover::Clear ? kClearSkyCaveat : kCloudyCaveat;
}

std::string estimateText(const SkyEstimate& estimate, std::optional<int> localNoonMinutes, char decimalSeparator)
{
    return "Índice UV máximo " + assumptionText(estimate) + ": " + shownIndexText(estimate, decimalSeparator) + "\n"
           + sunAndOzoneText(estimate, localNoonMinutes, decimalSeparator) + "\n"
           + std::string(caveatFor(estimate.cover));
}

}  // namespace sky
