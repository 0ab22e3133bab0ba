// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/curve.h"

#include <cmath>

#include "uv/altitude.h"

namespace model {
namespace {

constexpr double kFirstHour = 6;
constexpr double kSpanHours = 14;
constexpr double kCentreHour = 13;
constexpr double kInnerWidth = 3.3;
constexpr double kOuterWidth = 5;
constexpr double kIndexPerDegree = 0.15;

}  // namespace

double correctedMaximum(float indiceMaximo, float diferenciaLatitud, float diferenciaAltitud)
{
    double maximum = indiceMaximo;
    maximum = maximum + diferenciaLatitud * kIndexPerDegree;
    maximum = maximum + ((maximum * diferenciaAltitud) * uv::kAltitudeGainPer1000m) / 1000;
    return maximum;
}

void sampleCurve(double maximum, FormState& state)
{
    const double step = kSpanHours / kSampleCount;
    for (int i = 1; i <= kSampleCount; ++i) {
        const double t = kFirstHour + step * i;
        const double d = t - kCentreHour;
        // Written as powers, as the curve is defined; pow(x, 2) is exact
        // squaring, and pow(x, 4) is not the same as squaring twice.
        const double e1 = std::exp(-std::pow(d / kInnerWidth, 2));
        const double e2 = std::exp(-std::pow(d / kOuterWidth, 4));
        state.Tiempo[i] = t;
        state.IndiceUV[i] = (maximum * e1) * e2;
    }
}

}  // namespace model
