// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/png_file.h"

#include <QBuffer>
#include <QImage>

namespace qt {

runtime::SaveOutcome savePng(const QImage& image, const std::string& path, runtime::FileCalls& calls)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {false, "no se pudo codificar la imagen PNG"};
    return runtime::saveTextFile(path, std::string_view(png.constData(), static_cast<std::size_t>(png.size())), calls);
}

}  // namespace qt
