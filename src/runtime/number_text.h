// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace runtime {

// The text without the spaces and tabs around it, the blanks every typed
// field may carry (a number, a date).
std::string_view trimBlanks(std::string_view text);

// Why a text is not a number the program can use.
enum class ConversionError {
    Empty,       // nothing but blanks
    NotANumber,  // anything else that is not a decimal number
    OutOfRange,  // a number beyond the range of the type it is read into
    NotFinite,   // a spelling of infinity or NaN
};

// A short Spanish clause for the warning shown to the user, e.g. "no es un
// número válido", said of a box (la casilla) or an option (la opción).
std::string_view describe(ConversionError error);

using SingleResult = std::variant<float, ConversionError>;

// Converts what a person typed into a 32-bit float, rounded to the nearest.
// Accepted: blanks around the number, a sign, digits with `decimalSeparator`
// (digits on at least one side), an exponent ("2,5e3"). The other separator
// is refused rather than guessed at: in a comma locale "2.5" could mean 25 or
// 2.5, and the program must not pick one silently. A number too small for a
// float becomes 0 or a subnormal, as with any float arithmetic.
SingleResult textToSingle(std::string_view text, char decimalSeparator);

using DoubleResult = std::variant<double, ConversionError>;

// The same texts as textToSingle are numbers and the same are refused; only
// the range is a double's, so "1e300" is a number here. For values the window
// never stores as 32-bit, such as the clear-sky estimate's place.
DoubleResult textToDouble(std::string_view text, char decimalSeparator);

// The text as it should have been written, when it is a number only with the
// other decimal separator ("2.5" where the comma is expected gives "2,5"),
// blanks around it dropped; nothing when the other separator does not help.
std::optional<std::string> withDecimalSeparator(std::string_view text, char decimalSeparator);

}  // namespace runtime
