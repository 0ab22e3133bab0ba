// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "runtime/device_pixels.h"
#include "runtime/drawing_surface.h"

namespace web {

// The chart's picture box on the page: records what the chart draws as a list
// of canvas operations in device pixels, which the page replays onto its
// <canvas> in one go (one call out of WebAssembly per chart, not one per line).
// Everything lands on whole device pixels by the window's own rule
// (runtime/device_pixels.h): lines along
// an axis and points become filled pixel rectangles, a slanted line runs
// between the centres of its end pixels, text starts on a pixel.
class CanvasSurface final : public runtime::StatefulSurface {
public:
    // The operations, each followed by its numbers in `commands()`.
    enum Op : int {
        kClear = 1,  // width, height (device pixels)
        kPen,        // r, g, b, width (device pixels)
        kLine,       // x1, y1, x2, y2: a slanted line, between pixel centres
        kRect,       // x, y, width, height: whole pixels filled in the pen's colour
        kText,       // x, y (top-left pixel), size (device pixels), bold, offset and length in texts()
    };

    // How many numbers follow each operation; the page steps over them by it.
    static constexpr int operandCount(Op op)
    {
        switch (op) {
        case kClear: return 2;
        case kPen: return 4;
        case kLine: return 4;
        case kRect: return 4;
        case kText: return 6;
        }
        return 0;
    }

    CanvasSurface(float scaleWidth, float scaleHeight, double devicePixelRatio);

    void setDevicePixelRatio(double ratio) { ratio_ = ratio > 0 ? ratio : 1; }
    double devicePixelRatio() const { return ratio_; }

    void Cls() override;
    float ScaleWidth() const override { return width_; }
    float ScaleHeight() const override { return height_; }

    void Line(float x1, float y1, float x2, float y2) override;
    void PSet(float x, float y) override;
    void Print(std::string_view text) override;

    const std::vector<float>& commands() const { return commands_; }
    const std::string& texts() const { return texts_; }

private:
    double device(float twips) const { return static_cast<double>(twips) / runtime::kTwipsPerPixel * ratio_; }
    void penChanged() override { penDirty_ = true; }
    void emitPen();
    void emitRect(int x1, int y1, int x2, int y2);

    float width_;
    float height_;
    double ratio_;
    bool penDirty_ = true;
    std::vector<float> commands_;
    std::string texts_;
};

}  // namespace web
