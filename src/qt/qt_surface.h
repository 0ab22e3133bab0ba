// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>

#include "runtime/drawing_surface.h"

namespace qt {

// The chart's picture box: draws into an image of the box's inner area that
// keeps the chart until the next Cls, so the window only copies it to the
// screen when it is uncovered or restored. The chart works in twips; the image
// holds device pixels at the screen's pixel ratio so the chart stays sharp on
// high-density screens, and every coordinate (of lines, points and text alike)
// is snapped to those pixels by the one rule of runtime/device_pixels.h. Pen
// widths are in logical pixels (15 twips, as at 96 dpi). Text needs the
// QGuiApplication to exist.
class QtSurface final : public runtime::StatefulSurface {
public:
    // `scaleWidth` x `scaleHeight` twips of inner area, white after creation.
    QtSurface(float scaleWidth, float scaleHeight, qreal devicePixelRatio = 1);
    ~QtSurface() override;
    QtSurface(const QtSurface&) = delete;
    QtSurface& operator=(const QtSurface&) = delete;

    void Cls() override;
    float ScaleWidth() const override { return width_; }
    float ScaleHeight() const override { return height_; }

    void Line(float x1, float y1, float x2, float y2) override;
    void PSet(float x, float y) override;
    void Print(std::string_view text) override;

    // The drawing so far, ready to be copied to the screen.
    const QImage& image() const;

    // For a move to a screen of another pixel ratio: the drawing is kept,
    // rescaled, until the chart is next drawn.
    void setDevicePixelRatio(qreal ratio);
    qreal devicePixelRatio() const { return ratio_; }

private:
    void penChanged() override;
    void fontChanged() override { fontDirty_ = true; }
    QPainter& painter();
    void finishPainting() const;
    void makeImage() const;
    void applyFont();

    float width_;
    float height_;
    qreal ratio_;
    // While the painter is open the image's own ratio is 1, so the painter
    // works in device pixels.
    mutable QImage image_;
    // Opening a painter for every line would cost more than the line, so one
    // stays open while the chart draws and is closed whenever the image is read.
    mutable QPainter painter_;
    QPen pen_;  // the state's pen, its width in device pixels
    // The state's font, brought up to date when text is next drawn.
    QFont font_;
    qreal ascent_ = 0;  // of font_, in logical pixels
    bool fontDirty_ = true;
};

}  // namespace qt
