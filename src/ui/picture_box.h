// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QWidget>

#include "layout/layout.h"

class QImage;

namespace ui {

// A picture box: a 2-pixel sunken border around an inner area filled with the
// background, and an image drawn at its natural size at the inner area's
// top-left corner, cut at the inner area's edges. The image is not owned: the
// chart surface draws into its own image and the box shows it as it is now.
// It takes the focus by Tab and by a click; while the keyboard's focus is on
// it, the focus mark takes the border's place, outside the image.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    static constexpr int kBorder = layout::kPictureBoxBorder;

    PictureBox(QColor background, QWidget* parent = nullptr);

    void showImage(const QImage* image);
    // The mark's halo over the image's edge, for a picture that may be dark
    // there; the chart goes without, as its pixels are never drawn over.
    void setFocusHalo(bool halo) { focusHalo_ = halo; }
    const QImage* image() const { return image_; }

    // The inner area, in the box's own pixels.
    QRect innerRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage* image_ = nullptr;
    bool focusHalo_ = false;
};

}  // namespace ui
