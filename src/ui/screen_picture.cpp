// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/screen_picture.h"

#include <QIcon>  // qt_findAtNxFile, Qt's own "@2x" lookup
#include <QImageReader>

namespace ui {

QImage readScreenPicture(const QString& path, const char* format, qreal ratio)
{
    qreal drawnFor = 1;
    QImageReader reader(qt_findAtNxFile(path, ratio, &drawnFor), format);
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    image.setDevicePixelRatio(drawnFor);
    return image;
}

}  // namespace ui
