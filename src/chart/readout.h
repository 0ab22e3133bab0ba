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

// The hour under surface position (x, y), in twips, by the chart's own
// mapping; none outside the plot rectangle or on a chart with no axes.
std::optional<double> hourAt(const EscalaGrafica& scale, double x, double y);

// The sample of 1..NumPuntos whose time is nearest `hours` (the earlier on a
// tie). The samples run forward in time. NumPuntos must be set.
int nearestSample(const model::FormState& state, double hours);

// The sample nearest one hour later (hours = 1) or earlier (hours = -1).
int sampleHoursAway(const model::FormState& state, int sample, double hours);

}  // namespace chart
