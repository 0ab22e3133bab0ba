// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>

namespace ui {

// The picture at `path` as drawn for a screen of pixel ratio `ratio`: by Qt's
// naming, banner@2x.bmp beside banner.bmp is the same picture drawn twice as
// dense, and the densest one drawn up to the ratio (rounded up) is taken. The
// image carries the ratio it was drawn for, so it covers the same area of the
// window whichever is taken. The reader is told the format and not to guess,
// which keeps it from loading and probing every image plugin.
QImage readScreenPicture(const QString& path, const char* format, qreal ratio);

}  // namespace ui
