#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QSize>

#include "runtime/drawing_surface.h"

namespace ui {

// The chart surface's drawing, kept in an image so that it outlives any repaint.
class QtSurface : public runtime::DrawingSurface {
public:
    QtSurface(QSize innerSizePixels, qreal devicePixelRatio);

    const QImage& image() const { return image_; }

    void Cls() override;
    float ScaleWidth() const override;
    float ScaleHeight() const override;
    void setDrawWidth(int pixels) override;
    void setForeColor(runtime::Rgb colour) override;
    void setFontSize(float points) override;
    void setFontBold(bool bold) override;
    void setCurrentX(float x) override { position_.setX(x); }
    void setCurrentY(float y) override { position_.setY(y); }
    float CurrentX() const override { return static_cast<float>(position_.x()); }
    float CurrentY() const override { return static_cast<float>(position_.y()); }
    void Line(float x1, float y1, float x2, float y2) override;
    void PSet(float x, float y) override;
    void Print(std::string_view text) override;

private:
    QSize size_;
    QImage image_;
    QPointF position_;
    QColor colour_ = Qt::black;
    int width_ = 1;
    QFont font_;
};

}  // namespace ui
