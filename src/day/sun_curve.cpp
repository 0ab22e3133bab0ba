// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "day/sun_curve.h"

#include <span>

#include "model/curve.h"

namespace day {

using sky::DayShape;
using sky::sampleDayShape;

model::DaySampler sunSampler(const DayShape& shape)
{
    return [shape](double maximum, model::FormState& state) {
        model::sampleCurve(maximum, state);  // for Tiempo, which both shapes share
        sampleDayShape(shape, maximum, std::span(state.Tiempo).subspan(1), std::span(state.IndiceUV).subspan(1));
    };
}

}  // namespace day
