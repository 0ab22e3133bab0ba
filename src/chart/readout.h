// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "chart/escala_grafica.h"
#include "model/form_state.h"

namespace chart {

// What the chart says at one sample of the curve, in the user's words: the
// hour as the time labels write it, the index as the index labels do, its
// category by the shading's bounds, and whether the hour is in the exposure
// window by the shading's own test.
struct Readout {
    int sample = 1;
    std::string hour;
    std::string index;
    std::string_view category;
    bool insideWindow = false;

    // The lines shown beside the guide.
    std::string line1() const;
    std::string line2() const;
    std::string line3() const;
    // The same in one sentence, for a screen reader.
    std::string sentence() const;
};

Readout readoutAt(const model::FormState& state, int sample, char decimalSeparator);

// A rectangle on the chart, in any one unit (the window uses pixels).
struct Area {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// The pixels between the readout's box and the guide, or the point it stands by.
inline constexpr double kReadoutGap = 8;

// What the box stands by: a pointer, or the curve's point the keys go to,
// which it leaves uncovered below; or a finger, which would hide it there.
enum class Anchor { Pointer, Finger };

// Where the readout's box of `width` x `height` stands: `gap` beside the guide
// at `guideX`, on its right or, where the right has no room, on its left; `gap`
// below the pointer or point at `anchorY` or, where below has no room, above
// it; four gaps above a finger, clear of the fingertip, or as near that as the
// rectangle allows; and always inside the rectangle `plot` (the window's plot,
// so that the box never covers the axes' labels and the title around it).
// Only a plot smaller than the box puts the box at the plot's top-left corner.
Area readoutBoxAt(const Area& plot, double guideX, double anchorY, double width, double height, double gap,
                  Anchor anchor = Anchor::Pointer);

// The hour under surface position (x, y), in twips, by the chart's own
// mapping; none outside the plot rectangle or on a chart with no axes.
std::optional<double> hourAt(const EscalaGrafica& scale, double x, double y);

// The hour under the pixel at (x, y), counted in the chart's own pixels from
// its inner top-left corner: read at the pixel's centre, so that the hour
// under a pointer is the one the chart drew in that pixel.
std::optional<double> hourAtPixel(const EscalaGrafica& scale, double x, double y);

// The sample of 1..NumPuntos whose time is nearest `hours` (the earlier on a
// tie). The samples run forward in time. NumPuntos must be set.
int nearestSample(const model::FormState& state, double hours);

// The sample nearest one hour later (hours = 1) or earlier (hours = -1).
int sampleHoursAway(const model::FormState& state, int sample, double hours);

}  // namespace chart
