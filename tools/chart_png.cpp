// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the chart of the window's start-up example (maximum 10, start 11 h,
// duration 2 h) as the window would show it, to a PNG file:
//   chart-png out.png [--scale RATIO]
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdio>

#include "chart/chart_size.h"
#include "chart/grafica_indice.h"
#include "model/calcular.h"
#include "qt/qt_surface.h"

namespace {

int usage()
{
    std::fputs("uso: chart-png SALIDA.png [--scale PROPORCION]\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    QString output;
    qreal scale = 1;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--scale" && i + 1 < args.size()) {
            bool ok = false;
            scale = args[++i].toDouble(&ok);
            if (!ok || scale <= 0 || scale > 8)
                return usage();
        } else if (output.isEmpty()) {
            output = args[i];
        } else {
            return usage();
        }
    }
    if (output.isEmpty())
        return usage();

    model::FormState state;
    model::Calcular({"10", "11", "2", "3", "0", "0"}, '.', state);

    qt::QtSurface surface(chart::kChartWidthTwips, chart::kChartHeightTwips, scale);
    chart::GraficaIndice(state, surface, chart::kFormScaleHeight, '.');
    if (!surface.image().save(output, "PNG")) {
        std::fprintf(stderr, "no se pudo escribir %s\n", output.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
