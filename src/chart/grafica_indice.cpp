// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/grafica_indice.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "chart/uv_categories.h"
#include "runtime/number_format.h"

namespace chart {
namespace {

using runtime::DrawingSurface;
using runtime::Rgb;

constexpr Rgb kTitleColour{192, 0, 0};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

constexpr int kTimeTicks = 7;    // intervals: 8 ticks from the first to the last sample time
constexpr int kIndexTicks = 6;   // intervals: 7 ticks from the bottom to the top edge
constexpr int kGridColumns = 30;

// The surface takes 32-bit coordinates. An extreme but valid curve can map a
// point far off the surface: the zero level of the shading lies thousands of
// heights below the plot when the data minimum is just under the maximum, and
// an infinite maximum leaves no position at all (inf / inf). Every coordinate
// passes here on its way to the surface: values are kept within a range that
// is still far outside the surface (so a clipped line keeps its direction
// where it is visible) and that any painter handles comfortably.
constexpr double kCoordinateLimit = 1.0e7;

float toSurface(double v)
{
    if (std::isnan(v))
        return 0.0f;
    return static_cast<float>(std::clamp(v, -kCoordinateLimit, kCoordinateLimit));
}

struct Point {
    double x;
    double y;
};

// A line with an end that has no position is left out rather than drawn to a
// made-up place.
void drawLine(DrawingSurface& surface, Point a, Point b)
{
    if (std::isnan(a.x) || std::isnan(a.y) || std::isnan(b.x) || std::isnan(b.y))
        return;
    surface.Line(toSurface(a.x), toSurface(a.y), toSurface(b.x), toSurface(b.y));
}

void setPosition(DrawingSurface& surface, double x, double y)
{
    surface.setCurrentX(toSurface(x));
    surface.setCurrentY(toSurface(y));
}

Point samplePoint(const model::FormState& state, const EscalaGrafica& e, int i)
{
    return {e.x(state.Tiempo[i]), e.y(state.IndiceUV[i])};
}

void drawTitle(DrawingSurface& surface)
{
    surface.setFontSize(18);
    surface.setForeColor(kTitleColour);
    surface.setCurrentX(toSurface(static_cast<double>(surface.ScaleWidth()) * 0.35));
    surface.setCurrentY(0);
    surface.Print("Indice Ultravioleta");
}

void drawFrame(DrawingSurface& surface, const EscalaGrafica& e)
{
    surface.setFontBold(false);
    surface.setForeColor(kBlack);
    const double right = e.x0 + e.W;
    const double bottom = e.y0 + e.H;
    drawLine(surface, {e.x0, e.y0}, {right, e.y0});
    drawLine(surface, {e.x0, e.y0}, {e.x0, bottom});
    drawLine(surface, {right, e.y0}, {right, bottom});
    drawLine(surface, {e.x0, bottom}, {right, bottom});
}

// Vertical lines from the curve down to index 0, one at each sample of the
// window but the last, in the colour of the sample that follows it.
void shadeExposureWindow(DrawingSurface& surface, const model::FormState& state, const EscalaGrafica& e,
                         int samples)
{
    const double zeroLevel = e.y(0);
    std::optional<Point> previous;
    for (int i = 2; i <= samples; ++i) {
        if (!model::insideExposureWindow(state, state.Tiempo[i]))
            continue;
        surface.setForeColor(categoryColour(state.IndiceUV[i]));
        if (previous)
            drawLine(surface, *previous, {previous->x, zeroLevel});
        previous = samplePoint(state, e, i);
    }
}

void drawCurve(DrawingSurface& surface, const model::FormState& state, const EscalaGrafica& e, int samples)
{
    surface.setDrawWidth(2);
    surface.setForeColor(kBlue);
    if (samples < 1)
        return;
    Point previous = samplePoint(state, e, 1);
    for (int i = 2; i <= samples; ++i) {
        const Point next = samplePoint(state, e, i);
        drawLine(surface, previous, next);
        previous = next;
    }
}

// A tick from the current position, `dx`, `dy` away.
void tickFromCurrentPosition(DrawingSurface& surface, double dx, double dy)
{
    const double x = surface.CurrentX();
    const double y = surface.CurrentY();
    drawLine(surface, {x, y}, {x + dx, y + dy});
}

void drawTimeAxis(DrawingSurface& surface, const EscalaGrafica& e, float tick)
{
    const double bottom = e.y0 + e.H;
    for (int i = 0; i <= kTimeTicks; ++i) {
        const double xi = e.x0 + e.W * i / kTimeTicks;
        setPosition(surface, xi, bottom);
        tickFromCurrentPosition(surface, 0, -static_cast<double>(tick));
        setPosition(surface, xi, e.y0 + tick);
        tickFromCurrentPosition(surface, 0, -static_cast<double>(tick));

        setPosition(surface, xi - 2 * static_cast<double>(tick), bottom + 0.9 * tick);
        const double hour = e.Tmin + (e.Tmax - e.Tmin) * i / kTimeTicks;
        surface.Print(runtime::formatHourMinute(hour / 24));
    }
}

void drawTimeAxisTitle(DrawingSurface& surface)
{
    setPosition(surface, static_cast<double>(surface.ScaleWidth()) * 0.42,
                static_cast<double>(surface.ScaleHeight()) * 0.94);
    surface.setFontSize(12);
    surface.setFontBold(true);
    surface.Print("Tiempo (Hr)");
    surface.setFontBold(false);
}

double indexTickY(const EscalaGrafica& e, int j)
{
    return e.y0 + e.H - e.H * j / kIndexTicks;
}

void drawIndexAxis(DrawingSurface& surface, const EscalaGrafica& e, float tick, char decimalSeparator)
{
    for (int j = 0; j <= kIndexTicks; ++j) {
        const double yj = indexTickY(e, j);
        setPosition(surface, e.x0, yj);
        tickFromCurrentPosition(surface, tick, 0);
        surface.setCurrentY(toSurface(yj));
        surface.setCurrentX(toSurface(e.x0 + e.W));
        tickFromCurrentPosition(surface, -static_cast<double>(tick), 0);

        setPosition(surface, e.x0 - 6 * static_cast<double>(tick), yj - tick);
        const double value = e.Vmin + (e.Vtop - e.Vmin) * j / kIndexTicks;
        surface.Print(runtime::formatNumber(value, runtime::NumberPattern::AxisLabel, decimalSeparator));
    }
}

// Drawn last, over the curve and the shading.
void drawGrid(DrawingSurface& surface, const EscalaGrafica& e)
{
    surface.setDrawWidth(1);
    for (int j = 0; j <= kIndexTicks; ++j) {
        const float y = toSurface(indexTickY(e, j));
        for (int k = 1; k <= kGridColumns; ++k)
            surface.PSet(toSurface(e.x0 + e.W * k / kGridColumns), y);
    }
}

}  // namespace

EscalaGrafica GraficaIndice(const model::FormState& state, runtime::DrawingSurface& Indice, float formScaleHeight,
                            char decimalSeparator)
{
    Indice.Cls();
    const EscalaGrafica e = escalaGrafica(state, Indice.ScaleWidth(), Indice.ScaleHeight());
    Indice.setDrawWidth(1);
    drawTitle(Indice);
    drawFrame(Indice, e);
    if (e.emptyRange())
        return e;

    const int samples = state.NumPuntos.count();
    shadeExposureWindow(Indice, state, e, samples);
    drawCurve(Indice, state, e, samples);

    Indice.setFontSize(12);
    Indice.setDrawWidth(1);
    // The tick length follows the window's height, not the chart's.
    const auto tick = static_cast<float>(static_cast<double>(formScaleHeight) / 90);
    drawTimeAxis(Indice, e, tick);
    drawTimeAxisTitle(Indice);
    drawIndexAxis(Indice, e, tick, decimalSeparator);
    drawGrid(Indice, e);
    return e;
}

}  // namespace chart
