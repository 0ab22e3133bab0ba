// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/dose.h"

#include <array>

#include "runtime/number_format.h"

namespace model {
namespace {

struct SkinType {
    float tipoPiel;
    double divisor;
};

constexpr std::array<SkinType, 6> kSkinTypes = {{
    {1, 22.5}, {2, 32.5}, {3, 40}, {4, 52.5}, {5, 75}, {6, 120},
}};

// Applied one after the other; their product is 10.0008, not 10.
constexpr double kFirstFactor = 2.778;
constexpr double kSecondFactor = 3.6;

}  // namespace

double exposureIntegral(const FormState& state)
{
    double sum = 0;
    const int last = state.NumPuntos.count();
    for (int i = 2; i <= last - 1; ++i) {
        if (insideExposureWindow(state, state.Tiempo[i]))
            sum = sum + ((state.IndiceUV[i + 1] + state.IndiceUV[i]) / 2) * (state.Tiempo[i + 1] - state.Tiempo[i]);
    }
    return sum;
}

std::optional<double> skinTypeDivisor(float tipoPiel)
{
    for (const SkinType& row : kSkinTypes) {
        if (tipoPiel == row.tipoPiel)
            return row.divisor;
    }
    return std::nullopt;
}

std::optional<double> exposureInDoses(const FormState& state)
{
    const auto divisor = skinTypeDivisor(state.TipoPiel);
    if (!divisor)
        return std::nullopt;
    return ((exposureIntegral(state) * kFirstFactor) * kSecondFactor) / *divisor;
}

DoseOutcome Velmar(const FormState& state, char decimalSeparator)
{
    const auto doses = exposureInDoses(state);
    if (!doses)
        return DoseOutcome{};
    return DoseOutcome{runtime::formatNumber(*doses, runtime::NumberPattern::TwoDecimals, decimalSeparator)};
}

}  // namespace model
