// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/canvas_surface.h"

#include <cmath>

#include "runtime/device_pixels.h"

namespace web {

// The same pixel rule as the window's surface.
namespace device_pixels = runtime::device_pixels;

CanvasSurface::CanvasSurface(float scaleWidth, float scaleHeight, double devicePixelRatio)
    : width_(scaleWidth), height_(scaleHeight), ratio_(devicePixelRatio > 0 ? devicePixelRatio : 1)
{
    commands_.reserve(16384);
}

void CanvasSurface::Cls()
{
    commands_.clear();
    texts_.clear();
    // The canvas's size in device pixels: its size on the page times the ratio,
    // rounded, as the browser would round it.
    commands_.insert(commands_.end(), {static_cast<float>(kClear), static_cast<float>(std::lround(device(width_))),
                                       static_cast<float>(std::lround(device(height_)))});
    moveTo(0, 0);
    penDirty_ = true;
}

void CanvasSurface::emitPen()
{
    if (!penDirty_)
        return;
    const runtime::Rgb colour = state().colour;
    commands_.insert(commands_.end(), {static_cast<float>(kPen), static_cast<float>(colour.r),
                                       static_cast<float>(colour.g), static_cast<float>(colour.b),
                                       static_cast<float>(device_pixels::penWidth(state().drawWidth, ratio_))});
    penDirty_ = false;
}

// The pixels a pen covers from pixel (x1, y1) to pixel (x2, y2), ends included.
void CanvasSurface::emitRect(int x1, int y1, int x2, int y2)
{
    const int pen = device_pixels::penWidth(state().drawWidth, ratio_);
    const device_pixels::PixelRun columns = device_pixels::penRun(x1, x2, pen);
    const device_pixels::PixelRun rows = device_pixels::penRun(y1, y2, pen);
    commands_.insert(commands_.end(), {static_cast<float>(kRect), static_cast<float>(columns.first),
                                       static_cast<float>(rows.first), static_cast<float>(columns.count),
                                       static_cast<float>(rows.count)});
}

void CanvasSurface::Line(float x1, float y1, float x2, float y2)
{
    const auto ax = device_pixels::pixelOf(x1, ratio_);
    const auto ay = device_pixels::pixelOf(y1, ratio_);
    const auto bx = device_pixels::pixelOf(x2, ratio_);
    const auto by = device_pixels::pixelOf(y2, ratio_);
    if (!ax || !ay || !bx || !by)
        return;
    emitPen();
    if (*ax == *bx || *ay == *by) {
        emitRect(*ax, *ay, *bx, *by);
        return;
    }
    commands_.insert(commands_.end(), {static_cast<float>(kLine), *ax + 0.5f, *ay + 0.5f, *bx + 0.5f, *by + 0.5f});
}

void CanvasSurface::PSet(float x, float y)
{
    const auto px = device_pixels::pixelOf(x, ratio_);
    const auto py = device_pixels::pixelOf(y, ratio_);
    if (!px || !py)
        return;
    emitPen();
    emitRect(*px, *py, *px, *py);
}

void CanvasSurface::Print(std::string_view text)
{
    const auto px = device_pixels::pixelOf(state().currentX, ratio_);
    const auto py = device_pixels::pixelOf(state().currentY, ratio_);
    if (!px || !py)
        return;
    emitPen();
    const double size = runtime::pixelsOfPoints(state().fontSize) * ratio_;
    commands_.insert(commands_.end(),
                     {static_cast<float>(kText), static_cast<float>(*px), static_cast<float>(*py),
                      static_cast<float>(size), state().bold ? 1.0f : 0.0f, static_cast<float>(texts_.size()),
                      static_cast<float>(text.size())});
    texts_.append(text);
}

}  // namespace web
