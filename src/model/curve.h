// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/form_state.h"

namespace model {

// The day's maximum carried over to the other locality: 0.15 UV index per
// degree of latitude, then 8.1 % of the latitude-corrected value per 1000 m
// of altitude. With both differences 0 it is the maximum itself.
double correctedMaximum(float indiceMaximo, float diferenciaLatitud, float diferenciaAltitud);

// Fills Tiempo(1..1000) and IndiceUV(1..1000) with the bell curve of the day:
// centred on 13:00, from 6.014 h to 20 h, peaking at `maximum`.
void sampleCurve(double maximum, FormState& state);

}  // namespace model
