// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/chart_export.h"

#include <QBuffer>
#include <QImage>

#include "chart/grafica_indice.h"
#include "cli/svg_surface.h"
#include "runtime/text_file.h"
#include "ui/qt_surface.h"

namespace cli {
namespace {

// The picture box the window draws the chart in, and the window's inner
// height that sets the tick length: the exported chart is the window's.
constexpr float kChartWidthTwips = 8115;
constexpr float kChartHeightTwips = 5715;
constexpr float kFormScaleHeight = 9615;

std::string saveBytes(std::string_view bytes, const std::string& file)
{
    runtime::TextFileWriter writer(file);
    writer.append(bytes);
    const runtime::SaveOutcome outcome = writer.save();
    return outcome.saved ? std::string() : outcome.reason;
}

}  // namespace

std::string savePng(const model::FormState& state, const std::string& file, char decimalSeparator, int scale)
{
    ui::QtSurface surface(kChartWidthTwips, kChartHeightTwips, scale);
    chart::GraficaIndice(state, surface, kFormScaleHeight, decimalSeparator);

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!surface.image().save(&buffer, "PNG"))
        return "no se pudo codificar la imagen PNG";
    return saveBytes(std::string_view(png.constData(), static_cast<std::size_t>(png.size())), file);
}

std::string saveSvg(const model::FormState& state, const std::string& file, char decimalSeparator)
{
    SvgSurface surface(kChartWidthTwips, kChartHeightTwips);
    chart::GraficaIndice(state, surface, kFormScaleHeight, decimalSeparator);
    return saveBytes(surface.document(), file);
}

}  // namespace cli
