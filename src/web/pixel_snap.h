#pragma once

#include <cmath>

namespace web {

// Where a pen of `width` device pixels lands for a coordinate `x` in device
// pixels, as the window's surface draws without smoothing: the band of whole
// pixels starting at floor(x - width / 2 + 0.5), so a 1-pixel pen fills the
// pixel to the right of and below the exact point. Returned is the middle of
// that band, which is where the canvas must put the line for its edges to
// fall on pixel edges and come out sharp instead of blurred over two pixels.
inline double snappedCentre(double x, double width)
{
    return std::floor(x - width / 2 + 0.5) + width / 2;
}

// The first pixel of that band, for points drawn as filled squares.
inline double snappedStart(double x, double width)
{
    return std::floor(x - width / 2 + 0.5);
}

}  // namespace web
