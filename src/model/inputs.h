// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>

#include "runtime/number_text.h"
#include "runtime/refusal.h"

namespace model {

// The six text boxes "Calcular" reads, in the order of the window.
enum class InputBox { Text1, Text2, Text3, Text4, Text5, Text6 };
inline constexpr int kInputCount = 6;

// What the user typed, one text per box, indexed by InputBox.
using InputTexts = std::array<std::string, kInputCount>;

// The caption above each box, which also names it in messages to the user
// and to screen readers; the window's layout takes its labels from here.
inline constexpr std::array<std::string_view, kInputCount> kCaptions = {
    "Indice Máximo",
    "Hora Exposición",
    "Duración (hr)",
    "Tipo de piel",
    "Diferencia de altitud (m)",
    // Ends in U+00BA, the ordinal indicator, as designed (not the degree sign).
    "Diferencia de latitud (º)",
};

constexpr std::string_view captionOf(InputBox box)
{
    return kCaptions[static_cast<std::size_t>(box)];
}

// The six boxes as 32-bit numbers.
struct InputValues {
    float indiceMaximo = 0;       // Text1, UV index
    float horaExposicion = 0;     // Text2, hours from 0:00
    float duracion = 0;           // Text3, hours
    float tipoPiel = 0;           // Text4, 1 to 6
    float diferenciaAltitud = 0;  // Text5, metres
    float diferenciaLatitud = 0;  // Text6, degrees, positive to the north
};

// The first box, in reading order, whose text is not a number.
struct InputFailure {
    InputBox box;
    std::string text;
    runtime::ConversionError error;
    char decimalSeparator = '.';  // the one the text was read with
};

// What is wrong with the text, said after the name of its box or option
// (both feminine in Spanish): "está vacía", "«abc» no es un número válido",
// and for a number written with the other decimal separator the way to
// write it, "«2.5» no es un número válido; use la coma decimal (2,5)".
std::string whatIsWrong(const InputFailure& failure);

// The warning shown for it, e.g. "La casilla «Hora Exposición» está vacía."
// or "«Hora Exposición»: «abc» no es un número válido."
std::string describe(const InputFailure& failure);
// The same, naming the box as `who` does (an option, say).
std::string describe(const InputFailure& failure, runtime::Named who);

using InputConversion = std::variant<InputValues, InputFailure>;

// Converts all six texts before anything is computed, so a bad box changes nothing.
InputConversion convertInputs(const InputTexts& texts, char decimalSeparator);

}  // namespace model
