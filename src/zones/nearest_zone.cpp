// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "zones/nearest_zone.h"

#include <algorithm>
#include <cmath>

#include "sky/angles.h"

namespace zones {

using sky::kRadiansPerDegree;
using sky::Place;
namespace {

constexpr double kMeanEarthRadiusKilometres = 6371.0088;

}  // namespace

double distanceKilometres(const Place& from, const Place& to)
{
    // The haversine form, which stays exact for places close together.
    const double lat1 = from.latitude * kRadiansPerDegree;
    const double lat2 = to.latitude * kRadiansPerDegree;
    const double sinHalfLatitude = std::sin((lat2 - lat1) / 2);
    const double sinHalfLongitude = std::sin((to.longitude - from.longitude) * kRadiansPerDegree / 2);
    const double h = sinHalfLatitude * sinHalfLatitude
                     + std::cos(lat1) * std::cos(lat2) * sinHalfLongitude * sinHalfLongitude;
    return 2 * kMeanEarthRadiusKilometres * std::asin(std::min(1.0, std::sqrt(h)));
}

const ZonePlace& nearestZone(const Place& place)
{
    const auto zones = zonePlaces();
    return *std::min_element(zones.begin(), zones.end(), [&](const ZonePlace& a, const ZonePlace& b) {
        return distanceKilometres(place, a.place) < distanceKilometres(place, b.place);
    });
}

std::string nearerZoneText(const Place& place, std::string_view zone)
{
    // Farther than this from the zone's place, the place may well keep another clock.
    constexpr double kFarKilometres = 800;
    const ZonePlace& nearest = nearestZone(place);
    const auto own = placeOfZone(zone);
    if (nearest.zone == zone || (own && distanceKilometres(place, *own) <= kFarKilometres))
        return {};
    return "La zona horaria más cercana a este lugar es " + std::string(nearest.zone) + ".";
}

}  // namespace zones
