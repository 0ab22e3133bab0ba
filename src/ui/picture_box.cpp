// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/picture_box.h"

#include <QImage>
#include <QPainter>
#include <qdrawutil.h>

#include "ui/focus_mark.h"

namespace ui {

PictureBox::PictureBox(QColor background, QWidget* parent)
    : QWidget(parent)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setContentsMargins(kBorder, kBorder, kBorder, kBorder);
}

void PictureBox::showImage(const QImage* image)
{
    image_ = image;
    update();
}

QRect PictureBox::innerRect() const
{
    return contentsRect();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (image_ && !image_->isNull()) {
        painter.save();
        painter.setClipRect(innerRect());
        painter.drawImage(innerRect().topLeft(), *image_);
        painter.restore();
    }
    // The sunken border of the desktop's scheme: shadow outside, dark inside.
    // The focus mark is as wide as the border and takes its place, so the
    // picture (the chart's image among them) keeps every pixel it shows.
    if (showsFocusMark(*this))
        drawFocusMark(*this, painter, rect(), focusHalo_);
    else
        qDrawWinPanel(&painter, rect(), palette(), /*sunken=*/true);
}

}  // namespace ui
