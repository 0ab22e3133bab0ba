// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "runtime/drawing_surface.h"

namespace chart {

// One UV index category: every index up to and including `upperBound` that
// no lower category takes.
struct UvCategory {
    double upperBound;
    runtime::Rgb colour;
};

// Low, moderate, high, very high; anything above the last bound is extreme.
inline constexpr std::array<UvCategory, 4> kUvCategories{{
    {2.5, {0, 255, 0}},     // green
    {5.5, {255, 255, 0}},   // yellow
    {7.5, {255, 128, 0}},   // orange
    {10.5, {255, 0, 0}},    // red
}};
inline constexpr runtime::Rgb kExtremeColour{192, 0, 192};  // purple

// The shading colour of index v; a value on a bound belongs to the lower category.
runtime::Rgb categoryColour(double v);

}  // namespace chart
