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
class SvgSurface : public runtime::StatefulSurface {
public:
    SvgSurface(float widthTwips, float heightTwips);

    void Cls() override;
    float ScaleWidth() const override { return width_; }
    float ScaleHeight() const override { return height_; }
    void Line(float x1, float y1, float x2, float y2) override;
    void PSet(float x, float y) override;
    void Print(std::string_view text) override;

    // The whole document.
    std::string document() const;

private:
    float width_;
    float height_;
    std::string body_;
};

}  // namespace chart
