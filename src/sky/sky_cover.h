// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace sky {

// How much of the sky the clouds cover, in the four steps a forecast uses.
enum class SkyCover { Clear, PartlyCloudy, MostlyCloudy, Overcast };

struct SkyCoverRow {
    SkyCover cover;
    std::string_view token;  // the companion's word for it
    std::string_view word;   // in the texts: "con cielo poco nuboso"
    int fromPercent;         // share of the sky covered, from this...
    int toPercent;           // ...to this
    double factor;           // share of the clear-sky UV index that gets through
};

// The factors are those the U.S. EPA applies to the clear-sky index for its
// UV index forecast.
inline constexpr std::array<SkyCoverRow, 4> kSkyCovers = {{
    {SkyCover::Clear, "despejado", "despejado", 0, 20, 1.00},
    {SkyCover::PartlyCloudy, "poco-nuboso", "poco nuboso", 20, 70, 0.89},
    {SkyCover::MostlyCloudy, "nuboso", "nuboso", 70, 90, 0.73},
    {SkyCover::Overcast, "cubierto", "cubierto", 90, 100, 0.31},
}};

// What the estimate assumes unless told otherwise.
inline constexpr SkyCover kDefaultSkyCover = SkyCover::Clear;

const SkyCoverRow& coverRow(SkyCover cover);

// The cover the companion's word names; none for any other word.
std::optional<SkyCover> coverFromToken(std::string_view token);

double coverFactor(SkyCover cover);

// "con cielo poco nuboso", for the estimate's result line.
std::string withSkyText(SkyCover cover);

// The share of the sky in words: "menos del 20 %", "del 20 al 70 %",
// "más del 90 %".
std::string coverShareText(SkyCover cover);
// The forms' choice: "poco nuboso (del 20 al 70 %)".
std::string coverChoiceText(SkyCover cover);

}  // namespace sky
