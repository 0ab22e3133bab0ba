// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/number_format.h"

namespace day {

// What the window's dialog and the page's say alike.
inline constexpr std::string_view kEstimateTitle = "Estimar el índice máximo del día";
inline constexpr std::string_view kUseDescription = "Escribe el índice estimado en «Indice Máximo»";

// What the estimate's empty ozone field shows: that it stands for the
// climatology's ozone, named once an estimate has looked it up, in whole
// Dobson units ("327 (climatología)").
inline std::string ozonePlaceholder(std::optional<double> climatology)
{
    const std::string word = "climatología";
    if (!climatology)
        return word;
    return runtime::integerToText(std::llround(*climatology)) + " (" + word + ")";
}

}  // namespace day
