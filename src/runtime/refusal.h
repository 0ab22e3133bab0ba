// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "runtime/number_text.h"

// The one sentence that refuses a value, whoever reads it: a box of the
// window, a field of the estimate or an option of the companion.
namespace runtime {

// What holds the value: a box or field, named by its caption between « », or
// an option, named as it is written. Both are feminine in Spanish.
enum class Holder { Box, Option };

struct Named {
    Holder holder;
    std::string_view name;  // "Hora Exposición", "--latitud"
};

// "La casilla «Latitud» está vacía." when nothing was typed, else
// "«Latitud»: «95» no está entre -90 y 90 grados." (and "--latitud: ..." for an
// option). `whatIsWrong` is the clause after the name, without the full stop.
std::string refusal(Named who, bool empty, std::string_view whatIsWrong);

// What is wrong with a text that is not a number, said after the holder's
// name: "está vacía", "«abc» no es un número válido", and for a number written
// with the other decimal separator the way to write it, "«2.5» no es un número
// válido; use la coma decimal (2,5)".
std::string conversionClause(std::string_view text, ConversionError error, char decimalSeparator);

// "«text» ", shortened, as a clause quotes what was typed; nothing for an
// empty text, which has nothing to show (a date input keeps back a day it
// cannot read, and gives nothing).
std::string quoted(std::string_view text);

// A pasted page of text would make an unreadable message; the start is enough
// to recognise it. Cuts between UTF-8 characters, never inside one.
std::string shortened(std::string_view text);

// The words a choice takes, as a refusal lists them: "campana ni sol",
// "despejado, poco-nuboso, nuboso ni cubierto".
std::string choicesText(std::span<const std::string_view> words);

// The words of a table whose rows have a `token`, in the table's order.
template <typename Row, std::size_t N>
constexpr std::array<std::string_view, N> tokensOf(const std::array<Row, N>& rows)
{
    std::array<std::string_view, N> words{};
    for (std::size_t i = 0; i < N; ++i)
        words[i] = rows[i].token;
    return words;
}

}  // namespace runtime
