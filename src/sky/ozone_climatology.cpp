// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sky/ozone_climatology.h"

#include <algorithm>
#include <cmath>

namespace sky {

double ozoneOfMonth(std::span<const OzoneRow> rows, double latitude, int month)
{
    const auto m = static_cast<std::size_t>(month);
    if (latitude <= rows.front().latitude)
        return rows.front().monthly[m];
    if (latitude >= rows.back().latitude)
        return rows.back().monthly[m];
    // The first row north of the latitude, and the one before it.
    const auto north = std::upper_bound(rows.begin(), rows.end(), latitude,
                                        [](double value, const OzoneRow& row) { return value < row.latitude; });
    const OzoneRow& south = *(north - 1);
    const double fraction = (latitude - south.latitude) / (north->latitude - south.latitude);
    return south.monthly[m] + fraction * (north->monthly[m] - south.monthly[m]);
}

double climatologicalOzone(double latitude, int dayOfYear)
{
    constexpr double kDaysPerMonth = 365.25 / 12.0;
    // Months counted from the middle of January; day 1 lies half a day into the year.
    const double months = (dayOfYear - 0.5) / kDaysPerMonth - 0.5;
    const double before = std::floor(months);
    const double fraction = months - before;
    const auto wrapped = [](double month) { return static_cast<int>(std::fmod(std::fmod(month, 12.0) + 12.0, 12.0)); };
    const auto rows = ozoneClimatology();
    const double first = ozoneOfMonth(rows, latitude, wrapped(before));
    const double second = ozoneOfMonth(rows, latitude, wrapped(before + 1));
    return first + fraction * (second - first);
}

}  // namespace sky
