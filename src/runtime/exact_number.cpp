// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/exact_number.h"

#include <array>
#include <charconv>
#include <cmath>

namespace runtime {

std::string formatExact(double value, char decimalSeparator)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Inf" : "Inf";
    if (value == 0)
        return "0";  // also for -0: a sign on nothing would read as a quantity

    // The largest double has 309 integer digits, the smallest subnormal 1074
    // decimals; both fit with sign and point.
    std::array<char, 1100> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    if (error != std::errc{})
        return "?";
    std::string text(buffer.data(), end);
    if (const auto point = text.find('.'); point != std::string::npos)
        text[point] = decimalSeparator;
    return text;
}

}  // namespace runtime
