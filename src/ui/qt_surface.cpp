#include "ui/qt_surface.h"

#include <QPainter>

namespace ui {
namespace {
constexpr qreal kTwipsPerPixel = 15;
}

QtSurface::QtSurface(QSize innerSizePixels, qreal devicePixelRatio)
    : size_(innerSizePixels)
    , image_(innerSizePixels * devicePixelRatio, QImage::Format_RGB32)
{
    image_.setDevicePixelRatio(devicePixelRatio);
    image_.fill(Qt::white);
}

void QtSurface::Cls()
{
    image_.fill(Qt::white);
    position_ = {};
}

float QtSurface::ScaleWidth() const { return static_cast<float>(size_.width() * kTwipsPerPixel); }
float QtSurface::ScaleHeight() const { return static_cast<float>(size_.height() * kTwipsPerPixel); }
void QtSurface::setDrawWidth(int pixels) { width_ = pixels; }
void QtSurface::setForeColor(runtime::Rgb c) { colour_ = QColor(c.r, c.g, c.b); }
void QtSurface::setFontSize(float points) { font_.setPointSizeF(points); }
void QtSurface::setFontBold(bool bold) { font_.setBold(bold); }

void QtSurface::Line(float x1, float y1, float x2, float y2)
{
    QPainter p(&image_);
    p.setPen(QPen(colour_, width_));
    p.drawLine(QPointF(x1, y1) / kTwipsPerPixel, QPointF(x2, y2) / kTwipsPerPixel);
    position_ = {x2, y2};
}

void QtSurface::PSet(float x, float y)
{
    QPainter p(&image_);
    p.setPen(QPen(colour_, width_));
    p.drawPoint(QPointF(x, y) / kTwipsPerPixel);
    position_ = {x, y};
}

void QtSurface::Print(std::string_view text)
{
    QPainter p(&image_);
    p.setPen(colour_);
    p.setFont(font_);
    p.drawText(QRectF(position_ / kTwipsPerPixel, QSizeF(size_)), QString::fromUtf8(text.data(), text.size()));
}

}  // namespace ui
