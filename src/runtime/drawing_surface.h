// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace runtime {

// An RGB colour as the chart names it: RGB(192, 0, 0) and so on.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// The picture box the chart draws on, reduced to the operations the chart
// uses. Coordinates are twips (15 to a pixel at 96 dpi), origin at the top-left
// corner of the inner area, y growing downwards. The pen width is in pixels.
// Everything the chart is drawn onto implements it (a raster image, a document,
// the page's canvas, a test's record of the operations); the chart never knows
// which one it has.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Fills the inner area with the background and moves the position to (0, 0).
    virtual void Cls() = 0;
    virtual float ScaleWidth() const = 0;
    virtual float ScaleHeight() const = 0;

    virtual void setDrawWidth(int pixels) = 0;
    virtual void setForeColor(Rgb colour) = 0;
    virtual void setFontSize(float points) = 0;
    virtual void setFontBold(bool bold) = 0;

    virtual void setCurrentX(float x) = 0;
    virtual void setCurrentY(float y) = 0;
    virtual float CurrentX() const = 0;
    virtual float CurrentY() const = 0;

    // A straight line in the current colour and pen width.
    virtual void Line(float x1, float y1, float x2, float y2) = 0;
    // One point in the current colour and pen width.
    virtual void PSet(float x, float y) = 0;
    // Text in the current font and colour, its top-left corner at the current position.
    virtual void Print(std::string_view text) = 0;
};

// What a surface draws with, as the chart last set it.
struct DrawingState {
    float currentX = 0;
    float currentY = 0;
    int drawWidth = 1;       // pixels, never less than one
    Rgb colour{};            // black
    float fontSize = 9.75f;  // points: the picture box's design font
    bool bold = false;
};

// The settings every surface keeps, kept here once: the setters only store
// and the getters only read, and a surface reads state() when it draws. One
// that builds something of its own from the pen or the font (a pen object, a
// font's metrics) is told through penChanged and fontChanged, which are called
// only when a value really changes.
class StatefulSurface : public DrawingSurface {
public:
    void setDrawWidth(int pixels) final
    {
        const int width = std::max(pixels, 1);
        if (width != state_.drawWidth) {
            state_.drawWidth = width;
            penChanged();
        }
    }
    void setForeColor(Rgb colour) final
    {
        if (colour != state_.colour) {
            state_.colour = colour;
            penChanged();
        }
    }
    void setFontSize(float points) final
    {
        if (points != state_.fontSize) {
            state_.fontSize = points;
            fontChanged();
        }
    }
    void setFontBold(bool bold) final
    {
        if (bold != state_.bold) {
            state_.bold = bold;
            fontChanged();
        }
    }

    void setCurrentX(float x) final { state_.currentX = x; }
    void setCurrentY(float y) final { state_.currentY = y; }
    float CurrentX() const final { return state_.currentX; }
    float CurrentY() const final { return state_.currentY; }

protected:
    const DrawingState& state() const { return state_; }
    // For Cls, and for a surface whose drawing moves the position.
    void moveTo(float x, float y)
    {
        state_.currentX = x;
        state_.currentY = y;
    }

    virtual void penChanged() {}
    virtual void fontChanged() {}

private:
    DrawingState state_;
};

}  // namespace runtime
