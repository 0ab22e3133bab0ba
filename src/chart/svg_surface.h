// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "runtime/drawing_surface.h"

namespace chart {

// A drawing surface that writes SVG: the chart's own twips are the user
// units, so every coordinate is the chart's exactly, and texts stay texts.
// The image is as large as the picture box on a 96 dpi screen.
class SvgSurface : public runtime::DrawingSurface {
public:
    SvgSurface(float widthTwips, float heightTwips);

    void Cls() override;
    float ScaleWidth() const override { return width_; }
    float ScaleHeight() const override { return height_; }
    void setDrawWidth(int pixels) override { drawWidth_ = pixels; }
    void setForeColor(runtime::Rgb colour) override { colour_ = colour; }
    void setFontSize(float points) override { fontSize_ = points; }
    void setFontBold(bool bold) override { bold_ = bold; }
    void setCurrentX(float x) override { currentX_ = x; }
    void setCurrentY(float y) override { currentY_ = y; }
    float CurrentX() const override { return currentX_; }
    float CurrentY() const override { return currentY_; }
    void Line(float x1, float y1, float x2, float y2) override;
    void PSet(float x, float y) override;
    void Print(std::string_view text) override;

    // The whole document.
    std::string document() const;

private:
    float width_;
    float height_;
    std::string body_;
    int drawWidth_ = 1;
    runtime::Rgb colour_{};
    float fontSize_ = 9.75f;
    bool bold_ = false;
    float currentX_ = 0;
    float currentY_ = 0;
};

}  // namespace chart
