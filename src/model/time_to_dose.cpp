// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/time_to_dose.h"

#include <algorithm>
#include <cmath>

#include "model/dose.h"

namespace model {

std::optional<int> minutesToDoses(FormState state, double doses)
{
    if (!skinTypeDivisor(state.TipoPiel) || !state.NumPuntos)
        return std::nullopt;
    // Past the last sample the dose no longer grows, so the search ends at the
    // first duration whose window reaches it.
    const double lastSample = state.Tiempo[state.NumPuntos.count()];
    const double minutesLeft = std::ceil((lastSample - state.HoraExposicion) * 60.0);
    if (!(minutesLeft >= 0))
        return std::nullopt;
    const int lastMinute = static_cast<int>(std::min(minutesLeft, 24.0 * 60.0));
    for (int minutes = 0; minutes <= lastMinute; ++minutes) {
        state.Duracion = static_cast<float>(minutes) / 60.0f;
        if (exposureInDoses(state).value_or(0) >= doses)
            return minutes;
    }
    return std::nullopt;
}

}  // namespace model
