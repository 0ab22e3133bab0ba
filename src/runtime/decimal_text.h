// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "runtime/number_text.h"

namespace runtime {

using DoubleResult = std::variant<double, ConversionError>;

// What a person typed, read as a 64-bit number and rounded to the nearest.
// The same texts as textToSingle are numbers (blanks around it, a sign,
// digits with `decimalSeparator`, an exponent) and the same are refused; only
// the range is a double's, so "1e300" is a number here.
DoubleResult textToDouble(std::string_view text, char decimalSeparator);

// The text as it should have been written, when it is a number only with the
// other decimal separator ("2.5" where the comma is expected gives "2,5"),
// blanks around it dropped; nothing when the other separator does not help.
std::optional<std::string> withDecimalSeparator(std::string_view text, char decimalSeparator);

}  // namespace runtime
