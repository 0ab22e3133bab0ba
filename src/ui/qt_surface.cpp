// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt_surface.h"

#include <QFontMetricsF>
#include <QString>

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

// The picture box's design font, with the faces that look most like it where
// it is not installed.
const QStringList kFontFamilies{"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial",
                                "DejaVu Sans"};
constexpr qreal kDesignFontSize = 9.75;

// 96 dpi, so a point is 4/3 of a logical pixel, 20 twips.
constexpr int kDotsPerMeter = 3780;

QPointF toPixels(float x, float y)
{
    return {x / QtSurface::kTwipsPerPixel, y / QtSurface::kTwipsPerPixel};
}

QImage blankImage(float scaleWidth, float scaleHeight, qreal ratio)
{
    const QSize pixels(static_cast<int>(std::ceil(scaleWidth / QtSurface::kTwipsPerPixel * ratio)),
                       static_cast<int>(std::ceil(scaleHeight / QtSurface::kTwipsPerPixel * ratio)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    image.fill(Qt::white);
    return image;
}

}  // namespace

QtSurface::QtSurface(float scaleWidth, float scaleHeight, qreal devicePixelRatio)
    : width_(scaleWidth), height_(scaleHeight), image_(blankImage(scaleWidth, scaleHeight, devicePixelRatio))
{
    pen_.setColor(Qt::black);
    pen_.setWidthF(1);
    pen_.setCapStyle(Qt::SquareCap);
    pen_.setJoinStyle(Qt::MiterJoin);
    font_.setFamilies(kFontFamilies);
    font_.setPointSizeF(kDesignFontSize);
}

QtSurface::~QtSurface()
{
    finishPainting();
}

QPainter& QtSurface::painter()
{
    if (!painter_.isActive()) {
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
    if (painter_.isActive())
        painter_.end();
}

const QImage& QtSurface::image() const
{
    finishPainting();
    return image_;
}

void QtSurface::Cls()
{
    finishPainting();
    image_.fill(Qt::white);
    currentX_ = 0;
    currentY_ = 0;
}

void QtSurface::setDrawWidth(int pixels)
{
    pen_.setWidthF(std::max(pixels, 1));
    if (painter_.isActive())
        painter_.setPen(pen_);
}

void QtSurface::setForeColor(runtime::Rgb colour)
{
    pen_.setColor(QColor(colour.r, colour.g, colour.b));
    if (painter_.isActive())
        painter_.setPen(pen_);
}

void QtSurface::setFontSize(float points)
{
    if (points > 0 && font_.pointSizeF() != points) {
        font_.setPointSizeF(points);
        fontDirty_ = true;
    }
}

void QtSurface::setFontBold(bool bold)
{
    if (font_.bold() != bold) {
        font_.setBold(bold);
        fontDirty_ = true;
    }
}

void QtSurface::applyFont()
{
    QPainter& p = painter();
    if (fontDirty_) {
        p.setFont(font_);
        ascent_ = QFontMetricsF(font_, &image_).ascent();
        fontDirty_ = false;
    }
}

void QtSurface::Line(float x1, float y1, float x2, float y2)
{
    painter().drawLine(toPixels(x1, y1), toPixels(x2, y2));
}

void QtSurface::PSet(float x, float y)
{
    painter().drawPoint(toPixels(x, y));
}

void QtSurface::Print(std::string_view text)
{
    applyFont();
    const QPointF topLeft = toPixels(currentX_, currentY_);
    painter().drawText(QPointF(topLeft.x(), topLeft.y() + ascent_),
                       QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void QtSurface::setDevicePixelRatio(qreal ratio)
{
    if (ratio <= 0 || ratio == image_.devicePixelRatio())
        return;
    finishPainting();
    QImage rescaled = blankImage(width_, height_, ratio);
    {
        QPainter p(&rescaled);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(QPointF(0, 0), rescaled.deviceIndependentSize()), image_);
    }
    image_ = rescaled;
    fontDirty_ = true;
}

}  // namespace ui
