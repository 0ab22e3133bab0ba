// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

namespace model {

// Number of samples of the day's curve, and the highest valid sample index.
inline constexpr int kSampleCount = 1000;

// NumPuntos, how many samples of the curve are in use: none before the first
// press of "Calcular", all kSampleCount from then on. It can hold nothing
// else, so a count that reads past the arrays cannot be made.
class SampleCount {
public:
    constexpr SampleCount() = default;
    static constexpr SampleCount all() { return SampleCount(true); }

    // Whether the curve has been sampled.
    constexpr explicit operator bool() const { return sampled_; }
    // 0 or kSampleCount: the samples 1..count() are the curve.
    constexpr int count() const { return sampled_ ? kSampleCount : 0; }

    friend constexpr bool operator==(SampleCount, SampleCount) = default;

private:
    constexpr explicit SampleCount(bool sampled) : sampled_(sampled) {}

    bool sampled_ = false;
};

// What the window keeps between presses of "Calcular": the sampled curve and
// the exposure parameters. Index 0 of both arrays is never written or read;
// the samples are 1..kSampleCount. The three exposure values are the boxes'
// 32-bit numbers exactly as typed, unrounded and unchecked (the skin type is
// judged by the dose, not here).
struct FormState {
    std::array<double, kSampleCount + 1> Tiempo{};    // hours since 0:00
    std::array<double, kSampleCount + 1> IndiceUV{};  // UV index at that hour
    SampleCount NumPuntos;                            // unset until the first press
    float HoraExposicion = 0.0f;
    float Duracion = 0.0f;
    float TipoPiel = 0.0f;
};

// The end of the exposure window. It is a 32-bit sum on purpose: start 12.7
// and duration 0.3 add up to exactly 13 as floats, so the 13:00 sample counts.
inline float exposureWindowEnd(const FormState& state)
{
    return state.HoraExposicion + state.Duracion;
}

// Whether sample time t lies in the exposure window, both ends included.
// The dose and the chart's shading use this same test.
inline bool insideExposureWindow(const FormState& state, double t)
{
    return t >= static_cast<double>(state.HoraExposicion)
        && t <= static_cast<double>(exposureWindowEnd(state));
}

}  // namespace model
