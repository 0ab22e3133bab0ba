// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

#include "model/inputs.h"

namespace layout {

// The companion's option for each of the window's six boxes, Text1 first,
// for the estimate, and for the sunscreen's two fields: what its table lists and what a
// refusal names.
inline constexpr std::array<std::string_view, model::kInputCount> kBoxOptions = {
    "--indice-maximo", "--hora-exposicion", "--duracion", "--tipo-piel", "--diferencia-altitud", "--diferencia-latitud",
};
inline constexpr std::string_view kEstimateOption = "--estimar";
inline constexpr std::string_view kFpsOption = "--fps";
inline constexpr std::string_view kAmountOption = "--cantidad";

constexpr std::string_view optionOf(model::InputBox box)
{
    return kBoxOptions[static_cast<std::size_t>(box)];
}

}  // namespace layout
