// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/device_pixels.h"

#include <algorithm>
#include <cmath>

namespace runtime::device_pixels {

std::optional<int> pixelOf(float twips, double ratio)
{
    const double pixel = std::floor(static_cast<double>(twips) * ratio / kTwipsPerPixel);
    if (std::isnan(pixel))
        return std::nullopt;
    constexpr double far = kFarPixel;
    return static_cast<int>(std::clamp(pixel, -far, far));
}

int penWidth(int drawWidth, double ratio)
{
    return std::max(1L, std::lround(drawWidth * ratio));
}

PixelRun penRun(int from, int to, int penWidth)
{
    const int width = std::max(penWidth, 1);
    return {std::min(from, to) - width / 2, std::abs(to - from) + width};
}

}  // namespace runtime::device_pixels
