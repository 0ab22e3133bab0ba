// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

#include "runtime/drawing_surface.h"

namespace chart {

// One UV index category: every index up to and including `upperBound` that
// no lower category takes.
struct UvCategory {
    double upperBound;
    runtime::Rgb colour;
    std::string_view name;
};

// Low, moderate, high, very high; anything above the last bound is extreme.
inline constexpr std::array<UvCategory, 4> kUvCategories{{
    {2.5, {0, 255, 0}, "Bajo"},          // green
    {5.5, {255, 255, 0}, "Moderado"},    // yellow
    {7.5, {255, 128, 0}, "Alto"},        // orange
    {10.5, {255, 0, 0}, "Muy alto"},     // red
}};
inline constexpr runtime::Rgb kExtremeColour{192, 0, 192};  // purple
inline constexpr std::string_view kExtremeName = "Extremo";

// The shading colour of index v; a value on a bound belongs to the lower category.
runtime::Rgb categoryColour(double v);
// Its name as the user reads it, by the same bounds.
std::string_view categoryName(double v);

}  // namespace chart
