// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/qt_surface.h"

#include <QFontMetricsF>
#include <QString>

#include <cmath>
#include <optional>

#include "qt/utf8.h"
#include "runtime/device_pixels.h"

namespace qt {
namespace {

// The picture box's design font, with the faces that look most like it where
// it is not installed.
const QStringList kFontFamilies{"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial",
                                "DejaVu Sans"};

// 96 dpi, so a point is 4/3 of a logical pixel, 20 twips.
constexpr int kDotsPerMeter = 3780;

namespace snap = runtime::device_pixels;

std::optional<QPoint> devicePoint(float x, float y, qreal ratio)
{
    const std::optional<int> column = snap::pixelOf(x, ratio);
    const std::optional<int> row = snap::pixelOf(y, ratio);
    if (!column || !row)
        return std::nullopt;
    return QPoint(*column, *row);
}

// The pixels a pen covers from `a` to `b`, both ends included.
QRect penRect(QPoint a, QPoint b, int penWidth)
{
    const snap::PixelRun columns = snap::penRun(a.x(), b.x(), penWidth);
    const snap::PixelRun rows = snap::penRun(a.y(), b.y(), penWidth);
    return QRect(columns.first, rows.first, columns.count, rows.count);
}

QImage blankImage(float scaleWidth, float scaleHeight, qreal ratio)
{
    const double width = static_cast<double>(scaleWidth) / runtime::kTwipsPerPixel * ratio;
    const double height = static_cast<double>(scaleHeight) / runtime::kTwipsPerPixel * ratio;
    const QSize pixels(static_cast<int>(std::ceil(width)), static_cast<int>(std::ceil(height)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    image.fill(Qt::white);
    return image;
}

}  // namespace

QtSurface::QtSurface(float scaleWidth, float scaleHeight, qreal devicePixelRatio)
    : width_(scaleWidth), height_(scaleHeight), ratio_(devicePixelRatio)
{
    pen_.setCapStyle(Qt::SquareCap);
    pen_.setJoinStyle(Qt::MiterJoin);
    penChanged();
    font_.setFamilies(kFontFamilies);
    font_.setPointSizeF(state().fontSize);
}

QtSurface::~QtSurface()
{
    finishPainting();
}

QPainter& QtSurface::painter()
{
    if (!painter_.isActive()) {
        // The painter works in device pixels, where the coordinates are
        // snapped; only text is scaled up to the ratio (Print).
        makeImage();
        image_.setDevicePixelRatio(1);
        painter_.begin(&image_);
        // Lines and points as the picture box draws them: whole pixels, no blending.
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setRenderHint(QPainter::TextAntialiasing, true);
        painter_.setPen(pen_);
        painter_.setFont(font_);
    }
    return painter_;
}

void QtSurface::finishPainting() const
{
    if (painter_.isActive()) {
        painter_.end();
        image_.setDevicePixelRatio(ratio_);
    }
}

// Made when first needed, so a window that has drawn nothing yet has not
// paid for it at start-up.
void QtSurface::makeImage() const
{
    if (image_.isNull())
        image_ = blankImage(width_, height_, ratio_);
}

const QImage& QtSurface::image() const
{
    finishPainting();
    makeImage();
    return image_;
}

void QtSurface::Cls()
{
    finishPainting();
    if (image_.isNull())
        makeImage();
    else
        image_.fill(Qt::white);
    moveTo(0, 0);
}

void QtSurface::penChanged()
{
    const runtime::Rgb colour = state().colour;
    pen_.setColor(QColor(colour.r, colour.g, colour.b));
    pen_.setWidth(snap::penWidth(state().drawWidth, ratio_));
    if (painter_.isActive())
        painter_.setPen(pen_);
}

void QtSurface::applyFont()
{
    QPainter& p = painter();
    if (fontDirty_) {
        // Qt takes no size of zero or less; the last good one stays.
        if (state().fontSize > 0)
            font_.setPointSizeF(state().fontSize);
        font_.setBold(state().bold);
        p.setFont(font_);
        ascent_ = QFontMetricsF(font_, &image_).ascent();
        fontDirty_ = false;
    }
}

// Lines along an axis and points are filled as the pixel rule says; a slanted
// line is left to Qt's aliased pen, which covers the same pixels at its ends.
void QtSurface::Line(float x1, float y1, float x2, float y2)
{
    const qreal ratio = devicePixelRatio();
    const std::optional<QPoint> a = devicePoint(x1, y1, ratio);
    const std::optional<QPoint> b = devicePoint(x2, y2, ratio);
    if (!a || !b)
        return;
    if (a->x() == b->x() || a->y() == b->y())
        painter().fillRect(penRect(*a, *b, pen_.width()), pen_.color());
    else
        painter().drawLine(*a, *b);
}

void QtSurface::PSet(float x, float y)
{
    if (const std::optional<QPoint> at = devicePoint(x, y, devicePixelRatio()))
        painter().fillRect(penRect(*at, *at, pen_.width()), pen_.color());
}

void QtSurface::Print(std::string_view text)
{
    const qreal ratio = devicePixelRatio();
    const std::optional<QPoint> topLeft = devicePoint(state().currentX, state().currentY, ratio);
    if (!topLeft)
        return;
    applyFont();
    QPainter& p = painter();
    p.save();
    p.translate(*topLeft);
    p.scale(ratio, ratio);
    p.drawText(QPointF(0, ascent_), fromUtf8(text));
    p.restore();
}

void QtSurface::setDevicePixelRatio(qreal ratio)
{
    if (ratio <= 0 || ratio == ratio_)
        return;
    finishPainting();
    ratio_ = ratio;
    pen_.setWidth(snap::penWidth(state().drawWidth, ratio));
    fontDirty_ = true;
    if (image_.isNull())
        return;
    QImage rescaled = blankImage(width_, height_, ratio);
    {
        QPainter p(&rescaled);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(QPointF(0, 0), rescaled.deviceIndependentSize()), image_);
    }
    image_ = rescaled;
}

}  // namespace qt
