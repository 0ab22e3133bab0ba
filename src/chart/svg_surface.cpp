// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/svg_surface.h"

#include <array>
#include <charconv>
#include <cstdio>

#include "runtime/device_pixels.h"
#include "runtime/markup_text.h"

namespace chart {
namespace {

using runtime::kTwipsPerPixel;
constexpr float kTwipsPerPoint = 20;
// Where the baseline of a line of text lies below its top, as a fraction of
// the font size, for the sans-serif faces the chart is shown in.
constexpr float kAscent = 0.905f;

// Shortest text that reads back as the same float: the chart's coordinates
// go into the file unchanged.
std::string number(float value)
{
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string colourText(runtime::Rgb colour)
{
    std::array<char, 8> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "#%02x%02x%02x", colour.r, colour.g, colour.b);
    return buffer.data();
}

}  // namespace

SvgSurface::SvgSurface(float widthTwips, float heightTwips)
    : width_(widthTwips), height_(heightTwips)
{
}

void SvgSurface::Cls()
{
    body_.clear();
    moveTo(0, 0);
}

void SvgSurface::Line(float x1, float y1, float x2, float y2)
{
    body_ += "<line x1=\"" + number(x1) + "\" y1=\"" + number(y1) + "\" x2=\"" + number(x2) + "\" y2=\""
        + number(y2) + "\" stroke=\"" + colourText(state().colour) + "\" stroke-width=\""
        + number(static_cast<float>(state().drawWidth) * kTwipsPerPixel) + "\"/>\n";
    moveTo(x2, y2);
}

void SvgSurface::PSet(float x, float y)
{
    const float side = static_cast<float>(state().drawWidth) * kTwipsPerPixel;
    body_ += "<rect x=\"" + number(x - side / 2) + "\" y=\"" + number(y - side / 2) + "\" width=\""
        + number(side) + "\" height=\"" + number(side) + "\" fill=\"" + colourText(state().colour) + "\"/>\n";
    moveTo(x, y);
}

void SvgSurface::Print(std::string_view text)
{
    const runtime::DrawingState& now = state();
    const float size = now.fontSize * kTwipsPerPoint;
    body_ += "<text x=\"" + number(now.currentX) + "\" y=\"" + number(now.currentY + size * kAscent)
        + "\" font-size=\"" + number(size) + "\"" + (now.bold ? " font-weight=\"bold\"" : "") + " fill=\""
        + colourText(now.colour) + "\">" + runtime::escapedForMarkup(text) + "</text>\n";
}

std::string SvgSurface::document() const
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\""
        + number(width_ / kTwipsPerPixel) + "\" height=\"" + number(height_ / kTwipsPerPixel) + "\" viewBox=\"0 0 "
        + number(width_) + " " + number(height_)
        + "\" font-family=\"'MS Sans Serif', 'Liberation Sans', Arial, sans-serif\">\n"
          "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n"
        + body_ + "</svg>\n";
}

}  // namespace chart
