// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/sunscreen.h"

#include <charconv>
#include <cmath>

#include "model/dose.h"
#include "model/time_to_dose.h"
#include "runtime/number_text.h"

namespace model {

const SunscreenAmountRow& amountRow(SunscreenAmount amount)
{
    for (const SunscreenAmountRow& row : kSunscreenAmounts) {
        if (row.amount == amount)
            return row;
    }
    return kSunscreenAmounts.front();
}

std::optional<SunscreenAmount> amountFromToken(std::string_view token)
{
    for (const SunscreenAmountRow& row : kSunscreenAmounts) {
        if (row.token == token)
            return row.amount;
    }
    return std::nullopt;
}

bool isSunscreenFactor(int fps)
{
    return fps >= kLowestFps && fps <= kHighestFps;
}

std::optional<int> sunscreenFactorFromText(std::string_view text)
{
    text = runtime::trimBlanks(text);
    int fps = 0;
    const auto [stop, failed] = std::from_chars(text.data(), text.data() + text.size(), fps);
    if (failed != std::errc{} || stop != text.data() + text.size() || !isSunscreenFactor(fps))
        return std::nullopt;
    return fps;
}

double effectiveFps(Sunscreen sunscreen)
{
    return std::pow(static_cast<double>(sunscreen.fps), amountRow(sunscreen.amount).mgPerCm2 / kTestedMgPerCm2);
}

std::optional<ProtectedExposure> protectExposure(const FormState& state, Sunscreen sunscreen)
{
    const auto doses = exposureInDoses(state);
    if (!doses)
        return std::nullopt;
    ProtectedExposure exposure{sunscreen, effectiveFps(sunscreen), 0, std::nullopt};
    exposure.doses = *doses / exposure.effectiveFps;
    exposure.minutesToOneDose = minutesToDoses(state, exposure.effectiveFps);
    return exposure;
}

}  // namespace model
