// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/bar_step.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "runtime/number_text.h"

namespace model {

BarStepResult stepBar(std::string_view boxText, char decimalSeparator, const BarState& bar, BarStep step, int size)
{
    const int low = std::min(bar.min, bar.max);
    const int high = std::max(bar.min, bar.max);
    // The top end is the high value when Min is the larger.
    const bool raises = (step == BarStep::TowardTop) == (bar.min > bar.max);

    const runtime::SingleResult typed = runtime::textToSingle(boxText, decimalSeparator);
    const float* number = std::get_if<float>(&typed);
    const bool fromBox = number && *number >= static_cast<float>(low) && *number <= static_cast<float>(high);
    // From a whole number the step goes `size` on; from a fraction the first
    // whole value that way counts as the first of them.
    double next = 0;
    if (fromBox)
        next = raises ? std::floor(*number) + size : std::ceil(*number) - size;
    else
        next = raises ? static_cast<double>(bar.value) + size : static_cast<double>(bar.value) - size;
    return {static_cast<int>(std::clamp(next, static_cast<double>(low), static_cast<double>(high))), fromBox};
}

}  // namespace model
