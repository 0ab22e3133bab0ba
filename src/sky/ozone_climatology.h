// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <span>

namespace sky {

// One latitude zone of the total ozone climatology: its centre and the mean
// total ozone of each month, January first, in Dobson units.
struct OzoneRow {
    double latitude = 0;
    std::array<double, 12> monthly{};
};

// The climatology built into the program, south to north (generated at build
// time from data/ozone-climatology.csv).
std::span<const OzoneRow> ozoneClimatology();

// Whether the rows go strictly south to north, which the interpolation needs;
// the generated table is checked with it when it is compiled.
constexpr bool isSouthToNorth(std::span<const OzoneRow> rows)
{
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (!(rows[i - 1].latitude < rows[i].latitude))
            return false;
    }
    return !rows.empty();
}

// The month's mean at `latitude` (degrees, north positive), month 0 being
// January: linear between the rows' centres, the first and last rows' values
// beyond them.
double ozoneOfMonth(std::span<const OzoneRow> rows, double latitude, int month);

// The total ozone of the climatology at `latitude` on the day of the year
// (1 for 1 January): each month's mean stands at the middle of the month (the
// months as twelfths of 365.25 days) and the value is linear between the two
// nearest middles, December running on into January.
double climatologicalOzone(double latitude, int dayOfYear);

}  // namespace sky
