// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/readout.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "chart/uv_categories.h"
#include "runtime/device_pixels.h"
#include "runtime/number_format.h"

namespace chart {

std::string Readout::line1() const
{
    return hour;
}

std::string Readout::line2() const
{
    return "Índice UV " + index + ": " + std::string(category);
}

std::string Readout::line3() const
{
    return insideWindow ? "Dentro de la exposición" : "Fuera de la exposición";
}

std::string Readout::sentence() const
{
    return hour + ", índice UV " + index + ", " + std::string(category) + ", "
        + (insideWindow ? "dentro de la exposición" : "fuera de la exposición");
}

Readout readoutAt(const model::FormState& state, int sample, char decimalSeparator)
{
    const double t = state.Tiempo[static_cast<std::size_t>(sample)];
    const double v = state.IndiceUV[static_cast<std::size_t>(sample)];
    return Readout{
        sample,
        runtime::formatHourMinute(t / 24.0),
        runtime::formatNumber(v, runtime::NumberPattern::AxisLabel, decimalSeparator),
        categoryName(v),
        model::insideExposureWindow(state, t),
    };
}

namespace {

// Kept between `low` and `high`, the box's far edge included.
double kept(double start, double size, double low, double high)
{
    return std::max(low, std::min(start, high - size));
}

// The near side first, the far side where the near one has no room.
double sideOf(double at, double size, double gap, double low, double high)
{
    double start = at + gap;
    if (start + size > high)
        start = at - gap - size;
    return kept(start, size, low, high);
}

// A box under the finger would be under the hand too: above it always.
constexpr double kFingerGaps = 4;

}  // namespace

Area readoutBoxAt(const Area& plot, double guideX, double anchorY, double width, double height, double gap,
                  Anchor anchor)
{
    const double low = plot.top;
    const double high = plot.top + plot.height;
    const double top = anchor == Anchor::Finger ? kept(anchorY - kFingerGaps * gap - height, height, low, high)
                                                : sideOf(anchorY, height, gap, low, high);
    return {sideOf(guideX, width, gap, plot.left, plot.left + plot.width), top, width, height};
}

std::optional<double> hourAt(const EscalaGrafica& scale, double x, double y)
{
    if (scale.emptyRange() || x < scale.x0 || x > scale.x0 + scale.W || y < scale.y0 || y > scale.y0 + scale.H)
        return std::nullopt;
    return scale.Tmin + (scale.Tmax - scale.Tmin) * (x - scale.x0) / scale.W;
}

std::optional<double> hourAtPixel(const EscalaGrafica& scale, double x, double y)
{
    constexpr double kTwips = runtime::kTwipsPerPixel;
    return hourAt(scale, (std::floor(x) + 0.5) * kTwips, (std::floor(y) + 0.5) * kTwips);
}

int nearestSample(const model::FormState& state, double hours)
{
    const auto first = state.Tiempo.begin() + 1;
    const auto last = first + state.NumPuntos.count();
    const auto later = std::lower_bound(first, last, hours);
    if (later == first)
        return 1;
    auto nearest = std::prev(later);
    if (later != last && *later - hours < hours - *nearest)
        nearest = later;
    return static_cast<int>(nearest - state.Tiempo.begin());
}

int sampleHoursAway(const model::FormState& state, int sample, double hours)
{
    return nearestSample(state, state.Tiempo[static_cast<std::size_t>(sample)] + hours);
}

}  // namespace chart
