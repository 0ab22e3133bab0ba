#include "web/canvas_surface.h"

#include <algorithm>
#include <cmath>

#include "web/pixel_snap.h"

namespace web {

CanvasSurface::CanvasSurface(float scaleWidth, float scaleHeight, double devicePixelRatio)
    : width_(scaleWidth), height_(scaleHeight), ratio_(devicePixelRatio > 0 ? devicePixelRatio : 1)
{
    commands_.reserve(16384);
}

void CanvasSurface::Cls()
{
    commands_.clear();
    texts_.clear();
    commands_.insert(commands_.end(), {static_cast<float>(kClear), static_cast<float>(std::ceil(device(width_))),
                                       static_cast<float>(std::ceil(device(height_)))});
    currentX_ = 0;
    currentY_ = 0;
    penDirty_ = true;
}

void CanvasSurface::setDrawWidth(int pixels)
{
    const int width = std::max(pixels, 1);
    penDirty_ = penDirty_ || width != drawWidth_;
    drawWidth_ = width;
}

void CanvasSurface::setForeColor(runtime::Rgb colour)
{
    penDirty_ = penDirty_ || !(colour == colour_);
    colour_ = colour;
}

void CanvasSurface::emitPen()
{
    if (!penDirty_)
        return;
    commands_.insert(commands_.end(), {static_cast<float>(kPen), static_cast<float>(colour_.r),
                                       static_cast<float>(colour_.g), static_cast<float>(colour_.b),
                                       static_cast<float>(penPixels())});
    penDirty_ = false;
}

void CanvasSurface::Line(float x1, float y1, float x2, float y2)
{
    emitPen();
    const double pen = penPixels();
    commands_.insert(commands_.end(),
                     {static_cast<float>(kLine), static_cast<float>(snappedCentre(device(x1), pen)),
                      static_cast<float>(snappedCentre(device(y1), pen)),
                      static_cast<float>(snappedCentre(device(x2), pen)),
                      static_cast<float>(snappedCentre(device(y2), pen))});
}

void CanvasSurface::PSet(float x, float y)
{
    emitPen();
    const double pen = penPixels();
    commands_.insert(commands_.end(),
                     {static_cast<float>(kPoint), static_cast<float>(snappedStart(device(x), pen)),
                      static_cast<float>(snappedStart(device(y), pen)), static_cast<float>(pen)});
}

void CanvasSurface::Print(std::string_view text)
{
    emitPen();
    // A point is 4/3 of a pixel at 96 dpi.
    const double size = points_ * 96.0 / 72.0 * ratio_;
    commands_.insert(commands_.end(),
                     {static_cast<float>(kText), static_cast<float>(device(currentX_)),
                      static_cast<float>(device(currentY_)), static_cast<float>(size), bold_ ? 1.0f : 0.0f,
                      static_cast<float>(texts_.size()), static_cast<float>(text.size())});
    texts_.append(text);
}

}  // namespace web
