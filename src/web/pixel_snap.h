#pragma once

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

// Where the chart's twips land on the canvas's device pixels: the rule the
// window's surface is moving to, so that a point drawn at a line's coordinate
// lands on that line's pixels at any pixel ratio. Same names and meaning as
// the window's, so the page can take the shared one over as it stands.
namespace web::device_pixels {

constexpr double kTwipsPerPixel = 15;
// Far outside any surface, yet small enough for any rasteriser's integers.
constexpr int kFarPixel = 1 << 22;

// The device pixel that holds the coordinate: floor(twips x ratio / 15).
inline std::optional<int> pixelOf(float twips, double ratio)
{
    const double pixel = std::floor(static_cast<double>(twips) * ratio / kTwipsPerPixel);
    if (std::isnan(pixel))
        return std::nullopt;
    return static_cast<int>(std::clamp(pixel, -static_cast<double>(kFarPixel), static_cast<double>(kFarPixel)));
}

// A pen of `drawWidth` logical pixels, in whole device pixels, at least one.
inline int penWidth(int drawWidth, double ratio)
{
    return static_cast<int>(std::max(1L, std::lround(drawWidth * ratio)));
}

// The run of pixels a pen covers along one axis from pixel `from` to `to`:
// centred on the line, an even pen's extra pixel before it, both ends covered.
struct PixelRun {
    int first = 0;
    int count = 0;
    friend constexpr bool operator==(PixelRun, PixelRun) = default;
};

inline PixelRun penRun(int from, int to, int penWidth)
{
    const int width = std::max(penWidth, 1);
    return {std::min(from, to) - width / 2, std::abs(to - from) + width};
}

}  // namespace web::device_pixels
