// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "layout/layout.h"

namespace web {

// The desktop's scheme colours the window's controls are painted in, under
// the names the page's style knows them by (var(--button-face), ...).
struct SchemeColour {
    layout::Colour::System system;
    std::string_view property;
    std::uint32_t rgb;  // 0xRRGGBB
};
inline constexpr std::array<SchemeColour, 4> kSchemeColours = {{
    {layout::Colour::System::ButtonFace, "--button-face", 0xF0F0F0},
    {layout::Colour::System::WindowText, "--window-text", 0x000000},
    {layout::Colour::System::Window, "--window", 0xFFFFFF},
    {layout::Colour::System::ActiveBorder, "--active-border", 0xA0A0A0},
}};

// The RGB a colour of the layout stands for; `kindDefault` for a row that
// leaves the colour to its kind.
std::uint32_t rgbOf(layout::Colour colour, layout::Colour::System kindDefault);

// WCAG's contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrastRatio(std::uint32_t a, std::uint32_t b);

// A text colour darkened until it stands out `minimum` times against
// `background`: every channel scaled by the same factor, the largest that
// reaches it, so the hue stays. A colour that already reaches it is returned
// as it is; black is the darkest there is.
std::uint32_t darkenedForContrast(std::uint32_t colour, std::uint32_t background, double minimum);

// WCAG's AA level for ordinary text.
inline constexpr double kTextContrast = 4.5;

}  // namespace web
