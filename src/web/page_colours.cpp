// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/page_colours.h"

#include <algorithm>
#include <cmath>

namespace web {
namespace {

double linear(std::uint32_t channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(std::uint32_t rgb)
{
    return 0.2126 * linear((rgb >> 16) & 0xFF) + 0.7152 * linear((rgb >> 8) & 0xFF) + 0.0722 * linear(rgb & 0xFF);
}

std::uint32_t scaled(std::uint32_t rgb, int numerator)
{
    const auto channel = [&](int shift) {
        return static_cast<std::uint32_t>(std::lround(((rgb >> shift) & 0xFF) * numerator / 255.0)) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

}  // namespace

std::uint32_t rgbOf(layout::Colour colour, layout::Colour::System kindDefault)
{
    if (colour.system == layout::Colour::System::Rgb)
        return colour.rgb & 0xFFFFFF;
    const auto system = colour.system == layout::Colour::System::KindDefault ? kindDefault : colour.system;
    const auto* at = std::find_if(kSchemeColours.begin(), kSchemeColours.end(),
                                  [&](const SchemeColour& entry) { return entry.system == system; });
    return at == kSchemeColours.end() ? 0 : at->rgb;
}

double contrastRatio(std::uint32_t a, std::uint32_t b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::uint32_t darkenedForContrast(std::uint32_t colour, std::uint32_t background, double minimum)
{
    // Factors of n/255 from 1 down: the first that reaches the contrast is the
    // lightest such colour.
    for (int numerator = 255; numerator > 0; --numerator) {
        const std::uint32_t candidate = scaled(colour, numerator);
        if (contrastRatio(candidate, background) >= minimum)
            return candidate;
    }
    return 0;
}

}  // namespace web
