// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

namespace runtime {

// The unit the window's layout and the chart are drawn in: 1440 twips to the
// inch, so 15 to a logical pixel at 96 dpi. Whole, so that layout lengths
// round in integers.
inline constexpr int kTwipsPerPixel = 15;

// A font's size in logical pixels: a point is 1/72 inch and a pixel 1/96, so
// the window's text keeps its size in pixels, as its layout does, whatever
// the display's reported resolution.
constexpr double pixelsOfPoints(double points)
{
    return points * 96.0 / 72.0;
}

// Where the chart's twips land on a raster of device pixels. Every surface
// that rasterises the chart (the window's image, the web page's canvas) puts
// lines, points and text through these same few rules, so that a point drawn
// at a line's coordinate lands on that line's pixels at any pixel ratio,
// whole or not. `ratio` is device pixels per logical pixel (kTwipsPerPixel
// twips).
namespace device_pixels {

// Coordinates further out than this are held here: far outside any surface,
// yet small enough for every rasteriser's integer arithmetic.
constexpr int kFarPixel = 1 << 22;

// The device pixel, counted from the surface's left (or top) edge, that holds
// the coordinate: the floor of twips x ratio / 15, so a pixel holds every
// coordinate from its own edge up to the next pixel's. NaN lands nowhere.
std::optional<int> pixelOf(float twips, double ratio);

// How many device pixels across a pen of `drawWidth` logical pixels is: the
// nearest whole number, never less than one.
int penWidth(int drawWidth, double ratio);

// The run of device pixels, along one axis, that a pen `penWidth` pixels wide
// covers for a line from pixel `from` to pixel `to` (the same pixel for a
// point). The pen is centred on the line, an even pen's extra pixel falling
// before it (left, above), and it covers both ends.
struct PixelRun {
    int first = 0;
    int count = 0;
    friend constexpr bool operator==(PixelRun, PixelRun) = default;
};
PixelRun penRun(int from, int to, int penWidth);

}  // namespace device_pixels
}  // namespace runtime
